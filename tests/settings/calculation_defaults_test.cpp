#include "settings/calculation_defaults.h"

#include "core/building_record.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

using namespace orv;
using F = DefaultsField;

namespace {

DefaultsTexts validTexts()
{
    DefaultsTexts t;
    setFactoryDefaultTexts(t);
    transferDefaultsToBuilding(t);
    return t;
}

std::vector<F> failingFields(const DefaultsTexts& t)
{
    std::vector<F> fields;
    for (const DefaultsProblem& p : validateDefaults(t))
        fields.push_back(p.field);
    return fields;
}

TEST(CalculationDefaultsTest, ZeroSpellingsBlockSavingButMinusZeroPasses)
{
    DefaultsTexts t = validTexts();
    EXPECT_FALSE(firstIncompleteField(t));
    for (const char* zero : {"0", "00", ",", "0,0", "00,00", ""}) {
        t[F::OutsideTemperature] = QString::fromLatin1(zero);
        EXPECT_EQ(firstIncompleteField(t), F::OutsideTemperature) << zero;
    }
    t[F::OutsideTemperature] = QStringLiteral("-0");
    EXPECT_FALSE(firstIncompleteField(t));
    EXPECT_TRUE(validateDefaults(t).empty());

    // The first failing field in the check's own order is reported.
    t[F::MinAirChange] = QString();
    t[F::DefaultGroundwaterDepth] = QStringLiteral("0");
    EXPECT_EQ(firstIncompleteField(t), F::DefaultGroundwaterDepth);
}

TEST(CalculationDefaultsTest, RangeLimitsIncludeTheirEnds)
{
    struct Case
    {
        F field;
        const char* text;
        bool accepted;
    };
    const Case cases[] = {
        {F::RoomTemperature, "100", true},          {F::RoomTemperature, "101", false},
        {F::DefaultRoomTemperature, "5", true},     {F::DefaultRoomTemperature, "4", false},
        {F::OutsideTemperature, "-20", true},       {F::OutsideTemperature, "-21", false},
        {F::DefaultOutdoorTemperature, "3", false}, {F::GroundwaterTemperature, "20", true},
        {F::GroundwaterTemperature, "21", false},   {F::MinAirChange, "50", true},
        {F::DefaultMinAirChange, "50,1", false},    {F::VentilationShare, "2", true},
        {F::DefaultVentilationShare, "2,1", false}, {F::UsableAreaPercent, "50", true},
        {F::DefaultUsableAreaShare, "49", false},   {F::UsableAreaPercent, "101", false},
        {F::GroundwaterDepth, "999", true},
    };
    for (const Case& c : cases) {
        DefaultsTexts t = validTexts();
        t[c.field] = QString::fromLatin1(c.text);
        EXPECT_EQ(failingFields(t).empty(), c.accepted) << static_cast<int>(c.field) << " " << c.text;
    }
}

TEST(CalculationDefaultsTest, OneValidationReportsEveryFailureInItsOrder)
{
    DefaultsTexts t = validTexts();
    t[F::DefaultUsableAreaShare] = QStringLiteral("40");
    t[F::OutsideTemperature] = QStringLiteral("5");
    t[F::RoomTemperature] = QStringLiteral("300");
    t[F::VentilationShare] = QStringLiteral("0,,5");
    const auto problems = validateDefaults(t);
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_EQ(problems[0].field, F::RoomTemperature);
    EXPECT_EQ(problems[0].message,
              QStringLiteral("Geben Sie einen gültigen Wert für die Raumtemperatur ein (5 bis 100 °C)."));
    EXPECT_EQ(problems[1].message,
              QStringLiteral("Geben Sie einen gültigen Wert für die Außentemperatur ein (-20 bis 0 °C)."));
    EXPECT_EQ(problems[2].message, QStringLiteral("'0,,5' ist kein gültiger Gleitkommawert"));
    EXPECT_EQ(problems[3].message,
              QStringLiteral("Geben Sie einen gültigen Wert für den Anteil ein (50 bis 100 %)."));
}

TEST(CalculationDefaultsTest, StoringRoundsDecimalsAndFillsBothRecords)
{
    SettingsRecord s;
    BuildingRecord b;
    s.DefaultVentilationShare = 0.55f;
    b.VentilationShare = 0.55f;
    DefaultsTexts t = defaultsTextsFrom(s, b);
    EXPECT_EQ(t[F::VentilationShare], QStringLiteral("0,6"));
    setFactoryDefaultTexts(t);
    t[F::VentilationShare] = QStringLiteral("0,55");
    t[F::OutsideTemperature] = QStringLiteral("-0");
    t[F::RoomTemperature] = QStringLiteral("300"); // stored when checks are off: no range here
    t.raiseShareAbove10m = true;
    for (F f : {F::GroundwaterDepth, F::GroundwaterTemperature, F::MinAirChange, F::UsableAreaPercent})
        t[f] = QStringLiteral("7");

    ASSERT_FALSE(storeDefaults(t, s, b));
    EXPECT_FLOAT_EQ(b.VentilationShare, 0.6f);
    EXPECT_EQ(b.OutsideTemperature, 0);
    EXPECT_EQ(b.RoomTemperature, 300);
    EXPECT_EQ(b.UsableAreaPercent, 7);
    EXPECT_TRUE(b.RaiseShareAbove10m);
    EXPECT_EQ(s.DefaultOutdoorTemperature, -14);
    EXPECT_EQ(s.DefaultUsableAreaShare, 85);
    EXPECT_FLOAT_EQ(s.DefaultMinAirChange, 0.5f);
    EXPECT_TRUE(s.DefaultTallBuildingShare);
}

TEST(CalculationDefaultsTest, ARefusedStoreChangesNothing)
{
    SettingsRecord s;
    BuildingRecord b;
    b.RoomTemperature = 18;
    s.DefaultMinAirChange = 0.3f;
    for (auto [field, text, message] :
         {std::tuple{F::MinAirChange, "1,,0",
                     "In einem Eingabefeld wurde ein Komma zuviel eingegeben!\rBitte überprüfen."},
          std::tuple{F::OutsideTemperature, "5-", "'5-' ist kein gültiger Integerwert"}}) {
        DefaultsTexts t = validTexts();
        t[field] = QString::fromLatin1(text);
        const auto problem = storeDefaults(t, s, b);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->field, field);
        EXPECT_EQ(problem->message, QString::fromUtf8(message));
        EXPECT_EQ(b.RoomTemperature, 18);
        EXPECT_FLOAT_EQ(s.DefaultMinAirChange, 0.3f);
    }
}

