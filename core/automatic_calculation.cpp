#include "core/automatic_calculation.h"

#include "core/building_record.h"
#include "core/calculation.h"
#include "core/checks.h"
#include "core/input_reading.h"
#include "settings/settings_record.h"

#include <cmath>

namespace orv {

bool resultsFinite(const BuildingRecord& r, const CalculationResults& c)
{
    const float values[] = {r.OuterWallArea,    r.BaseArea,      r.TransmissionLoad, r.VentilationLoad,
                            r.BuildingLoad,     r.SpecificLoad,  r.BuildingVolume,   r.AVRatio,
                            c.RGroundWallToAir, c.RFloorToAir,   c.FluxGroundWall,   c.FluxFloor,
                            c.LossGroundWall,   c.LossFloor,     c.LossOuterWall,    c.LossWindows,
                            c.LossRoof,         c.TotalWallArea, c.EnvelopeArea,     c.MeanK,
                            c.EffectiveK};
    for (float v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

CalcOutcome calculateStoredBuilding(BuildingRecord& r, const SettingsRecord& s, CalculationResults& c)
{
    normaliseRoofSpace(r);
    c.EffectiveShare = effectiveShare(r);
    normaliseCellar(r);

    if (!inputsComplete(r))
        return {CalcStatus::Incomplete, QString(), false, false};
    const AutoCalcCheck autoCheck = autoCalcChecks(r, s);
    if (!autoCheck.allowed)
        return {CalcStatus::Implausible, autoCheck.firstLine + QLatin1Char(' ') + autoCheck.secondLine, false,
                false};
    if (const auto refusal = calculationRefusal(r, s))
        return {CalcStatus::Invalid, refusal->text, false, false};
    const CommandCheck command = commandChecks(r, s, true);
    if (!command.allowed)
        return {CalcStatus::Implausible, command.messages.front().text, false, false};

    BuildingCalculation(r, s, c);
    if (!resultsFinite(r, c))
        return {CalcStatus::Invalid,
                QStringLiteral(
                    "Die Berechnung ergibt keine gültigen Zahlen.\rBitte überprüfen Sie Ihre Eingaben."),
                false, false};
    if (loadTooLarge(r)) {
        if (s.PlausibilityChecks)
            return {CalcStatus::TooLarge, tooLargeMessage().text, false, false};
        return {CalcStatus::TooLarge, QString(), true, false};
    }
    return {CalcStatus::Ok, QString(), true, true};
}

} // namespace orv
