#include "core/input_controls.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

TEST(KeyFilterTest, RealInputsTakeDigitsCommaAndBackspace)
{
    EXPECT_EQ(Real_Press(QLatin1Char('7')).character, QLatin1Char('7'));
    EXPECT_EQ(Real_Press(QLatin1Char('.')).character, QLatin1Char(','));
    EXPECT_EQ(Real_Press(QLatin1Char(',')).character, QLatin1Char(','));
    EXPECT_EQ(Real_Press(QChar(8)).character, QChar(8));
    for (const char c : {'-', '+', 'e', 'x', ' ', ';'})
        EXPECT_FALSE(Real_Press(QLatin1Char(c)).character) << c;
    EXPECT_FALSE(Real_Press(QChar(0x00e4)).character); // ä
}

TEST(KeyFilterTest, ToolLettersAreSwallowedInEitherCase)
{
    for (const char c : {'b', 'B'}) {
        const FilteredKey key = Real_Press(QLatin1Char(c));
        EXPECT_FALSE(key.character);
        EXPECT_EQ(key.tool, ToolKey::B);
    }
    EXPECT_EQ(Real_Press(QLatin1Char('K')).tool, ToolKey::K);
    EXPECT_EQ(Real_Press(QLatin1Char('1')).tool, ToolKey::None);
}

TEST(KeyFilterTest, StoreysTakeDigitsOnly)
{
    EXPECT_EQ(IntegerPress(QLatin1Char('3')).character, QLatin1Char('3'));
    EXPECT_EQ(IntegerPress(QChar(8)).character, QChar(8));
    for (const char c : {'.', ',', 'b', 'k', '-'}) {
        EXPECT_FALSE(IntegerPress(QLatin1Char(c)).character) << c;
        EXPECT_EQ(IntegerPress(QLatin1Char(c)).tool, ToolKey::None) << c;
    }
}

TEST(ToolForTest, LettersOpenTheToolsOfTheirInput)
{
    using enum InputId;
    constexpr auto LayerCalculator = ComponentTool::LayerCalculator;
    constexpr auto KRConversion = ComponentTool::KRConversion;
    constexpr auto Roof = ComponentTool::Roof;
    const struct
    {
        InputId input;
        ToolKey key;
        ToolRequest expected;
    } cases[] = {{KOuterWall, ToolKey::B, {LayerCalculator, 1}},
                 {KRoof, ToolKey::B, {LayerCalculator, 2}},
                 {RGroundWall, ToolKey::B, {LayerCalculator, 3}},
                 {RFloor, ToolKey::B, {LayerCalculator, 4}},
                 {RFloor, ToolKey::K, {KRConversion, 4}},
                 {RGroundWall, ToolKey::K, {KRConversion, 3}},
                 {WindowArea, ToolKey::B, {ComponentTool::WindowArea, 0}},
                 {RoofArea, ToolKey::B, {Roof, 0}},
                 {RoofVolume, ToolKey::B, {Roof, 0}},
                 {GableArea, ToolKey::B, {Roof, 0}},
                 {KWindow, ToolKey::B, {}},
                 {Length, ToolKey::B, {}},
                 {KOuterWall, ToolKey::K, {}},
                 {Storeys, ToolKey::K, {}}};
    for (const auto& c : cases)
        EXPECT_EQ(toolFor(c.input, c.key), c.expected) << static_cast<int>(c.input);
}

TEST(SteppedStoreysTest, StaysWithinOneToFifty)
{
    EXPECT_EQ(steppedStoreys("3", 1), "4");
    EXPECT_EQ(steppedStoreys("3", -1), "2");
    EXPECT_EQ(steppedStoreys("1", -1), "1");
    EXPECT_EQ(steppedStoreys("50", 1), "50");
    EXPECT_EQ(steppedStoreys("", 1), "1");
    EXPECT_EQ(steppedStoreys("", -1), "1");
    EXPECT_EQ(steppedStoreys("999999999999", -1), "1"); // not a number: counts as 0
    EXPECT_EQ(steppedStoreys("70", 1), "50");
}

} // namespace
