#include "core/automatic_calculation.h"

#include "core/building_record.h"
#include "core/calculation.h"
#include "core/checks.h"
#include "core/input_reading.h"
#include "core/results_display.h"
#include "settings/settings_record.h"

#include <cmath>

namespace orv {

bool resultsFinite(const BuildingRecord& r, const CalculationResults& c)
{
    const float values[] = {r.OuterWallArea, r.BaseArea,         r.TransmissionLoad, r.VentilationLoad,
                            r.BuildingLoad,  r.SpecificLoad,     r.BuildingVolume,   r.AVRatio,
                            c.GroundDepth,   c.RGroundWallToAir, c.RFloorToAir,      c.RGroundWallToWater,
                            c.RFloorToWater, c.FluxGroundWall,   c.FluxFloor,        c.LossGroundWall,
                            c.LossFloor,     c.LossOuterWall,    c.LossWindows,      c.LossRoof,
                            c.RoofLossArea,  c.TotalWallArea,    c.EnvelopeArea,     c.MeanK,
                            c.EffectiveK,    c.EffectiveShare};
    for (float v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

std::optional<Message> resultsRefusal(const BuildingRecord& r, const CalculationResults& c)
{
    if (!resultsFinite(r, c))
        return invalidResultsMessage();
    if (r.TransmissionLoad < 0 || r.VentilationLoad < 0 || r.BuildingLoad < 0)
        return Message{QStringLiteral("Die berechnete Heizlast ist negativ.\r"
                                      "Bitte überprüfen Sie die Gebäude-Werte (F8) und die Einstellungen."),
                       QStringLiteral("Berechnung nicht möglich"), MessageIcon::Warning, MessageButtons::Ok};
    return std::nullopt;
}

CalcOutcome calculateStoredBuilding(BuildingRecord& r, const SettingsRecord& s, CalculationResults& c)
{
    normaliseRoofSpace(r);
    c.EffectiveShare = effectiveShare(r);
    normaliseCellar(r);

    if (!inputsComplete(r))
        return {CalcStatus::Incomplete, QString(), false, false};
    // Damaged values are refused before the plausibility checks, whose messages would quote them.
    if (const auto refusal = calculationRefusal(r, s))
        return {CalcStatus::Invalid, refusal->text, false, false};
    const AutoCalcCheck autoCheck = autoCalcChecks(r, s);
    if (!autoCheck.allowed)
        return {CalcStatus::Implausible, autoCheck.firstLine + QLatin1Char(' ') + autoCheck.secondLine, false,
                false};
    const CommandCheck command = commandChecks(r, s, true);
    if (!command.allowed)
        return {CalcStatus::Implausible, command.messages.front().text, false, false};

    BuildingCalculation(r, s, c);
    if (const auto refusal = resultsRefusal(r, c))
        return {CalcStatus::Invalid, refusal->text, false, false};
    if (loadTooLarge(r)) {
        if (s.PlausibilityChecks)
            return {CalcStatus::TooLarge, tooLargeMessage().text, false, false};
        return {CalcStatus::TooLarge, QString(), true, false};
    }
    return {CalcStatus::Ok, QString(), true, true};
}

} // namespace orv
