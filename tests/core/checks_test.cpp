#include "core/checks.h"

#include "core/automatic_calculation.h"
#include "core/building_record.h"
#include "core/calculation.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

#include <limits>

using namespace orv;
using namespace orv::test;

namespace {

TEST(CommandChecksTest, WindowAreaEqualToGrossWallIsRefusedOnlyWithoutAutoCalc)
{
    const SettingsRecord s = standardSettings();
    BuildingRecord r = workedExample1();
    r.WindowArea = 2 * 5.5f * 18; // the whole gross wall
    CommandCheck check = commandChecks(r, s, false);
    EXPECT_FALSE(check.allowed);
    ASSERT_EQ(check.messages.size(), 1u);
    EXPECT_EQ(check.messages[0].text,
              QStringLiteral("Die Fensterfläche ist größer als die Außenwandfläche (198 m²)."));
    EXPECT_EQ(check.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(check.focus, InputId::WindowArea);
    EXPECT_EQ(r.OuterWallArea, 0);

    check = commandChecks(r, s, true);
    EXPECT_TRUE(check.allowed);
    EXPECT_TRUE(check.messages.empty());
}

TEST(CommandChecksTest, FirstImplausibleValueIsResetAndFocused)
{
    const SettingsRecord s = standardSettings();
    struct Case
    {
        float BuildingRecord::*field;
        float value;
        bool refused;
        InputId input;
        const char* message;
    };
    const Case cases[] = {
        {&BuildingRecord::KOuterWall, 10.0f, false, InputId::KOuterWall, ""},
        {&BuildingRecord::KOuterWall, 10.01f, true, InputId::KOuterWall,
         "Der k-Wert der Außenwand ist unrealistisch groß (>10)"},
        {&BuildingRecord::KWindow, 12, true, InputId::KWindow,
         "Der k-Wert der Fenster ist unrealistisch groß (>10)"},
        {&BuildingRecord::KRoof, 11, true, InputId::KRoof,
         "Der k-Wert des Dachs bzw. der Decke ist unrealistisch groß (>10)"},
        {&BuildingRecord::RFloor, 20.0f, false, InputId::RFloor, ""},
        {&BuildingRecord::RFloor, 25, true, InputId::RFloor,
         "Der R-Wert des Fußbodens ist unrealistisch groß (>20)"},
        {&BuildingRecord::RGroundWall, 21, true, InputId::RGroundWall,
         "Der R-Wert der erdreichberührten Außenwand ist unrealistisch groß (>20)"},
    };
    for (const Case& c : cases) {
        BuildingRecord r = workedExample2();
        r.*c.field = c.value;
        const CommandCheck check = commandChecks(r, s, false);
        EXPECT_EQ(check.allowed, !c.refused) << c.message;
        if (!c.refused) {
            EXPECT_EQ(r.*c.field, c.value);
            continue;
        }
        ASSERT_EQ(check.messages.size(), 1u);
        EXPECT_EQ(check.messages[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(check.messages[0].caption, QStringLiteral("Eingabe überprüfen"));
        EXPECT_EQ(check.messages[0].icon, MessageIcon::Warning);
        EXPECT_EQ(check.focus, c.input);
        EXPECT_EQ(r.*c.field, 0);
    }
}

TEST(CommandChecksTest, OnlyTheFirstFailingLimitActsButWindowCheckAddsItsOwn)
{
    SettingsRecord s = standardSettings();
    BuildingRecord r = workedExample1();
    r.KWindow = 12;
    r.RFloor = 25;
    r.WindowArea = 500;
    const CommandCheck check = commandChecks(r, s, false);
    ASSERT_EQ(check.messages.size(), 2u);
    EXPECT_TRUE(check.messages[0].text.startsWith(QStringLiteral("Die Fensterfläche")));
    EXPECT_EQ(check.messages[1].text, QStringLiteral("Der k-Wert der Fenster ist unrealistisch groß (>10)"));
    EXPECT_EQ(check.focus, InputId::KWindow);
    EXPECT_EQ(r.KWindow, 0);
    EXPECT_EQ(r.RFloor, 25);

    s.PlausibilityChecks = false;
    r.KWindow = 12;
    r.WindowArea = 20;
    EXPECT_TRUE(commandChecks(r, s, false).allowed);
}

TEST(AutoCalcChecksTest, LastFailingCheckNamesThePanelLines)
{
    const SettingsRecord s = standardSettings();
    BuildingRecord r = workedExample1();
    r.KOuterWall = 11;
    AutoCalcCheck check = autoCalcChecks(r, s);
    EXPECT_FALSE(check.allowed);
    EXPECT_EQ(check.firstLine, QStringLiteral("k-Wert eines Bauteils"));
    EXPECT_EQ(check.secondLine, QStringLiteral("ist zu hoch  (> 10)"));
    EXPECT_EQ(r.KOuterWall, 11); // nothing is reset

    r.RFloor = 21;
    check = autoCalcChecks(r, s);
    EXPECT_EQ(check.firstLine, QStringLiteral("R-Wert eines Bauteils"));
    EXPECT_EQ(check.secondLine, QStringLiteral("ist zu hoch  (> 20)"));

    r.WindowArea = 1234.5f;
    check = autoCalcChecks(r, s);
    EXPECT_EQ(check.firstLine, QStringLiteral("Fensterfläche ist größer als"));
    EXPECT_EQ(check.secondLine, QStringLiteral("AW-Fläche (198 m²)"));

    r = workedExample1();
    r.WindowArea = 198; // equal passes
    EXPECT_TRUE(autoCalcChecks(r, s).allowed);
}

TEST(CalculationRefusalTest, UnusableValuesAreRefusedWithAMessage)
{
    const SettingsRecord s = standardSettings();
    EXPECT_FALSE(calculationRefusal(workedExample1(), s));

    const auto refusedWith = [&](auto change, const char* fragment) {
        BuildingRecord r = workedExample1();
        change(r);
        const auto message = calculationRefusal(r, s);
        ASSERT_TRUE(message) << fragment;
        EXPECT_TRUE(message->text.contains(QString::fromUtf8(fragment))) << message->text.toStdString();
    };
    refusedWith([](BuildingRecord& r) { r.UsableAreaPercent = 0; }, "Nutzfläche");
    refusedWith([](BuildingRecord& r) { r.OutsideTemperature = r.RoomTemperature; }, "gleich");
    refusedWith([](BuildingRecord& r) { r.KOuterWall = std::numeric_limits<float>::quiet_NaN(); },
                "ungültige");
    refusedWith([](BuildingRecord& r) { r.BuildingLength = std::numeric_limits<float>::infinity(); },
                "ungültige");
    refusedWith([](BuildingRecord& r) { r.WindowArea = -1; }, "ungültige");
    refusedWith([](BuildingRecord& r) { r.GroundwaterDepth = -3; }, "ungültige");
    refusedWith(
        [](BuildingRecord& r) { r.OutsideTemperature = std::numeric_limits<std::int32_t>::max() - 5; },
        "Temperaturen");
    refusedWith([](BuildingRecord& r) { r.RoomTemperature = std::numeric_limits<std::int32_t>::min(); },
                "Temperaturen");

    SettingsRecord broken = s;
    broken.AirDensity = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(calculationRefusal(workedExample1(), broken));
}

TEST(StoredBuildingTest, GoesTheRoadOfAnAutomaticCalculation)
{
    SettingsRecord s = standardSettings();
    CalculationResults c;

    BuildingRecord r = workedExample2();
    CalcOutcome outcome = calculateStoredBuilding(r, s, c);
    EXPECT_EQ(outcome.status, CalcStatus::Ok);
    EXPECT_TRUE(outcome.resultsValid);

    r = workedExample1();
    r.KRoof = 0;
    EXPECT_EQ(calculateStoredBuilding(r, s, c).status, CalcStatus::Incomplete);

    // A stale roof area without heated roof space is normalised away, not counted.
    r = workedExample1();
    r.RoofArea = 999;
    r.RoofHeight = 9;
    r.RaiseShareAbove10m = true;
    EXPECT_EQ(calculateStoredBuilding(r, s, c).status, CalcStatus::Ok);
    EXPECT_EQ(r.RoofArea, 0);
    EXPECT_EQ(c.EffectiveShare, 0.5f);

    r = workedExample1();
    r.KOuterWall = 11;
    outcome = calculateStoredBuilding(r, s, c);
    EXPECT_EQ(outcome.status, CalcStatus::Implausible);
    EXPECT_EQ(outcome.message, QStringLiteral("k-Wert eines Bauteils ist zu hoch  (> 10)"));
    EXPECT_EQ(r.KOuterWall, 11);
}

TEST(StoredBuildingTest, MagnitudeLimit)
{
    SettingsRecord s = standardSettings();
    CalculationResults c;
    BuildingRecord huge = workedExample1();
    huge.BuildingLength = huge.BuildingWidth = 2000;
    huge.HeatedHeight = 300;
    CalcOutcome outcome = calculateStoredBuilding(huge, s, c);
    EXPECT_EQ(outcome.status, CalcStatus::TooLarge);
    EXPECT_FALSE(outcome.resultsShown);
    EXPECT_EQ(outcome.message, tooLargeMessage().text);

    s.PlausibilityChecks = false;
    huge = workedExample1();
    huge.BuildingLength = huge.BuildingWidth = 2000;
    huge.HeatedHeight = 300;
    outcome = calculateStoredBuilding(huge, s, c);
    EXPECT_EQ(outcome.status, CalcStatus::TooLarge);
    EXPECT_TRUE(outcome.resultsShown);
    EXPECT_FALSE(outcome.resultsValid);
    EXPECT_TRUE(outcome.message.isEmpty());

    BuildingRecord edge;
    edge.BuildingLoad = 100000.0f;
    EXPECT_FALSE(loadTooLarge(edge));
    edge.BuildingLoad = 100000.01f;
    EXPECT_TRUE(loadTooLarge(edge));
}

} // namespace
