#include "core/input_reading.h"

#include "core/building_record.h"
#include "core/calculation.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

InputTexts texts(std::initializer_list<std::pair<InputId, const char*>> values)
{
    InputTexts t;
    for (auto [id, text] : values)
        textOf(t, id) = QString::fromUtf8(text);
    return t;
}

TEST(InputReadingTest, ReadsEveryInputAndEmptyMeansZero)
{
    BuildingRecord r;
    r.RoofSpaceHeated = true;
    r.CellarHeated = true;
    r.KWindow = 9; // overwritten by the empty input
    CalculationResults c;
    using enum InputId;
    const InputTexts t = texts({{Length, "12"},
                                {Width, "9,5"},
                                {HeatedHeight, "5"},
                                {KOuterWall, "0,4"},
                                {KWindow, ""},
                                {RFloor, "1,5"},
                                {KRoof, "0,25"},
                                {Storeys, "3"},
                                {WindowArea, "30"},
                                {RoofArea, "160"},
                                {RoofVolume, "150"},
                                {GableArea, "40"},
                                {RGroundWall, "1,2"},
                                {GroundWallHeight, "2,5"}});
    ASSERT_TRUE(readInputs(t, r, c));
    EXPECT_EQ(r.BuildingWidth, 9.5f);
    EXPECT_EQ(r.KWindow, 0);
    EXPECT_EQ(r.Storeys, 3);
    EXPECT_EQ(r.GableArea, 40);
    EXPECT_EQ(r.GroundWallHeight, 2.5f);
    EXPECT_FALSE(inputsComplete(r));
    r.KWindow = 1.6f;
    EXPECT_TRUE(inputsComplete(r));
}

TEST(InputReadingTest, UnheatedRoofAndCellarIgnoreTheirInputs)
{
    BuildingRecord r;
    r.RoofHeight = 3;
    r.RaiseShareAbove10m = true;
    r.VentilationShare = 0.5f;
    CalculationResults c;
    using enum InputId;
    ASSERT_TRUE(readInputs(
        texts({{HeatedHeight, "9"}, {RoofArea, "1,2,3"}, {RGroundWall, "x"}, {GroundWallHeight, "2"}}), r,
        c));
    EXPECT_EQ(r.RoofArea, 0);
    EXPECT_EQ(r.RoofHeight, 0);
    EXPECT_EQ(r.GroundWallHeight, 0);
    EXPECT_EQ(c.EffectiveShare, 0.5f); // 9 m + the cleared roof height stays below 10 m
}

TEST(InputReadingTest, FailureStopsAtTheBadInputAndKeepsAMix)
{
    BuildingRecord r;
    r.KRoof = 7;
    CalculationResults c;
    using enum InputId;
    EXPECT_FALSE(readInputs(texts({{Length, "10"}, {Width, "8"}, {KWindow, "1,2,3"}, {KRoof, "0,3"}}), r, c));
    EXPECT_EQ(r.BuildingLength, 10);
    EXPECT_EQ(r.KRoof, 7);
    EXPECT_FALSE(readInputs(texts({{Storeys, "99999999999"}}), r, c));
    EXPECT_FALSE(readInputs(texts({{Length, ","}}), r, c));
}

TEST(InputReadingTest, CompletenessNeedsTheHeatedPartsValues)
{
    BuildingRecord r;
    r.BuildingLength = r.BuildingWidth = r.HeatedHeight = r.KOuterWall = r.KWindow = r.KRoof = r.RFloor = 1;
    r.WindowArea = 1;
    r.Storeys = 1;
    EXPECT_TRUE(inputsComplete(r));
    r.RoofSpaceHeated = true;
    EXPECT_FALSE(inputsComplete(r));
    r.RoofArea = r.RoofVolume = r.GableArea = 1;
    EXPECT_TRUE(inputsComplete(r));
    r.CellarHeated = true;
    r.RGroundWall = 1;
    EXPECT_FALSE(inputsComplete(r));
    r.GroundWallHeight = 2.75f;
    EXPECT_TRUE(inputsComplete(r));
    r.Storeys = 0;
    EXPECT_FALSE(inputsComplete(r));
}

TEST(InputReadingTest, StoreysSuggestedFromHeight)
{
    const std::pair<float, int> cases[] = {{2.75f, 1}, {2.76f, 1}, {5.4f, 1},
                                           {5.5f, 2},  {8.2f, 2},  {8.25f, 3}};
    for (auto [height, storeys] : cases)
        EXPECT_EQ(suggestedStoreys(height), storeys) << height;
}

TEST(InputReadingTest, AnUnreadableTextStillLeavesNoRoofOrGroundWallWhereThereIsNone)
{
    BuildingRecord r;
    r.RoofArea = 160;
    r.RoofVolume = 150;
    r.GableArea = 40;
    r.RGroundWall = 1.2f;
    r.GroundWallHeight = 2.5f; // left from before both were switched to unheated
    CalculationResults c;
    EXPECT_FALSE(readInputs(texts({{InputId::Length, "1,,2"}}), r, c));
    EXPECT_EQ(r.RoofArea, 0.0f);
    EXPECT_EQ(r.GableArea, 0.0f);
    EXPECT_EQ(r.GroundWallHeight, 0.0f);
}

} // namespace
