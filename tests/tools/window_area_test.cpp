#include "core/building_record.h"
#include "tools/window_area.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

WindowListTexts emptyList()
{
    WindowListTexts rows;
    for (auto& row : rows)
        row = {QString(), QString(), QString()};
    return rows;
}

const WallAreaTexts kBuilding{"10", "8", "5,5", "", false};

} // namespace

TEST(WindowArea, FreeStandingWallArea)
{
    EXPECT_EQ(freeStandingWallArea(kBuilding), 198.0f);
    EXPECT_EQ(freeStandingWallArea({"10", "8", "5,5", "32", false}), 198.0f); // gables count only heated
    EXPECT_EQ(freeStandingWallArea({"10", "8", "5,5", "32", true}), 230.0f);
    EXPECT_EQ(freeStandingWallArea({"10", "8", "5,5", "", true}), 198.0f);
    EXPECT_FALSE(freeStandingWallArea({"10", "", "5,5", "", false}));
    EXPECT_FALSE(freeStandingWallArea({"10", "0", "5,5", "", false}));
    EXPECT_FALSE(freeStandingWallArea({"10", "8", "1,2,3", "", false}));
}

TEST(WindowArea, ListSumsRowsAndComparesWithTheWall)
{
    BuildingRecord b;
    WindowListTexts rows = emptyList();
    rows[0] = {"4", "1,01", "1,26"};
    rows[1] = {"2", "2,00", "1,20"};
    const WindowListResult result = calculateWindowList(rows, 198.0f, b);
    EXPECT_NEAR(result.rowAreas[0], 5.0904f, 1e-5);
    EXPECT_NEAR(result.rowAreas[1], 4.8f, 1e-5);
    EXPECT_EQ(result.lines.first, "Berechnete Fensterfläche: 9,89 m²");
    EXPECT_EQ(result.lines.second, "( = 5,0% von 198 m² Außenwandfläche freistehend)");
    EXPECT_TRUE(result.lines.handOver);
    EXPECT_FALSE(result.lines.firstIsError);
    EXPECT_TRUE(b.HasWindowList);
    EXPECT_EQ(b.WindowCount[0], 4.0f);
    EXPECT_EQ(b.WindowWidth[1], 2.0f);
    EXPECT_EQ(b.WindowHeight[1], 1.2f);

    // Without the wall area the comparison is left out.
    EXPECT_EQ(calculateWindowList(rows, std::nullopt, b).lines.second, "");
}

TEST(WindowArea, ListAtOrAboveTheWallWarnsButMayBeHandedOver)
{
    BuildingRecord b;
    WindowListTexts rows = emptyList();
    rows[0] = {"1", "18", "11"};
    const WindowListResult equal = calculateWindowList(rows, 198.0f, b);
    EXPECT_EQ(equal.lines.second, "ACHTUNG!  Fensterfläche > Außenwandfläche (198 m²)");
    EXPECT_TRUE(equal.lines.handOver);
}

TEST(WindowArea, UnreadableCellIsAnInputErrorUntilCorrected)
{
    BuildingRecord b;
    WindowListTexts rows = emptyList();
    rows[0] = {"4", "1,01", "1,26"};
    rows[3] = {"1", "1,,2", " "};
    const WindowListResult result = calculateWindowList(rows, 198.0f, b);
    EXPECT_EQ(result.lines, (WindowAreaLines{"EINGABEFEHLER!  -  Bitte korrigieren.", "", true, false}));
    EXPECT_EQ(b.WindowWidth[3], 0.0f);

    // A fresh list: count 1 and height 1,2, no width, so nothing yet and no error.
    BuildingRecord fresh;
    const WindowListResult none = calculateWindowList(windowListTexts(fresh), 198.0f, fresh);
    EXPECT_EQ(none.total, 0.0f);
    EXPECT_EQ(none.lines, WindowAreaLines{});
}

TEST(WindowArea, StoredListShowsItsRows)
{
    BuildingRecord b;
    EXPECT_EQ(windowListTexts(b)[9], (WindowRowTexts{"1", "", "1,2"}));
    b.HasWindowList = true;
    b.WindowCount[0] = 4;
    b.WindowWidth[0] = 1.01f;
    b.WindowHeight[0] = 1.26f;
    EXPECT_EQ(windowListTexts(b)[0], (WindowRowTexts{"4,0", "1,01", "1,26"}));
    EXPECT_EQ(windowListTexts(b)[1], (WindowRowTexts{"0,0", "0,00", "0,00"}));
}

TEST(WindowArea, EstimateByPercentage)
{
    struct Case
    {
        const char* percent;
        WindowAreaLines lines;
        float fraction;
    };
    const Case cases[] = {
        {"20",
         {"Geschätzte Fensterfläche: 39,60 m²", "( = 20% von 198 m² Außenwandfläche freistehend)", false,
          true},
         0.2f},
        {"99",
         {"Geschätzte Fensterfläche: 196,02 m²", "( = 99% von 198 m² Außenwandfläche freistehend)", false,
          true},
         0.99f},
        {"99,5", {"Der Prozentsatz ist zu hoch (max. 99%)", "", false, false}, 0},
        {"0", {}, 0},
        {"", {}, 0},
        {"20.5", {}, 0}, // the field has no key filter: what is no number counts as empty
        {"abc", {}, 0},
    };
    for (const Case& c : cases) {
        BuildingRecord b;
        b.WindowFraction = 0.5f;
        const WindowEstimateResult result = estimateWindowArea(QString::fromUtf8(c.percent), 198.0f, b);
        EXPECT_EQ(result.lines, c.lines) << c.percent;
        EXPECT_FLOAT_EQ(b.WindowFraction, c.fraction) << c.percent;
    }
    BuildingRecord b;
    b.WindowFraction = 0.2f;
    EXPECT_EQ(windowPercentText(b), "20");
}
