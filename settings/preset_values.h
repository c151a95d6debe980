#pragma once

#include "settings/settings_record.h"

#include <QString>

#include <array>
#include <vector>

namespace orv {

// The five number fields of the preset page, in the order they are read and checked.
enum class PresetNumber
{
    KOuterWall,
    KWindow,
    KRoof,
    RFloor,
    RGroundWall,
};
constexpr int kPresetNumbers = 5;

// The page's texts for one slot: numbers as typed, construction texts and name.
struct PresetTexts
{
    std::array<QString, kPresetNumbers> number; // indexed by PresetNumber
    QString textOuterWall, textWindow, textRoof, textFloor, textGroundWall;
    QString name;

    QString& operator[](PresetNumber n) { return number[static_cast<int>(n)]; }
    const QString& operator[](PresetNumber n) const { return number[static_cast<int>(n)]; }
    // The construction text beside the number field `n`.
    QString& textOf(PresetNumber n);
    const QString& textOf(PresetNumber n) const { return const_cast<PresetTexts*>(this)->textOf(n); }
};

// The slots of the button row, left to right.
inline constexpr std::array<int, kPresetSlots> kPresetButtonOrder = {7, 6, 1, 2, 3, 4, 5};

// Only slots 1..5 carry a name the user may change; 6 and 7 are shown read-only.
constexpr bool presetNameEditable(int slot)
{
    return slot >= 1 && slot <= 5;
}

// What the page shows for `slot`: numbers with two decimals.
PresetTexts presetTextsFrom(const SettingsRecord& record, int slot);

struct PresetProblem
{
    PresetNumber field;
    QString message;
};

// Takes the page into `slot` and checks it. Unreadable numbers are stored as 0 and reported once (with
// the first of them as the field); with `plausibilityChecks` a value beyond its limit is set to 0 and
// reported. Valid input means no problems.
std::vector<PresetProblem> takePresetInput(const PresetTexts& texts, SettingsRecord& record, int slot,
                                           bool plausibilityChecks);

// Page Down / Page Up: the slot to the right / left in the button row (7, 6, 1..5), wrapping.
int nextPresetSlot(int slot);
int previousPresetSlot(int slot);

// "Delete" of the user's own slot: its factory name goes into the record at once; the page gets empty
// fields, which reach the record when the page is next taken in.
PresetTexts clearOwnPreset(SettingsRecord& record);

} // namespace orv
