#include "settings/sensitive_values.h"

#include "settings/settings_record.h"

#include <gtest/gtest.h>

using namespace orv;
using F = SensitiveField;

namespace {

SettingsRecord shipped()
{
    return shippedDefaultSettings(QStringLiteral("/prog/"));
}

TEST(SensitiveValuesTest, PasswordAnswersLeadToTheirOutcomes)
{
    const QString password = QStringLiteral("KORVELIN");
    const struct
    {
        std::optional<QString> answer;
        QString prefilled;
        PasswordOutcome expected;
    } cases[] = {
        {password, {}, PasswordOutcome::OpenWindow},
        {std::nullopt, password, PasswordOutcome::OpenWindow}, // cancel keeps the pre-filled text
        {QStringLiteral("korvelin"), password, PasswordOutcome::EndProgram},
        {QStringLiteral("KORVELIN "), password, PasswordOutcome::EndProgram},
        {QStringLiteral("qo#"), password, PasswordOutcome::StateDisplay},
        {QStringLiteral("QO#"), {}, PasswordOutcome::EndProgram},
        {QString(), password, PasswordOutcome::Nothing},
        {std::nullopt, {}, PasswordOutcome::Nothing},
        {QString(60, QLatin1Char('x')), {}, PasswordOutcome::EndProgram},
    };
    for (const auto& c : cases)
        EXPECT_EQ(passwordOutcome(c.answer, c.prefilled), c.expected)
            << c.answer.value_or(QStringLiteral("<cancel>")).toStdString();
}

TEST(SensitiveValuesTest, TextsShowTheRecordAndStoreBackUnchanged)
{
    SettingsRecord s = shipped();
    s.LoadIncreasePercent = 15;
    s.WindowGrowVertical = -3;
    s.PresetPassword.clear();
    const SensitiveTexts t = sensitiveTextsFrom(s);
    EXPECT_EQ(t[F::LoadIncreasePercent], "15");
    EXPECT_EQ(t[F::WindowGrowVertical], "-3");
    EXPECT_EQ(t[F::AirDensity], "1,22");
    EXPECT_EQ(t[F::GroundConductivity], "1,20");
    EXPECT_EQ(t[F::OuterSurfaceResistance], "0,04");
    EXPECT_FALSE(t.presetPassword);

    SettingsRecord stored = s;
    EXPECT_FALSE(storeSensitiveValues(t, stored));
    EXPECT_EQ(encodeSettings(stored), encodeSettings(s));
}

TEST(SensitiveValuesTest, StandardSetsThePasswordAtOnceAndSavingStoresTheStandardValues)
{
    SettingsRecord s = shipped();
    s.PresetPassword.clear();
    s.AirDensity = 2.5f;
    s.StartMaximized = true;
    s.PlausibilityChecks = false;
    SensitiveTexts t = sensitiveTextsFrom(s);
    applySensitiveStandard(t, s);
    EXPECT_EQ(s.PresetPassword, "KORVELIN"); // before any save
    EXPECT_EQ(s.AirDensity, 2.5f);           // the inputs only
    EXPECT_TRUE(t.presetPassword);

    EXPECT_FALSE(storeSensitiveValues(t, s));
    EXPECT_EQ(s.AirDensity, 1.22f);
    EXPECT_EQ(s.AirHeatCapacity, 1.01f);
    EXPECT_EQ(s.GroundConductivity, 1.2f);
    EXPECT_EQ(s.InnerSurfaceResistance, 0.13f);
    EXPECT_EQ(s.OuterSurfaceResistance, 0.04f);
    EXPECT_EQ(s.LoadIncreasePercent, 0);
    EXPECT_FALSE(s.StartMaximized);
    EXPECT_TRUE(s.PlausibilityChecks);
    EXPECT_TRUE(s.ConfirmDelete);
    EXPECT_EQ(s.PresetPassword, "KORVELIN");

    t.presetPassword = false;
    EXPECT_FALSE(storeSensitiveValues(t, s));
    EXPECT_EQ(s.PresetPassword, "");
}

TEST(SensitiveValuesTest, AnInputThatDoesNotConvertStoresNothing)
{
    const SettingsRecord original = shipped();
    const struct
    {
        F field;
        const char* text;
        const char* message;
    } cases[] = {
        {F::GroundConductivity, "1,2,2", "'1,2,2' ist kein gültiger Gleitkommawert"},
        {F::OuterSurfaceResistance, "", "'' ist kein gültiger Gleitkommawert"},
        {F::InnerSurfaceResistance, "0.13", "'0.13' ist kein gültiger Gleitkommawert"},
        {F::WindowGrowHorizontal, "1,5", "'1,5' ist kein gültiger Integerwert"},
        {F::LoadIncreasePercent, "", "'' ist kein gültiger Integerwert"},
    };
    for (const auto& c : cases) {
        SensitiveTexts t = sensitiveTextsFrom(original);
        // Valid changes before and after the bad one in the saving order must not be stored either.
        t[F::AirDensity] = QStringLiteral("1,5");
        t[F::OuterSurfaceResistance] = QStringLiteral("0,1");
        t.confirmDelete = false;
        t[c.field] = QString::fromUtf8(c.text);
        SettingsRecord s = original;
        const auto problem = storeSensitiveValues(t, s);
        ASSERT_TRUE(problem) << c.text;
        EXPECT_EQ(problem->field, c.field) << c.text;
        EXPECT_EQ(problem->message, QString::fromUtf8(c.message));
        EXPECT_EQ(encodeSettings(s), encodeSettings(original)) << c.text;
    }

    // Of two bad inputs the first in the saving order is reported.
    SensitiveTexts t = sensitiveTextsFrom(original);
    t[F::WindowGrowVertical] = QStringLiteral("x");
    t[F::AirHeatCapacity] = QStringLiteral("y");
    SettingsRecord s = original;
    EXPECT_EQ(storeSensitiveValues(t, s)->field, F::AirHeatCapacity);
}

} // namespace
