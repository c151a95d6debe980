#include "tools/material_catalog.h"

#include "core/cp1252.h"
#include "core/german_numbers.h"

#include <QFileInfo>

#include <array>

namespace orv {

namespace {

// The text between the ends of two separators; empty when either is missing or they overlap.
QString between(const QString& line, const QString& before, const QString& after)
{
    const qsizetype start = before.isEmpty() ? 0 : line.indexOf(before);
    if (start < 0)
        return {};
    const qsizetype from = start + before.size();
    const qsizetype end = line.indexOf(after);
    if (end < from)
        return {};
    return line.mid(from, end - from);
}

std::optional<int> integerField(const QString& text)
{
    const auto value = parseInteger(text.trimmed(), true);
    return value ? std::optional<int>(*value) : std::nullopt;
}

} // namespace

QString materialGroupCaption(int group)
{
    static const std::array<const char*, kMaterialGroups> captions = {
        "&Mauer", "&Putz", "D&ämmung", "Ba&uplatten", "Beto&n", "Belä&ge", "&Holz", "Sons&tiges"};
    if (group < 1 || group > kMaterialGroups)
        return {};
    return QString::fromUtf8(captions[group - 1]);
}

CatalogMaterial readCatalogLine(const QString& line)
{
    const QString one(1, QLatin1Char(';'));
    const QString two(2, QLatin1Char(';'));
    const QString three(3, QLatin1Char(';'));
    const QString four(4, QLatin1Char(';'));

    CatalogMaterial m;
    m.number = integerField(line.left(std::max<qsizetype>(line.indexOf(one), 0))).value_or(0);
    m.group = integerField(between(line, one, two));
    m.name = between(line, two, three);
    m.lambda = parseDecimal(between(line, three, four).trimmed(), true).value_or(0.0f);
    const qsizetype densityAt = line.indexOf(four);
    if (densityAt >= 0)
        m.density = integerField(line.mid(densityAt + 4, 8)).value_or(0);
    return m;
}

CatalogRow catalogRow(const CatalogMaterial& material)
{
    return {QString::number(material.number), material.name, QString::number(material.density),
            formatNumber("%0.3n", material.lambda)};
}

bool MaterialCatalog::open(const QString& path)
{
    close();
    if (!QFileInfo(path).isFile())
        return false;
    m_file.setFileName(path);
    return m_file.open(QIODevice::ReadOnly);
}

void MaterialCatalog::close()
{
    if (m_file.isOpen())
        m_file.close();
}

std::vector<QString> MaterialCatalog::readLines()
{
    std::vector<QString> lines;
    if (!m_file.isOpen() || !m_file.seek(0))
        return lines;
    while (static_cast<int>(lines.size()) < kCatalogLines && !m_file.atEnd()) {
        QByteArray bytes = m_file.readLine();
        if (bytes.isEmpty())
            break; // a read error ends the file
        while (bytes.endsWith('\n') || bytes.endsWith('\r'))
            bytes.chop(1);
        lines.push_back(
            decodeCp1252(QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), kCatalogLineLength))));
    }
    return lines;
}

std::vector<CatalogMaterial> MaterialCatalog::group(int group)
{
    const std::vector<QString> lines = readLines();
    std::vector<CatalogMaterial> result;
    std::size_t n = 0;
    while (n < lines.size() && readCatalogLine(lines[n]).group != group)
        ++n;
    for (; n < lines.size() && !lines[n].isEmpty(); ++n) {
        CatalogMaterial material = readCatalogLine(lines[n]);
        if (!material.group || *material.group > group)
            break;
        result.push_back(std::move(material));
    }
    return result;
}

} // namespace orv
