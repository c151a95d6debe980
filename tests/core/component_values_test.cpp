#include "core/component_values.h"

#include "settings/settings_record.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

TEST(ComponentValuesTest, RemembersOnlyTextsThatAreNumbers)
{
    ComponentValues remembered = {1, 2, 3, 4, 5};
    rememberComponentTexts({"0,35", "", "0", "2,,5", "1,2"}, remembered);
    const ComponentValues expected = {0.35f, 2, 3, 4, 1.2f};
    EXPECT_EQ(remembered, expected);
}

TEST(ComponentValuesTest, PresetValuesAndTextsForTheInputs)
{
    SettingsRecord s;
    s.PresetKOuterWall[1] = 0.5f;
    s.PresetKWindow[1] = 1.3f;
    s.PresetRFloor[1] = 1234.5f;
    s.PresetKRoof[1] = 0.125f;
    s.PresetRGroundWall[1] = 1.9f;
    const ComponentTexts texts = componentTexts(presetValues(s, 2));
    const ComponentTexts expected = {"0,50", "1,30", "1234,50", "0,13", "1,90"};
    EXPECT_EQ(texts, expected);
}

TEST(ComponentValuesTest, PresetCaptionKeepsAmpersandsLiteralAndIsCut)
{
    SettingsRecord s;
    s.PresetName[0] = "Altbau";
    s.PresetName[2] = "Fenster & Türen";
    s.PresetName[4] = QString(200, QLatin1Char('x'));
    EXPECT_EQ(presetMenuCaption(s, 1), "&1  Altbau");
    EXPECT_EQ(presetHint(s, 1), "Altbau k-Werte einfügen");
    EXPECT_EQ(presetMenuCaption(s, 3), "&3  Fenster && Türen");
    EXPECT_EQ(presetMenuCaption(s, 5).size(), 154);
}

} // namespace
