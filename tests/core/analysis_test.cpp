#include "core/analysis.h"

#include "core/building_record.h"
#include "core/calculation.h"
#include "core/input_reading.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace orv;
using namespace orv::test;

namespace {

const SettingsRecord settings = standardSettings();

TEST(LossBreakdownTest, WorkedExampleOneSumsToTransmissionAndVentilationPart)
{
    const Calculated run = calculate(workedExample1());
    const LossBreakdown breakdown = lossBreakdown(run.r, run.c);

    const double expected = (double(run.r.TransmissionLoad) + 0.5 * run.r.VentilationLoad) * 1000.0;
    double sum = 0, shares = 0;
    for (const LossItem& item : breakdown.items) {
        sum += item.watts;
        shares += item.share;
    }
    EXPECT_NEAR(sum, expected, 0.01);
    EXPECT_NEAR(breakdown.total, expected, 0.01);
    EXPECT_NEAR(shares, 100.0, 1e-4);
    // 2848 W of 5962,0 W.
    EXPECT_NEAR(breakdown.items[int(LossPart::OuterWall)].share, 47.77, 0.01);
    EXPECT_NEAR(breakdown.items[int(LossPart::Ventilation)].watts, 843.37, 0.01); // 0,5 · 1,68674 kW

    // Ventilation (843 W) comes before the windows (832 W); the unheated cellar's walls lose nothing.
    const LossPart order[] = {LossPart::OuterWall, LossPart::Ventilation, LossPart::Windows,
                              LossPart::Roof,      LossPart::Floor,       LossPart::GroundWall};
    const auto sorted = breakdown.largestFirst();
    for (int i = 0; i < kLossParts; ++i)
        EXPECT_EQ(sorted[i].part, order[i]) << i;
    EXPECT_EQ(sorted.back().watts, 0.0f);
}

TEST(LoadLineTest, StartsAtTheBuildingLoadAndLeavesTheCalculationAlone)
{
    for (const BuildingRecord& example : {workedExample1(), workedExample2()}) {
        const Calculated run = calculate(example);
        const BuildingRecord before = run.r;
        const std::vector<LoadPoint> line = loadLine(run.r, settings, run.c);

        ASSERT_EQ(line.size(), std::size_t(run.r.RoomTemperature - run.r.OutsideTemperature));
        EXPECT_EQ(line.front().outside, run.r.OutsideTemperature);
        EXPECT_EQ(line.front().load, run.r.BuildingLoad);
        EXPECT_EQ(line.back().outside, run.r.RoomTemperature - 1);
        EXPECT_EQ(run.c.CalculationCount, 1);
        EXPECT_EQ(encodeBuilding(run.r), encodeBuilding(before));
    }
}

TEST(LoadLineTest, WithoutGroundContactFallsInProportionToTheTemperatureDifference)
{
    // A floor that conducts nothing: the load is the envelope's and the air's, both proportional to θi − θ.
    BuildingRecord building = workedExample1();
    building.RFloor = 1e9f;
    const Calculated run = calculate(building);
    const std::vector<LoadPoint> line = loadLine(run.r, settings, run.c);
    ASSERT_EQ(line.size(), 32u);
    for (const LoadPoint& p : line) {
        const double expected = double(run.r.BuildingLoad) * (20 - p.outside) / 32.0;
        EXPECT_NEAR(p.load, expected, 1e-5 * run.r.BuildingLoad) << p.outside;
    }
}

TEST(LoadLineTest, WithGroundContactFallsStraightButNotToZero)
{
    // Worked example 2 loses per kelvin of outside temperature: envelope 220·0,4 + 30·1,6 + 160·0,25 =
    // 176 W/K, the ground's air path 108 m² / 3,4157 + 105 m² / 3,1157 = 65,32 W/K and f·QL/ΔT = 61,61 W/K,
    // 302,93 W/K in all. The groundwater path (θi − θGW) does not change with the outside temperature.
    const Calculated run = calculate(workedExample2());
    const std::vector<LoadPoint> line = loadLine(run.r, settings, run.c);
    ASSERT_EQ(line.size(), 34u);
    for (std::size_t i = 1; i < line.size(); ++i)
        EXPECT_NEAR(line[i - 1].load - line[i].load, 0.30293, 2e-5) << line[i].outside;
    // At 19 °C: (176 + 61,61) W/K · 1 K, plus the groundwater path 108·10/4,9633 + 105·10/4,6633 = 442,76 W,
    // less 65,32 W/K · 14 K, because the ground's air side (θ + 15 K) is warmer than the room above 5 °C.
    EXPECT_NEAR(line.back().load, (176 + 61.61 + 442.76 - 65.32 * 14) / 1000.0, 1e-4);
}

TEST(LoadLineTest, NoRangeNoLine)
{
    Calculated run = calculate(workedExample1());
    run.r.OutsideTemperature = run.r.RoomTemperature;
    EXPECT_TRUE(loadLine(run.r, settings, run.c).empty());
    run.r.OutsideTemperature = run.r.RoomTemperature - kMaxLoadLineSpan - 1;
    EXPECT_TRUE(loadLine(run.r, settings, run.c).empty());
}

TEST(HeatPumpTest, WorkedExampleTwoBivalencePointByHand)
{
    // Capacity: 8 kW at −7 °C, 10 kW at +2 °C, so P(θ) = 8 + 2/9 · (θ + 7) kW.
    // Load (see above): Q(θ) = 9,7625 − 0,30293 · (θ + 14) kW.
    // At −14 °C: P = 8 − 14/9 = 6,4444 kW, coverage 6,4444 / 9,7625 = 66,01 %.
    // At −8 °C: Q = 9,7625 − 6 · 0,30293 = 7,9449, P = 7,7778, P − Q = −0,1672.
    // At −7 °C: Q = 9,7625 − 7 · 0,30293 = 7,6420, P = 8,0000, P − Q = +0,3580.
    // Bivalence point: −8 + 0,1672 / (0,1672 + 0,3580) = −7,682 °C.
    const Calculated run = calculate(workedExample2());
    const std::vector<LoadPoint> line = loadLine(run.r, settings, run.c);
    for (const HeatPumpPoints pump : {HeatPumpPoints{-7, 8, 2, 10}, HeatPumpPoints{2, 10, -7, 8}}) {
        const auto check = checkHeatPump(line, pump);
        ASSERT_TRUE(check);
        EXPECT_NEAR(check->capacityAtDesign, 6.4444, 1e-4);
        EXPECT_NEAR(check->coverage, 66.01, 0.01);
        ASSERT_TRUE(check->bivalencePoint);
        EXPECT_NEAR(*check->bivalencePoint, -7.682, 0.001);
    }
}

TEST(HeatPumpTest, NoCrossingOrUnusablePoints)
{
    const Calculated run = calculate(workedExample2());
    const std::vector<LoadPoint> line = loadLine(run.r, settings, run.c);

    const auto large = checkHeatPump(line, {-7, 12, 2, 12}); // covers the design load
    ASSERT_TRUE(large);
    EXPECT_FALSE(large->bivalencePoint);
    EXPECT_NEAR(large->coverage, 12 / 9.7625 * 100, 0.01);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const HeatPumpPoints pump :
         {HeatPumpPoints{2, 8, 2, 10}, HeatPumpPoints{-7, nan, 2, 10}, HeatPumpPoints{-7, -1, 2, 10}})
        EXPECT_FALSE(checkHeatPump(line, pump));
    EXPECT_FALSE(checkHeatPump({}, {-7, 8, 2, 10}));

    // Usable points whose capacity over the line, or whose coverage, no Single holds: typed Singles can
    // get there, and "inf kW" would be shown.
    for (const HeatPumpPoints pump : {HeatPumpPoints{-7, 3e38, 2, 0}, // 5,3e38 kW at the design temperature
                                      HeatPumpPoints{-14, 0, -13, 2e37},  // 0 at the design, 6,8e38 at 20 °C
                                      HeatPumpPoints{-7, 3e38, 2, 3e38}}) // coverage 3e39 %
        EXPECT_FALSE(checkHeatPump(line, pump)) << pump.t2 << " " << pump.p1;
}

} // namespace
