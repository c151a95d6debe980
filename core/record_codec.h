#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

namespace orv {

// Field-by-field access to the fixed-size file records. Offsets are checked against the buffer so that a
// wrong layout constant fails loudly in tests instead of touching foreign memory.
class RecordReader
{
  public:
    explicit RecordReader(const QByteArray& bytes) : m_bytes(bytes) {}

    float single(qsizetype offset) const;
    std::int32_t int32(qsizetype offset) const;
    bool boolean(qsizetype offset) const; // any non-zero byte is true
    // Length bytes above `capacity` are clamped, so damaged files never read past their field.
    QString shortString(qsizetype offset, int capacity) const;

  private:
    const char* at(qsizetype offset, qsizetype size) const;
    const QByteArray& m_bytes;
};

class RecordWriter
{
  public:
    explicit RecordWriter(QByteArray& bytes) : m_bytes(bytes) {}

    void single(qsizetype offset, float value);
    void int32(qsizetype offset, std::int32_t value);
    void boolean(qsizetype offset, bool value);
    // Text beyond `capacity` characters is cut; the unused tail of the field is zeroed.
    void shortString(qsizetype offset, int capacity, const QString& text);

  private:
    char* at(qsizetype offset, qsizetype size);
    QByteArray& m_bytes;
};

constexpr int kLayerCellSize = 65; // ShortString[64]
constexpr int kLayerColumns = 3;
constexpr int kLayerRows = 5;
constexpr int kLayerKinds = 4;

// One component's layer list: [column][row], columns name / thickness in cm / lambda, all as typed.
using LayerTable = std::array<std::array<QString, kLayerRows>, kLayerColumns>;

void readLayerTable(const RecordReader& in, qsizetype offset, LayerTable& table);
void writeLayerTable(RecordWriter& out, qsizetype offset, const LayerTable& table);

// Adapters that let one field map serve both directions: each record type lists its fields once,
// in offset order, and the same list reads and writes.
struct FieldReader
{
    const RecordReader& in;
    void single(qsizetype offset, float& v) const { v = in.single(offset); }
    void int32(qsizetype offset, std::int32_t& v) const { v = in.int32(offset); }
    void boolean(qsizetype offset, bool& v) const { v = in.boolean(offset); }
    void shortString(qsizetype offset, int capacity, QString& v) const
    {
        v = in.shortString(offset, capacity);
    }
    void layerTable(qsizetype offset, LayerTable& t) const { readLayerTable(in, offset, t); }
    template <std::size_t N> void singles(qsizetype offset, std::array<float, N>& v) const
    {
        for (std::size_t i = 0; i < N; ++i)
            v[i] = in.single(offset + static_cast<qsizetype>(i) * 4);
    }
    template <std::size_t N>
    void shortStrings(qsizetype offset, int capacity, std::array<QString, N>& v) const
    {
        for (std::size_t i = 0; i < N; ++i)
            v[i] = in.shortString(offset + static_cast<qsizetype>(i) * (capacity + 1), capacity);
    }
};

struct FieldWriter
{
    RecordWriter& out;
    void single(qsizetype offset, float v) const { out.single(offset, v); }
    void int32(qsizetype offset, std::int32_t v) const { out.int32(offset, v); }
    void boolean(qsizetype offset, bool v) const { out.boolean(offset, v); }
    void shortString(qsizetype offset, int capacity, const QString& v) const
    {
        out.shortString(offset, capacity, v);
    }
    void layerTable(qsizetype offset, const LayerTable& t) const { writeLayerTable(out, offset, t); }
    template <std::size_t N> void singles(qsizetype offset, const std::array<float, N>& v) const
    {
        for (std::size_t i = 0; i < N; ++i)
            out.single(offset + static_cast<qsizetype>(i) * 4, v[i]);
    }
    template <std::size_t N>
    void shortStrings(qsizetype offset, int capacity, const std::array<QString, N>& v) const
    {
        for (std::size_t i = 0; i < N; ++i)
            out.shortString(offset + static_cast<qsizetype>(i) * (capacity + 1), capacity, v[i]);
    }
};

} // namespace orv
