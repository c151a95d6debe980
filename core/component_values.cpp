#include "core/component_values.h"

#include "core/german_numbers.h"
#include "settings/settings_record.h"

namespace orv {

void rememberComponentTexts(const ComponentTexts& texts, ComponentValues& remembered)
{
    for (int i = 0; i < kComponentValues; ++i) {
        const QString& text = texts[i];
        if (text.isEmpty() || text == QLatin1String("0"))
            continue;
        if (const auto value = parseDecimal(text))
            remembered[i] = *value;
    }
}

ComponentValues presetValues(const SettingsRecord& s, int slot)
{
    const int i = slot - 1;
    return {s.PresetKOuterWall[i], s.PresetKWindow[i], s.PresetRFloor[i], s.PresetKRoof[i],
            s.PresetRGroundWall[i]};
}

ComponentTexts componentTexts(const ComponentValues& values)
{
    ComponentTexts texts;
    for (int i = 0; i < kComponentValues; ++i)
        texts[i] = formatNumber("%0.2f", values[i]);
    return texts;
}

QString presetMenuCaption(const SettingsRecord& s, int slot)
{
    QString name = s.PresetName[slot - 1];
    name.replace(QLatin1Char('&'), QLatin1String("&&"));
    return (QLatin1Char('&') + QString::number(slot) + QLatin1String("  ") + name).left(154);
}

QString presetHint(const SettingsRecord& s, int slot)
{
    return s.PresetName[slot - 1] + " k-Werte einfügen";
}

} // namespace orv
