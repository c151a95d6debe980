#include "settings/preset_values.h"

#include "core/german_numbers.h"
#include "settings/settings_record.h"

#include <algorithm>

namespace orv {

namespace {

constexpr int kTextLength = 150;

std::array<float*, kPresetNumbers> numbersOf(SettingsRecord& r, int i)
{
    return {&r.PresetKOuterWall[i], &r.PresetKWindow[i], &r.PresetKRoof[i], &r.PresetRFloor[i],
            &r.PresetRGroundWall[i]};
}

int buttonPosition(int slot)
{
    const auto* it = std::find(kPresetButtonOrder.begin(), kPresetButtonOrder.end(), slot);
    return it == kPresetButtonOrder.end() ? 0 : static_cast<int>(it - kPresetButtonOrder.begin());
}

} // namespace

QString& PresetTexts::textOf(PresetNumber n)
{
    switch (n) {
    case PresetNumber::KOuterWall:
        return textOuterWall;
    case PresetNumber::KWindow:
        return textWindow;
    case PresetNumber::KRoof:
        return textRoof;
    case PresetNumber::RFloor:
        return textFloor;
    case PresetNumber::RGroundWall:
        return textGroundWall;
    }
    return textOuterWall;
}

PresetTexts presetTextsFrom(const SettingsRecord& record, int slot)
{
    const int i = std::clamp(slot, 1, kPresetSlots) - 1;
    PresetTexts t;
    const std::array<float, kPresetNumbers> values = {record.PresetKOuterWall[i], record.PresetKWindow[i],
                                                      record.PresetKRoof[i], record.PresetRFloor[i],
                                                      record.PresetRGroundWall[i]};
    for (int n = 0; n < kPresetNumbers; ++n)
        t.number[n] = formatNumber("%f", values[n]);
    t.textOuterWall = record.PresetTextOuterWall[i];
    t.textWindow = record.PresetTextWindow[i];
    t.textRoof = record.PresetTextRoof[i];
    t.textFloor = record.PresetTextFloor[i];
    t.textGroundWall = record.PresetTextGroundWall[i];
    t.name = record.PresetName[i];
    return t;
}

std::vector<PresetProblem> takePresetInput(const PresetTexts& texts, SettingsRecord& record, int slot,
                                           bool plausibilityChecks)
{
    const int i = std::clamp(slot, 1, kPresetSlots) - 1;
    std::vector<PresetProblem> problems;
    const auto values = numbersOf(record, i);
    for (int n = 0; n < kPresetNumbers; ++n) {
        *values[n] = 0;
        if (texts.number[n].isEmpty())
            continue;
        if (const auto v = parseDecimal(texts.number[n]))
            *values[n] = *v;
        else if (problems.empty())
            problems.push_back({static_cast<PresetNumber>(n), extraCommaMessage()});
    }
    if (presetNameEditable(slot))
        record.PresetName[i] = texts.name.left(kTextLength);
    if (plausibilityChecks) {
        static const char* const messages[kPresetNumbers] = {
            "Der k-Wert der Außenwand ist unrealistisch groß (>10)",
            "Der k-Wert der Fenster ist unrealistisch groß (>10)",
            "Der k-Wert des Dachs bzw. der Decke ist unrealistisch groß (>10)",
            "Der R-Wert des Fußbodens ist unrealistisch groß (>20)",
            "Der R-Wert der erdreichberührten Außenwand ist unrealistisch groß (>20)",
        };
        for (int n = 0; n < kPresetNumbers; ++n) {
            const float limit = n < 3 ? 10.0f : 20.0f;
            if (*values[n] > limit) {
                *values[n] = 0;
                problems.push_back({static_cast<PresetNumber>(n), QString::fromUtf8(messages[n])});
            }
        }
    }
    record.PresetTextOuterWall[i] = texts.textOuterWall.left(kTextLength);
    record.PresetTextWindow[i] = texts.textWindow.left(kTextLength);
    record.PresetTextRoof[i] = texts.textRoof.left(kTextLength);
    record.PresetTextFloor[i] = texts.textFloor.left(kTextLength);
    record.PresetTextGroundWall[i] = texts.textGroundWall.left(kTextLength);
    return problems;
}

int nextPresetSlot(int slot)
{
    return kPresetButtonOrder[(buttonPosition(slot) + 1) % kPresetSlots];
}

int previousPresetSlot(int slot)
{
    return kPresetButtonOrder[(buttonPosition(slot) + kPresetSlots - 1) % kPresetSlots];
}

PresetTexts clearOwnPreset(SettingsRecord& record)
{
    PresetTexts t;
    t.name = ownPresetName();
    record.PresetName[kPresetSlots - 1] = t.name;
    return t;
}

} // namespace orv
