#include "app/calc_cli_analysis.h"

#include "print/analysis_report.h"

#include <QStringList>

#include <charconv>

namespace orv {

namespace {

// The shortest text that reads back as the same Single, as for the other results.
void appendFloat(std::string& out, float value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

std::optional<double> parseNumber(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok); // C locale: decimal point
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<HeatPumpPoints> parseHeatPumpOption(const QString& text)
{
    const QStringList points = text.split(QLatin1Char(','));
    if (points.size() != 2)
        return std::nullopt;
    double values[4];
    for (int i = 0; i < 2; ++i) {
        const QStringList pair = points[i].split(QLatin1Char(':'));
        if (pair.size() != 2)
            return std::nullopt;
        const auto t = parseNumber(pair[0]);
        const auto p = parseNumber(pair[1]);
        if (!t || !p)
            return std::nullopt;
        values[2 * i] = *t;
        values[2 * i + 1] = *p;
    }
    const HeatPumpPoints pump{values[0], values[1], values[2], values[3]};
    if (!pump.usable())
        return std::nullopt;
    return pump;
}

std::string analysisJson(const AnalysisFigures& figures)
{
    const BuildingAnalysis& a = figures.analysis;
    std::string out = ",\"analysis\":{\"losses\":{";
    for (const LossItem& item : a.losses.items) {
        if (item.part != LossPart::OuterWall)
            out += ',';
        out += '"';
        out += lossPartName(item.part);
        out += "\":{\"W\":";
        appendFloat(out, item.watts);
        out += ",\"share\":";
        appendFloat(out, item.share);
        out += '}';
    }
    out += "},\"loadLine\":[";
    for (std::size_t i = 0; i < a.loadLine.size(); ++i) {
        if (i > 0)
            out += ',';
        out += "{\"t\":" + std::to_string(a.loadLine[i].outside) + ",\"BuildingLoad\":";
        appendFloat(out, a.loadLine[i].load);
        out += '}';
    }
    out += ']';
    if (figures.check) {
        out += ",\"heatPump\":{\"capacityAtDesign\":";
        appendFloat(out, figures.check->capacityAtDesign);
        out += ",\"coverage\":";
        appendFloat(out, figures.check->coverage);
        out += ",\"bivalencePoint\":";
        if (figures.check->bivalencePoint)
            appendFloat(out, *figures.check->bivalencePoint);
        else
            out += "null";
        out += '}';
    }
    out += '}';
    return out;
}

} // namespace orv