TEST(CalculationDefaultsTest, KeyFilters)
{
    EXPECT_EQ(filterTypedCharacter(keyFilterOf(F::DefaultMinAirChange), QLatin1Char('.')), QLatin1Char(','));
    EXPECT_FALSE(filterTypedCharacter(keyFilterOf(F::DefaultMinAirChange), QLatin1Char('a')));
    EXPECT_FALSE(filterTypedCharacter(keyFilterOf(F::RoomTemperature), QLatin1Char('-')));
    EXPECT_EQ(filterTypedCharacter(keyFilterOf(F::OutsideTemperature), QLatin1Char('-')), QLatin1Char('-'));
    EXPECT_FALSE(filterTypedCharacter(keyFilterOf(F::OutsideTemperature), QLatin1Char(',')));
    EXPECT_EQ(filterTypedCharacter(keyFilterOf(F::UsableAreaPercent), QLatin1Char('7')), QLatin1Char('7'));
}

TEST(CalculationDefaultsTest, TransferCopiesTheDefaultsColumnOnly)
{
    DefaultsTexts t;
    t[F::RoomTemperature] = QStringLiteral("18");
    setFactoryDefaultTexts(t);
    EXPECT_EQ(t[F::RoomTemperature], QStringLiteral("18"));
    EXPECT_FALSE(t.raiseShareAbove10m);
    transferDefaultsToBuilding(t);
    EXPECT_EQ(t[F::RoomTemperature], QStringLiteral("20"));
    EXPECT_EQ(t[F::OutsideTemperature], QStringLiteral("-14"));
    EXPECT_EQ(t[F::MinAirChange], QStringLiteral("0,5"));
    EXPECT_TRUE(t.raiseShareAbove10m);
}

} // namespace
