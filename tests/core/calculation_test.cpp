#include "core/calculation.h"

#include "core/building_record.h"
#include "core/input_reading.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace orv;
using namespace orv::test;

namespace {

// The ground term is not stored; it is the air-path resistance less the surface and layer resistances.
double groundTerm(const Calculated& run)
{
    return run.c.RFloorToAir - (0.13 + run.r.RFloor + 0.04);
}

TEST(CalculationTest, WorkedExampleOne)
{
    const Calculated run = calculate(workedExample1());
    const auto& r = run.r;
    const auto& c = run.c;
    EXPECT_NEAR(groundTerm(run), 1.4472, 5e-5);
    EXPECT_NEAR(c.RFloorToAir, 2.6172, 5e-5);
    EXPECT_NEAR(c.RFloorToWater, 5.2967, 5e-5);
    EXPECT_NEAR(c.FluxFloor, 8.3834, 5e-5);
    EXPECT_NEAR(c.LossFloor, 670.67, 5e-3);
    EXPECT_FLOAT_EQ(c.LossOuterWall, 2848);
    EXPECT_FLOAT_EQ(c.LossWindows, 832);
    EXPECT_FLOAT_EQ(c.LossRoof, 768);
    EXPECT_FLOAT_EQ(r.OuterWallArea, 178);
    EXPECT_FLOAT_EQ(r.BaseArea, 80);
    EXPECT_FLOAT_EQ(r.BuildingVolume, 440);
    EXPECT_FLOAT_EQ(c.EnvelopeArea, 358);
    EXPECT_NEAR(r.AVRatio, 0.8136, 5e-5);
    EXPECT_NEAR(r.VentilationLoad, 1.6867, 5e-5);
    EXPECT_NEAR(r.TransmissionLoad, 5.1187, 5e-5);
    EXPECT_NEAR(r.BuildingLoad, 5.9620, 5e-5);
    EXPECT_NEAR(r.SpecificLoad, 53.23, 5e-3);
    EXPECT_NEAR(c.MeanK, 0.5793, 5e-5);
    EXPECT_NEAR(c.EffectiveK, 0.4468, 5e-5);
    EXPECT_EQ(c.LossGroundWall, 0);
    EXPECT_EQ(c.CalculationCount, 1);
}

TEST(CalculationTest, WorkedExampleTwo)
{
    const Calculated run = calculate(workedExample2());
    const auto& r = run.r;
    const auto& c = run.c;
    EXPECT_NEAR(groundTerm(run), 1.7457, 5e-5);
    EXPECT_NEAR(c.FluxGroundWall, 8.2424, 5e-5);
    EXPECT_NEAR(c.FluxFloor, 7.5773, 5e-5);
    EXPECT_NEAR(c.LossGroundWall, 865.46, 5e-3);
    EXPECT_NEAR(c.LossFloor, 818.34, 5e-3);
    EXPECT_FLOAT_EQ(r.OuterWallArea, 220);
    EXPECT_FLOAT_EQ(c.TotalWallArea, 325);
    EXPECT_FLOAT_EQ(r.BuildingVolume, 960);
    EXPECT_FLOAT_EQ(c.EnvelopeArea, 623);
    EXPECT_NEAR(r.VentilationLoad, 4.1895, 5e-5);
    EXPECT_NEAR(r.TransmissionLoad, 7.6678, 5e-5);
    EXPECT_NEAR(r.BuildingLoad, 9.7625, 5e-5);
    EXPECT_NEAR(r.SpecificLoad, 40.18, 5e-3);
    EXPECT_NEAR(c.MeanK, 0.5093, 5e-5);
    EXPECT_NEAR(c.EffectiveK, 0.3620, 5e-5);
}

TEST(CalculationTest, AreasOfASimpleBox)
{
    BuildingRecord r;
    r.BuildingLength = 10;
    r.BuildingWidth = 10;
    r.HeatedHeight = 2.5f;
    computeAreas(r);
    EXPECT_EQ(r.OuterWallArea, 100);
    EXPECT_EQ(r.BaseArea, 100);
}

TEST(CalculationTest, UnheatedCellarContributesNothing)
{
    BuildingRecord b = workedExample2();
    b.CellarHeated = false; // a stale height in the record must not count
    const Calculated run = calculate(b);
    EXPECT_EQ(run.c.LossGroundWall, 0);
    EXPECT_EQ(run.c.FluxGroundWall, 0);
    EXPECT_EQ(run.r.GroundWallHeight, 0);
    EXPECT_FLOAT_EQ(run.r.BuildingVolume, 12 * 9 * 5 + 150);
}

TEST(CalculationTest, UnheatedRoofSpaceUsesTheTopCeiling)
{
    BuildingRecord b = workedExample2();
    b.RoofSpaceHeated = false;
    normaliseRoofSpace(b);
    const Calculated run = calculate(b);
    EXPECT_FLOAT_EQ(run.c.RoofLossArea, 108);
    EXPECT_FLOAT_EQ(run.c.LossRoof, 34 * 108 * 0.25f);
    EXPECT_FLOAT_EQ(run.r.OuterWallArea, 2 * 5 * 21 - 30);
}

TEST(CalculationTest, IncreaseScalesBuildingAndSpecificLoad)
{
    SettingsRecord s = standardSettings();
    const Calculated plain = calculate(workedExample1(), s);
    s.LoadIncreasePercent = 10;
    const Calculated raised = calculate(workedExample1(), s);
    EXPECT_NEAR(raised.r.BuildingLoad, plain.r.BuildingLoad * 1.1, 1e-5);
    EXPECT_NEAR(raised.r.SpecificLoad, plain.r.SpecificLoad * 1.1, 1e-4);
    EXPECT_EQ(raised.r.TransmissionLoad, plain.r.TransmissionLoad);
}

TEST(CalculationTest, NoGroundwaterDepthUsesATinyDepth)
{
    BuildingRecord b = workedExample1();
    b.GroundwaterDepth = 0;
    const Calculated run = calculate(b);
    EXPECT_EQ(run.c.GroundDepth, 1.0e-5f);
    EXPECT_GT(groundTerm(run), 25);                     // 1.45 with 5 m: the ground term grows large
    EXPECT_NEAR(run.c.RFloorToWater, 0.13 + 1.0, 1e-5); // T / lambdaE vanishes
    EXPECT_TRUE(std::isfinite(run.r.BuildingLoad));
}

TEST(CalculationTest, TallBuildingShare)
{
    BuildingRecord b = workedExample1();
    b.RaiseShareAbove10m = true;
    b.HeatedHeight = 8;
    b.RoofSpaceHeated = true;
    b.RoofHeight = 2.0f;
    EXPECT_EQ(effectiveShare(b), 0.5f); // exactly 10 m keeps the building's share
    b.RoofHeight = 2.1f;
    EXPECT_EQ(effectiveShare(b), 0.7f);
    b.RaiseShareAbove10m = false;
    EXPECT_EQ(effectiveShare(b), 0.5f);

    b = workedExample1();
    b.RaiseShareAbove10m = true;
    b.HeatedHeight = 10.5f;
    const Calculated run = calculate(b);
    EXPECT_NEAR(run.r.BuildingLoad, run.r.TransmissionLoad + 0.7 * run.r.VentilationLoad, 1e-5);
}

} // namespace
