#include "settings/preset_values.h"

#include "settings/settings_record.h"

#include <gtest/gtest.h>

using namespace orv;
using N = PresetNumber;

namespace {

PresetTexts typed(const char* kWall, const char* kWindow, const char* kRoof, const char* rFloor,
                  const char* rWall)
{
    PresetTexts t;
    t.number = {QString::fromLatin1(kWall), QString::fromLatin1(kWindow), QString::fromLatin1(kRoof),
                QString::fromLatin1(rFloor), QString::fromLatin1(rWall)};
    return t;
}

TEST(PresetValuesTest, LimitsAreStrictAndEveryRefusalIsReported)
{
    SettingsRecord r;
    auto problems = takePresetInput(typed("10", "10,00", "", "20", "20,0"), r, 2, true);
    EXPECT_TRUE(problems.empty());
    EXPECT_FLOAT_EQ(r.PresetKOuterWall[1], 10.0f);
    EXPECT_FLOAT_EQ(r.PresetRGroundWall[1], 20.0f);
    EXPECT_FLOAT_EQ(r.PresetKRoof[1], 0.0f); // empty stores 0 silently

    problems = takePresetInput(typed("10,01", "0,9", "11", "0,5", "20,5"), r, 2, true);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].field, N::KOuterWall);
    EXPECT_EQ(problems[0].message, QStringLiteral("Der k-Wert der Außenwand ist unrealistisch groß (>10)"));
    EXPECT_EQ(problems[1].message,
              QStringLiteral("Der k-Wert des Dachs bzw. der Decke ist unrealistisch groß (>10)"));
    EXPECT_EQ(problems[2].message,
              QStringLiteral("Der R-Wert der erdreichberührten Außenwand ist unrealistisch groß (>20)"));
    EXPECT_FLOAT_EQ(r.PresetKOuterWall[1], 0.0f);
    EXPECT_FLOAT_EQ(r.PresetKWindow[1], 0.9f);
    EXPECT_FLOAT_EQ(r.PresetKRoof[1], 0.0f);

    // Without checks the same values are kept.
    EXPECT_TRUE(takePresetInput(typed("10,01", "0,9", "11", "0,5", "20,5"), r, 2, false).empty());
    EXPECT_FLOAT_EQ(r.PresetRGroundWall[1], 20.5f);
}

TEST(PresetValuesTest, TwoCommasStoreZeroWithOneMessageEvenWithoutChecks)
{
    SettingsRecord r;
    r.PresetKWindow[0] = 1.1f;
    const auto problems = takePresetInput(typed("0,3", "1,2,3", "1,,0", "1", "1"), r, 1, false);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].field, N::KWindow);
    EXPECT_EQ(problems[0].message,
              QStringLiteral("In einem Eingabefeld wurde ein Komma zuviel eingegeben!\rBitte überprüfen."));
    EXPECT_FLOAT_EQ(r.PresetKWindow[0], 0.0f);
    EXPECT_FLOAT_EQ(r.PresetKOuterWall[0], 0.3f);
}

TEST(PresetValuesTest, NamesOfFixedSlotsAreNeverTakenAndTextsAreCut)
{
    SettingsRecord r = shippedDefaultSettings(QStringLiteral("/p/"));
    for (int slot : {6, 7}) {
        PresetTexts t = presetTextsFrom(r, slot);
        const QString before = r.PresetName[slot - 1];
        t.name = QStringLiteral("Überschrieben");
        takePresetInput(t, r, slot, true);
        EXPECT_EQ(r.PresetName[slot - 1], before);
    }
    PresetTexts t = presetTextsFrom(r, 3);
    t.name = QString(200, QLatin1Char('n'));
    t.textOuterWall = QString(200, QLatin1Char('w'));
    t.textRoof = QStringLiteral("Dach ");
    takePresetInput(t, r, 3, true);
    EXPECT_EQ(r.PresetName[2].size(), 150);
    EXPECT_EQ(r.PresetTextOuterWall[2], QString(150, QLatin1Char('w')));
    EXPECT_EQ(r.PresetTextRoof[2], QStringLiteral("Dach "));
}

TEST(PresetValuesTest, FactoryValuesOfSlotsOneAndFourShowWithTwoDecimals)
{
    SettingsRecord r;
    applyPresetFactoryValues(r, 1);
    applyPresetFactoryValues(r, 4);
    applyPresetFactoryValues(r, 7); // the user's own slot has none
    const PresetTexts one = presetTextsFrom(r, 1);
    EXPECT_EQ(one[N::KOuterWall], QStringLiteral("0,22"));
    EXPECT_EQ(one[N::RFloor], QStringLiteral("3,50"));
    EXPECT_EQ(one[N::RGroundWall], QStringLiteral("3,50"));
    EXPECT_EQ(one.name, QStringLiteral("sehr gute (Niedrigenergiehaus)"));
    const PresetTexts four = presetTextsFrom(r, 4);
    EXPECT_EQ(four[N::RFloor], QStringLiteral("0,70"));
    EXPECT_EQ(four[N::RGroundWall], QStringLiteral("0,65"));
    EXPECT_EQ(four.textGroundWall, QStringLiteral("36 cm Kalksandstein 1200 kg/m³"));
    EXPECT_EQ(four.textRoof, QStringLiteral("Decke/Dach: 5 cm Dämmung 045 "));
    EXPECT_TRUE(r.PresetName[6].isEmpty());
}

TEST(PresetValuesTest, PageKeysWalkTheButtonRow)
{
    std::vector<int> down{1};
    for (int i = 0; i < 7; ++i)
        down.push_back(nextPresetSlot(down.back()));
    EXPECT_EQ(down, (std::vector<int>{1, 2, 3, 4, 5, 7, 6, 1}));
    std::vector<int> up{1};
    for (int i = 0; i < 7; ++i)
        up.push_back(previousPresetSlot(up.back()));
    EXPECT_EQ(up, (std::vector<int>{1, 6, 7, 5, 4, 3, 2, 1}));
}

TEST(PresetValuesTest, ClearingTheOwnSlotReachesTheRecordWhenTakenIn)
{
    SettingsRecord r;
    r.PresetKRoof[6] = 0.3f;
    r.PresetTextRoof[6] = QStringLiteral("alt");
    r.PresetName[6] = QStringLiteral("alt");
    const PresetTexts cleared = clearOwnPreset(r);
    EXPECT_EQ(r.PresetName[6], QStringLiteral("Eigene selbstdefinierte k-Werte"));
    EXPECT_FLOAT_EQ(r.PresetKRoof[6], 0.3f);
    EXPECT_TRUE(takePresetInput(cleared, r, 7, true).empty());
    EXPECT_FLOAT_EQ(r.PresetKRoof[6], 0.0f);
    EXPECT_TRUE(r.PresetTextRoof[6].isEmpty());
}

} // namespace
