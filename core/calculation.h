#pragma once

// The heating load by the envelope method.
//
// Data flow: input reading (input_reading.h) writes the typed values into the BuildingRecord and sets
// EffectiveShare; the checks (checks.h) decide whether a calculation may start; BuildingCalculation then
// reads the record and the settings' constants and writes the record's result fields and the run-time
// values below. Everything is stored as a Single: a formula is evaluated in double and rounded to float
// when stored, and a later formula reads the rounded value. Temperature differences are formed in
// Int32 first; callers make sure they do not overflow (calculationRefusal).

#include <cstdint>

namespace orv {

struct BuildingRecord;
struct SettingsRecord;

// Run-time results, never stored in a building file. Losses in W, resistances in m²K/W,
// fluxes in W/m², areas in m².
struct CalculationResults
{
    float GroundDepth = 0;
    float RGroundWallToAir = 0;
    float RFloorToAir = 0;
    float RGroundWallToWater = 0;
    float RFloorToWater = 0;
    float FluxGroundWall = 0;
    float FluxFloor = 0;
    float LossGroundWall = 0;
    float LossFloor = 0;
    float LossOuterWall = 0;
    float LossWindows = 0;
    float LossRoof = 0;
    float RoofLossArea = 0;
    float TotalWallArea = 0;
    float EnvelopeArea = 0;
    float MeanK = 0;
    float EffectiveK = 0;
    float EffectiveShare = 0; // set by input reading
    std::int32_t CalculationCount = 0;
};

// The areas that the calculate command forms before its checks: OuterWallArea and BaseArea.
void computeAreas(BuildingRecord& record);

// The formula core. Preconditions (guaranteed by the checks): the required inputs are non-zero,
// computeAreas has run, and calculationRefusal found nothing.
void BuildingCalculation(BuildingRecord& record, const SettingsRecord& settings, CalculationResults& results);

} // namespace orv
