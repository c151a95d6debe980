#include "core/record_codec.h"

#include "core/cp1252.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace orv {

const char* RecordReader::at(qsizetype offset, qsizetype size) const
{
    if (offset < 0 || offset + size > m_bytes.size())
        throw std::out_of_range("record field outside the record");
    return m_bytes.constData() + offset;
}

float RecordReader::single(qsizetype offset) const
{
    const quint32 bits = qFromLittleEndian<quint32>(at(offset, 4));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::int32_t RecordReader::int32(qsizetype offset) const
{
    return qFromLittleEndian<qint32>(at(offset, 4));
}

bool RecordReader::boolean(qsizetype offset) const
{
    return *at(offset, 1) != 0;
}

QString RecordReader::shortString(qsizetype offset, int capacity) const
{
    const char* field = at(offset, capacity + 1);
    const int length = std::min<int>(static_cast<unsigned char>(field[0]), capacity);
    return decodeCp1252(QByteArrayView(field + 1, length));
}

char* RecordWriter::at(qsizetype offset, qsizetype size)
{
    if (offset < 0 || offset + size > m_bytes.size())
        throw std::out_of_range("record field outside the record");
    return m_bytes.data() + offset;
}

void RecordWriter::single(qsizetype offset, float value)
{
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, at(offset, 4));
}

void RecordWriter::int32(qsizetype offset, std::int32_t value)
{
    qToLittleEndian<qint32>(value, at(offset, 4));
}

void RecordWriter::boolean(qsizetype offset, bool value)
{
    *at(offset, 1) = value ? 1 : 0;
}

void RecordWriter::shortString(qsizetype offset, int capacity, const QString& text)
{
    char* field = at(offset, capacity + 1);
    const QByteArray bytes = encodeCp1252(text.left(capacity));
    std::memset(field, 0, static_cast<std::size_t>(capacity) + 1);
    field[0] = static_cast<char>(bytes.size());
    std::memcpy(field + 1, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void readLayerTable(const RecordReader& in, qsizetype offset, LayerTable& table)
{
    for (int c = 0; c < kLayerColumns; ++c)
        for (int r = 0; r < kLayerRows; ++r)
            table[c][r] = in.shortString(offset + (c * kLayerRows + r) * kLayerCellSize, kLayerCellSize - 1);
}

void writeLayerTable(RecordWriter& out, qsizetype offset, const LayerTable& table)
{
    for (int c = 0; c < kLayerColumns; ++c)
        for (int r = 0; r < kLayerRows; ++r)
            out.shortString(offset + (c * kLayerRows + r) * kLayerCellSize, kLayerCellSize - 1, table[c][r]);
}

} // namespace orv
