#pragma once

#include <QString>

#include <array>
#include <optional>

namespace orv {

struct SettingsRecord;

// The fixed password of the sensitive settings and the code that opens the state display instead.
inline constexpr const char* kSensitivePassword = "KORVELIN";
inline constexpr const char* kStateDisplayCode = "qo#";
inline constexpr int kPasswordAnswerLength = 50;

enum class PasswordOutcome
{
    OpenWindow,
    StateDisplay,
    Nothing,
    EndProgram,
};

// What the prompt's answer leads to. A cancelled prompt (no answer) counts as the pre-filled text;
// the comparison is exact, case included.
PasswordOutcome passwordOutcome(const std::optional<QString>& answer, const QString& prefilled);

// The text inputs of the sensitive settings window.
enum class SensitiveField
{
    LoadIncreasePercent,    // Edit4
    WindowGrowVertical,     // Edit6
    WindowGrowHorizontal,   // Edit5
    AirDensity,             // Edit1
    AirHeatCapacity,        // Edit2
    GroundConductivity,     // Edit3
    InnerSurfaceResistance, // Edit7
    OuterSurfaceResistance, // Edit8
};
constexpr int kSensitiveFieldCount = 8;

bool isIntegerField(SensitiveField field);

struct SensitiveTexts
{
    std::array<QString, kSensitiveFieldCount> text;
    bool startMaximized = false;
    bool maximizeMainOnly = false;
    bool plausibilityChecks = true;
    bool confirmDelete = true;
    bool presetPassword = false;

    QString& operator[](SensitiveField f) { return text[static_cast<int>(f)]; }
    const QString& operator[](SensitiveField f) const { return text[static_cast<int>(f)]; }
};

// The constants with two decimals, the integers plain; the password box is checked when a password is
// preset.
SensitiveTexts sensitiveTextsFrom(const SettingsRecord& settings);

// "Standard": the standard texts and switches. The preset password goes into the record at once, so it
// stays even when the window is then cancelled.
void applySensitiveStandard(SensitiveTexts& texts, SettingsRecord& settings);

struct SensitiveProblem
{
    SensitiveField field;
    QString message;
};

// Converts every input first and stores only when all of them convert: a refused save leaves the
// record exactly as it was, so no later calculation uses half of the new constants.
std::optional<SensitiveProblem> storeSensitiveValues(const SensitiveTexts& texts, SettingsRecord& settings);

} // namespace orv
