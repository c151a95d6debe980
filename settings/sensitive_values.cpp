#include "settings/sensitive_values.h"

#include "core/german_numbers.h"
#include "settings/settings_record.h"

namespace orv {

namespace {

using F = SensitiveField;

} // namespace

PasswordOutcome passwordOutcome(const std::optional<QString>& answer, const QString& prefilled)
{
    const QString text = answer.value_or(prefilled).left(kPasswordAnswerLength);
    if (text == QLatin1String(kSensitivePassword))
        return PasswordOutcome::OpenWindow;
    if (text == QLatin1String(kStateDisplayCode))
        return PasswordOutcome::StateDisplay;
    if (text.isEmpty())
        return PasswordOutcome::Nothing;
    return PasswordOutcome::EndProgram;
}

bool isIntegerField(SensitiveField field)
{
    return field == F::LoadIncreasePercent || field == F::WindowGrowVertical ||
           field == F::WindowGrowHorizontal;
}

SensitiveTexts sensitiveTextsFrom(const SettingsRecord& s)
{
    SensitiveTexts t;
    const auto dec = [](float v) { return formatNumber("%f", v); };
    t[F::LoadIncreasePercent] = QString::number(s.LoadIncreasePercent);
    t[F::WindowGrowVertical] = QString::number(s.WindowGrowVertical);
    t[F::WindowGrowHorizontal] = QString::number(s.WindowGrowHorizontal);
    t[F::AirDensity] = dec(s.AirDensity);
    t[F::AirHeatCapacity] = dec(s.AirHeatCapacity);
    t[F::GroundConductivity] = dec(s.GroundConductivity);
    t[F::InnerSurfaceResistance] = dec(s.InnerSurfaceResistance);
    t[F::OuterSurfaceResistance] = dec(s.OuterSurfaceResistance);
    t.startMaximized = s.StartMaximized;
    t.maximizeMainOnly = s.MaximizeMainOnly;
    t.plausibilityChecks = s.PlausibilityChecks;
    t.confirmDelete = s.ConfirmDelete;
    t.presetPassword = !s.PresetPassword.isEmpty();
    return t;
}

void applySensitiveStandard(SensitiveTexts& t, SettingsRecord& settings)
{
    t[F::AirDensity] = QStringLiteral("1,22");
    t[F::AirHeatCapacity] = QStringLiteral("1,01");
    t[F::GroundConductivity] = QStringLiteral("1,2");
    t[F::LoadIncreasePercent] = QStringLiteral("0");
    t[F::WindowGrowHorizontal] = QStringLiteral("0");
    t[F::WindowGrowVertical] = QStringLiteral("0");
    t[F::InnerSurfaceResistance] = QStringLiteral("0,13");
    t[F::OuterSurfaceResistance] = QStringLiteral("0,04");
    t.startMaximized = false;
    t.maximizeMainOnly = false;
    t.plausibilityChecks = true;
    t.confirmDelete = true;
    // The box shows what the record now holds; left unchecked, the next save would clear the password again.
    t.presetPassword = true;
    settings.PresetPassword = QLatin1String(kSensitivePassword);
}

std::optional<SensitiveProblem> storeSensitiveValues(const SensitiveTexts& t, SettingsRecord& s)
{
    // The order in which a bad input is reported.
    static constexpr F order[] = {
        F::AirDensity,           F::AirHeatCapacity,    F::GroundConductivity,     F::LoadIncreasePercent,
        F::WindowGrowHorizontal, F::WindowGrowVertical, F::InnerSurfaceResistance, F::OuterSurfaceResistance,
    };
    std::array<float, kSensitiveFieldCount> decimal{};
    std::array<std::int32_t, kSensitiveFieldCount> integer{};
    for (F f : order) {
        const int i = static_cast<int>(f);
        if (isIntegerField(f)) {
            const auto v = parseInteger(t[f], true);
            if (!v)
                return SensitiveProblem{f, integerConversionMessage(t[f])};
            integer[i] = *v;
        } else {
            const auto v = parseDecimal(t[f], true);
            if (!v)
                return SensitiveProblem{f, decimalConversionMessage(t[f])};
            decimal[i] = *v;
        }
    }
    const auto d = [&](F f) { return decimal[static_cast<int>(f)]; };
    const auto n = [&](F f) { return integer[static_cast<int>(f)]; };
    s.AirDensity = d(F::AirDensity);
    s.AirHeatCapacity = d(F::AirHeatCapacity);
    s.GroundConductivity = d(F::GroundConductivity);
    s.LoadIncreasePercent = n(F::LoadIncreasePercent);
    s.WindowGrowHorizontal = n(F::WindowGrowHorizontal);
    s.WindowGrowVertical = n(F::WindowGrowVertical);
    s.InnerSurfaceResistance = d(F::InnerSurfaceResistance);
    s.OuterSurfaceResistance = d(F::OuterSurfaceResistance);
    s.StartMaximized = t.startMaximized;
    s.MaximizeMainOnly = t.maximizeMainOnly;
    s.PlausibilityChecks = t.plausibilityChecks;
    s.ConfirmDelete = t.confirmDelete;
    s.PresetPassword = t.presetPassword ? QLatin1String(kSensitivePassword) : QString();
    return std::nullopt;
}

} // namespace orv
