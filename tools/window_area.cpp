#include "tools/window_area.h"

#include "core/building_record.h"
#include "core/german_numbers.h"

namespace orv {

namespace {

constexpr float kMaxPercent = 99;

// An empty cell or a single blank is 0; anything else must be a number.
std::optional<float> cellValue(const QString& text)
{
    if (text.isEmpty() || text == QLatin1String(" "))
        return 0.0f;
    return parseDecimal(text);
}

QString wallText(float wallArea)
{
    return formatNumber("%0.0n", wallArea);
}

QString shareLine(const QString& percent, float wallArea)
{
    return QStringLiteral("( = ") + percent + QStringLiteral("% von ") + wallText(wallArea) +
           QString::fromUtf8(" m² Außenwandfläche freistehend)");
}

} // namespace

std::optional<float> freeStandingWallArea(const WallAreaTexts& t)
{
    if (t.length.isEmpty() || t.width.isEmpty() || t.heatedHeight.isEmpty())
        return std::nullopt;
    const float length = parseDecimal(t.length).value_or(0);
    const float width = parseDecimal(t.width).value_or(0);
    const float height = parseDecimal(t.heatedHeight).value_or(0);
    if (!(length * width * height > 0))
        return std::nullopt;
    float area = 2 * (length + width) * height;
    if (t.roofSpaceHeated && !t.gableArea.isEmpty())
        area += parseDecimal(t.gableArea).value_or(0);
    return area;
}

WindowListTexts windowListTexts(const BuildingRecord& b)
{
    WindowListTexts rows;
    for (int i = 0; i < kWindowRows; ++i) {
        if (b.HasWindowList)
            rows[i] = {formatNumber("%0.1f", b.WindowCount[i]), formatNumber("%0.2f", b.WindowWidth[i]),
                       formatNumber("%0.2f", b.WindowHeight[i])};
        else
            rows[i] = {QStringLiteral("1"), QString(), QStringLiteral("1,2")};
    }
    return rows;
}

WindowListResult calculateWindowList(const WindowListTexts& rows, std::optional<float> wallArea,
                                     BuildingRecord& b)
{
    WindowListResult result;
    bool inputError = false;
    for (int i = 0; i < kWindowRows; ++i) {
        std::array<float, 3> values{};
        for (int column = 0; column < 3; ++column) {
            const auto value = cellValue(rows[i][column]);
            inputError = inputError || !value;
            values[column] = value.value_or(0);
        }
        b.WindowCount[i] = values[0];
        b.WindowWidth[i] = values[1];
        b.WindowHeight[i] = values[2];
        result.rowAreas[i] = values[0] * values[1] * values[2];
        result.total += result.rowAreas[i];
    }
    b.HasWindowList = true;

    WindowAreaLines& lines = result.lines;
    if (result.total > 0 && !inputError) {
        lines.first = QStringLiteral("Berechnete Fensterfläche: ") + formatNumber("%0.2n", result.total) +
                      QString::fromUtf8(" m²");
        if (wallArea) {
            if (result.total / *wallArea >= 1)
                lines.second = QString::fromUtf8("ACHTUNG!  Fensterfläche > Außenwandfläche (") +
                               wallText(*wallArea) + QString::fromUtf8(" m²)");
            else
                lines.second = shareLine(formatNumber("%0.1n", result.total / *wallArea * 100), *wallArea);
        }
        lines.handOver = true;
    } else if (inputError) {
        lines.first = QStringLiteral("EINGABEFEHLER!  -  Bitte korrigieren.");
        lines.firstIsError = true;
    }
    return result;
}

WindowEstimateResult estimateWindowArea(const QString& percentText, float wallArea, BuildingRecord& b)
{
    WindowEstimateResult result;
    const float percent = parseDecimal(percentText).value_or(0);
    b.WindowFraction = 0;
    if (percent <= 0)
        return result;
    if (percent > kMaxPercent) {
        result.lines.first = QStringLiteral("Der Prozentsatz ist zu hoch (max. 99%)");
        return result;
    }
    b.WindowFraction = percent / 100;
    result.total = wallArea * b.WindowFraction;
    if (result.total > 0) {
        result.lines.first = QString::fromUtf8("Geschätzte Fensterfläche: ") +
                             formatNumber("%0.2n", result.total) + QString::fromUtf8(" m²");
        result.lines.second = shareLine(percentText, wallArea);
        result.lines.handOver = true;
    }
    return result;
}

QString windowPercentText(const BuildingRecord& b)
{
    return formatNumber("%0.0n", b.WindowFraction * 100);
}

Message estimateNeedsDimensions()
{
    return {
        QString::fromUtf8("Vor der Abschätzung der Fensterfläche\rmüssen Sie die Gebäudelänge, -breite und "
                          "-höhe angeben.\r\rMöchten Sie dorthin wechseln, um die fehlenden Eingaben zu "
                          "machen?"),
        QString::fromUtf8("Abschätzen geht nicht"), MessageIcon::Error, MessageButtons::YesNo};
}

WindowAreaLines estimateNeedsDimensionsLines()
{
    return {QString::fromUtf8("Vor der Abschätzung der Fensterfläche"),
            QString::fromUtf8("müssen Sie die Gebäudelänge, -breite und -höhe angeben."), false, false};
}

} // namespace orv
