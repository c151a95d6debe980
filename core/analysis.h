#pragma once

// What follows from one calculation: where the heat goes, how the load runs between the design outdoor
// temperature and mild days, and whether a heat pump covers it. Everything is taken from the formula core
// (calculation.h); nothing here is a formula of the heating load of its own. Values are Singles, like the
// calculation's, so that they read the same on screen, on paper and on the command line.

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace orv {

struct BuildingRecord;
struct CalculationResults;
struct SettingsRecord;

enum class LossPart
{
    OuterWall,
    Windows,
    Roof,
    GroundWall,
    Floor,
    Ventilation
};
inline constexpr int kLossParts = 6;
inline constexpr int kMaxLoadLineSpan = 200; // K

// The result names the command line uses ("LossOuterWall", …, "Ventilation").
const char* lossPartName(LossPart part);
// The German caption for screen and paper; the roof reads "Dach" or "oberste Decke" as the building has it.
QString lossPartCaption(LossPart part, bool roofSpaceHeated);

struct LossItem
{
    LossPart part = LossPart::OuterWall;
    float watts = 0;
    float share = 0; // percent of the sum of all six
};

// The five component losses and the ventilation part f · QL of the building load, in W. Their sum is
// QT + f · QL; the increase z+ is not a loss and stays out.
struct LossBreakdown
{
    std::array<LossItem, kLossParts> items{}; // in the order of LossPart
    float total = 0;

    // The items largest first; equal ones keep their order.
    std::array<LossItem, kLossParts> largestFirst() const;
};

struct LoadPoint
{
    std::int32_t outside = 0; // °C
    float load = 0;           // QN in kW
};

// A heat pump's heating capacity at two outdoor temperatures, as on its data sheet; the straight line
// through them is its capacity at any other temperature.
struct HeatPumpPoints
{
    double t1 = 0; // °C
    double p1 = 0; // kW
    double t2 = 0;
    double p2 = 0;

    // Two distinct temperatures, finite numbers and no negative capacity.
    bool usable() const;
    double capacityAt(double outside) const;
};

struct HeatPumpCheck
{
    float capacityAtDesign = 0;          // kW
    float coverage = 0;                  // percent of QN at the design temperature
    std::optional<float> bivalencePoint; // °C, where capacity and load are equal
};

struct BuildingAnalysis
{
    LossBreakdown losses;
    std::vector<LoadPoint> loadLine; // rising outdoor temperature, the first one is the design point
    std::int32_t roomTemperature = 0;
};

LossBreakdown lossBreakdown(const BuildingRecord& building, const CalculationResults& results);

// QN for every whole outdoor temperature from the building's design outdoor temperature up to one below
// its room temperature, each by the formula core with only the outside temperature changed. Empty when the
// building has no such range, a range wider than kMaxLoadLineSpan (only a damaged file has one), or a point
// that is not a finite number. The record and results handed in are left as they are.
std::vector<LoadPoint> loadLine(const BuildingRecord& building, const SettingsRecord& settings,
                                const CalculationResults& results);

// The building's analysis after a calculation that left `building` and `results` up to date.
BuildingAnalysis analyseBuilding(const BuildingRecord& building, const SettingsRecord& settings,
                                 const CalculationResults& results);

// Nothing when the points are not usable, the load line is empty or the capacity over the line (up to the
// room temperature) or the coverage leaves the Single range. The bivalence point lies between the
// first two neighbouring whole degrees where capacity minus load changes its sign (or is zero), linearly
// interpolated; there is none when the two lines do not meet inside the load line.
std::optional<HeatPumpCheck> checkHeatPump(const std::vector<LoadPoint>& loadLine,
                                           const HeatPumpPoints& pump);

} // namespace orv
