#pragma once

#include "core/input_reading.h"

#include <QString>

#include <array>

namespace orv {

struct SettingsRecord;

// The five component inputs that presets fill and the take-back restores, in writing order:
// k outer wall, k window, R floor, k roof/ceiling, R ground-contact wall.
constexpr int kComponentValues = 5;
inline constexpr std::array<InputId, kComponentValues> kComponentInputs = {
    InputId::KOuterWall, InputId::KWindow, InputId::RFloor, InputId::KRoof, InputId::RGroundWall};

using ComponentValues = std::array<float, kComponentValues>;
using ComponentTexts = std::array<QString, kComponentValues>;

// The values to return to take every input text that is neither empty nor "0". A text that is not a
// number is not remembered: its input keeps its old value (the input reading reports the text).
void rememberComponentTexts(const ComponentTexts& texts, ComponentValues& remembered);

// The values of preset slot 1..7.
ComponentValues presetValues(const SettingsRecord& settings, int slot);

// Texts for the inputs: two decimals with the decimal comma. No thousands separator, because the inputs
// could not read one back.
ComponentTexts componentTexts(const ComponentValues& values);

// Menu caption "&1  " + name of preset slot 1..5 (at most 154 characters, "&" in the name kept literal)
// and the tool-bar hint name + " k-Werte einfügen".
QString presetMenuCaption(const SettingsRecord& settings, int slot);
QString presetHint(const SettingsRecord& settings, int slot);

} // namespace orv
