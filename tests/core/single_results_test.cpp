#include "core/building_record.h"
#include "core/calculation.h"
#include "core/single_results.h"

#include <gtest/gtest.h>

using namespace orv;

TEST(SingleResults, RowsAndSharesOfTheFiveLosses)
{
    BuildingRecord record;
    record.TransmissionLoad = 10;
    CalculationResults results;
    results.LossGroundWall = 1000;
    results.LossFloor = 1500;
    results.LossOuterWall = 3000;
    results.LossWindows = 2500;
    results.LossRoof = 2000;
    results.MeanK = 0.4567f;
    const auto texts = singleResultTexts(record, results);
    ASSERT_TRUE(texts);
    const char* values[] = {"1.000 W", "1.500 W", "2.500 W",  "3.000 W", "2.500 W",
                            "2.000 W", "7.500 W", "10.000 W", "0,457"};
    const char* shares[] = {"10,0 %", "15,0 %", "25,0 %", "30,0 %", "25,0 %", "20,0 %", "75,0 %", "100 %"};
    for (int i = 0; i < SingleResultTexts::kValues; ++i)
        EXPECT_EQ(texts->values[i].toStdString(), values[i]) << i;
    for (int i = 0; i < SingleResultTexts::kShares; ++i)
        EXPECT_EQ(texts->shares[i].toStdString(), shares[i]) << i;
}

TEST(SingleResults, NothingToBreakDownWithoutTransmissionLoad)
{
    BuildingRecord record;
    CalculationResults results;
    results.LossWindows = 2500; // stale losses must not be shown against a zero QT
    EXPECT_FALSE(singleResultTexts(record, results));
    EXPECT_EQ(singleResultsRoofCaption(true), "Dach:");
    EXPECT_EQ(singleResultsRoofCaption(false), "Decke:");
}
