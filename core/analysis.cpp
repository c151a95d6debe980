#include "core/analysis.h"

#include "core/automatic_calculation.h"
#include "core/building_record.h"
#include "core/calculation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orv {

const char* lossPartName(LossPart part)
{
    switch (part) {
    case LossPart::OuterWall:
        return "LossOuterWall";
    case LossPart::Windows:
        return "LossWindows";
    case LossPart::Roof:
        return "LossRoof";
    case LossPart::GroundWall:
        return "LossGroundWall";
    case LossPart::Floor:
        return "LossFloor";
    case LossPart::Ventilation:
        return "Ventilation";
    }
    return "";
}

QString lossPartCaption(LossPart part, bool roofSpaceHeated)
{
    switch (part) {
    case LossPart::OuterWall:
        return QStringLiteral("Außenwände");
    case LossPart::Windows:
        return QStringLiteral("Fenster");
    case LossPart::Roof:
        return roofSpaceHeated ? QStringLiteral("Dach") : QStringLiteral("oberste Decke");
    case LossPart::GroundWall:
        return QStringLiteral("Kellerwände (Erdreich)");
    case LossPart::Floor:
        return QStringLiteral("Fußboden (Erdreich)");
    case LossPart::Ventilation:
        return QStringLiteral("Lüftung");
    }
    return {};
}

std::array<LossItem, kLossParts> LossBreakdown::largestFirst() const
{
    std::array<LossItem, kLossParts> sorted = items;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const LossItem& a, const LossItem& b) { return a.watts > b.watts; });
    return sorted;
}

LossBreakdown lossBreakdown(const BuildingRecord& b, const CalculationResults& c)
{
    LossBreakdown breakdown;
    const float watts[kLossParts] = {
        c.LossOuterWall, c.LossWindows, c.LossRoof, c.LossGroundWall, c.LossFloor,
        // The ventilation part of the building load as the formula core weighs it, in W.
        static_cast<float>(double(c.EffectiveShare) * b.VentilationLoad * 1000.0)};
    double total = 0;
    for (float w : watts)
        total += w;
    breakdown.total = static_cast<float>(total);
    for (int i = 0; i < kLossParts; ++i) {
        LossItem& item = breakdown.items[i];
        item.part = LossPart(i);
        item.watts = watts[i];
        item.share = total > 0 ? static_cast<float>(watts[i] / total * 100.0) : 0.0f;
    }
    return breakdown;
}

std::vector<LoadPoint> loadLine(const BuildingRecord& building, const SettingsRecord& settings,
                                const CalculationResults& results)
{
    const long long design = building.OutsideTemperature;
    const long long room = building.RoomTemperature;
    if (room - design < 1 || room - design > kMaxLoadLineSpan)
        return {};
    std::vector<LoadPoint> line;
    line.reserve(static_cast<std::size_t>(room - design));
    BuildingRecord point = building;
    CalculationResults pointResults = results;
    for (long long t = design; t < room; ++t) {
        // The command's areas first, as before every calculation; the formula core changes some inputs
        // (the cellar height of an unheated cellar), so every point starts from the building as it is.
        point = building;
        point.OutsideTemperature = static_cast<std::int32_t>(t);
        computeAreas(point);
        pointResults.EffectiveShare = results.EffectiveShare;
        BuildingCalculation(point, settings, pointResults);
        if (!resultsFinite(point, pointResults))
            return {};
        line.push_back({static_cast<std::int32_t>(t), point.BuildingLoad});
    }
    return line;
}

BuildingAnalysis analyseBuilding(const BuildingRecord& building, const SettingsRecord& settings,
                                 const CalculationResults& results)
{
    BuildingAnalysis analysis;
    analysis.losses = lossBreakdown(building, results);
    analysis.loadLine = loadLine(building, settings, results);
    analysis.roomTemperature = building.RoomTemperature;
    return analysis;
}

bool HeatPumpPoints::usable() const
{
    for (double v : {t1, p1, t2, p2})
        if (!std::isfinite(v))
            return false;
    return t1 != t2 && p1 >= 0 && p2 >= 0;
}

double HeatPumpPoints::capacityAt(double outside) const
{
    return p1 + (p2 - p1) * (outside - t1) / (t2 - t1);
}

std::optional<HeatPumpCheck> checkHeatPump(const std::vector<LoadPoint>& line, const HeatPumpPoints& pump)
{
    if (line.empty() || !pump.usable())
        return std::nullopt;
    HeatPumpCheck check;
    const LoadPoint& design = line.front();
    const double capacity = pump.capacityAt(design.outside);
    const double coverage = design.load > 0 ? capacity / design.load * 100.0 : 0.0;
    // Points far apart in capacity but close in temperature give a line that leaves the Singles within the
    // chart (design to room temperature): such a pump has no figures to show.
    const auto single = [](double v) { return std::fabs(v) <= double(std::numeric_limits<float>::max()); };
    if (!single(capacity) || !single(coverage) || !single(pump.capacityAt(line.back().outside + 1.0)))
        return std::nullopt;
    check.capacityAtDesign = static_cast<float>(capacity);
    check.coverage = static_cast<float>(coverage);

    const auto surplus = [&](const LoadPoint& p) { return pump.capacityAt(p.outside) - double(p.load); };
    for (std::size_t i = 0; i < line.size(); ++i) {
        const double here = surplus(line[i]);
        if (here == 0) {
            check.bivalencePoint = static_cast<float>(line[i].outside);
            break;
        }
        if (i + 1 == line.size())
            break;
        const double next = surplus(line[i + 1]);
        if ((here < 0) != (next < 0) && next != 0) {
            check.bivalencePoint = static_cast<float>(line[i].outside + here / (here - next));
            break;
        }
    }
    return check;
}

} // namespace orv
