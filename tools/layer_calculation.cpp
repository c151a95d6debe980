#include "tools/layer_calculation.h"

#include "core/building_record.h"
#include "core/german_numbers.h"
#include "settings/settings_record.h"

namespace orv {

namespace {

constexpr int kStoredCellLength = kLayerCellSize - 1;

} // namespace

LayerTable& layerStore(BuildingRecord& building, SettingsRecord& settings, LayerTarget target, int kind)
{
    if (target.isBuilding())
        return building.LayerTables.at(kind - 1);
    return settings.PresetLayerTables.at(kind - 1).at(target.presetSlot - 1);
}

std::optional<float> readLayerNumber(const QString& text)
{
    if (text.isEmpty() || text == QLatin1String(" "))
        return 0.0f;
    return parseDecimal(text, true);
}

LayerResult calculateLayers(const LayerTable& table, float innerResistance, float outerResistance)
{
    LayerResult result;
    for (int row = 0; row < kLayerRows; ++row) {
        const auto thickness = readLayerNumber(table[ThicknessColumn][row]);
        const auto lambda = readLayerNumber(table[LambdaColumn][row]);
        if (!thickness || !lambda)
            result.inputError = true;
        const float d = thickness.value_or(0.0f);
        const float l = lambda.value_or(0.0f);
        const float resistance = (d != 0 && l != 0) ? (d / 100.0f) / l : 0.0f;
        result.R += resistance;
        result.thickness += d;
    }
    result.valid = result.thickness != 0 && result.R != 0 && !result.inputError;
    if (result.valid)
        result.k = 1.0f / (innerResistance + outerResistance + result.R);
    return result;
}

LayerTable storedLayers(const LayerTable& table)
{
    LayerTable stored = table;
    for (auto& column : stored)
        for (QString& cell : column)
            cell.truncate(kStoredCellLength);
    return stored;
}

std::optional<int> firstEmptyRow(const LayerTable& table)
{
    for (int row = 0; row < kLayerRows; ++row)
        if (table[NameColumn][row].isEmpty())
            return row + 1;
    return std::nullopt;
}

void deleteLayerRow(LayerTable& table, int row)
{
    for (auto& column : table) {
        for (int r = row - 1; r + 1 < kLayerRows; ++r)
            column[r] = column[r + 1];
        column[kLayerRows - 1].clear();
    }
}

QString layerRowNumber(const LayerTable& table, int row)
{
    return table[NameColumn][row - 1].isEmpty() ? QString() : QString::number(row);
}

bool acceptsLayerCellCharacter(QChar c)
{
    if (c == QLatin1Char('.'))
        c = QLatin1Char(',');
    return !c.isPrint() || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-');
}

bool asksHighThickness(float thicknessCm, bool plausibilityChecks)
{
    return plausibilityChecks && thicknessCm > 100.0f;
}

QString layerSummary(const LayerTable& table)
{
    QString summary;
    for (int row = 0; row < kLayerRows; ++row) {
        const QString& name = table[NameColumn][row];
        const QString& thickness = table[ThicknessColumn][row];
        if (name.isEmpty() || thickness.isEmpty() || table[LambdaColumn][row].isEmpty())
            continue;
        if (!summary.isEmpty())
            summary += QStringLiteral(" + ");
        summary += thickness + QStringLiteral("cm ") + name;
    }
    if (summary.size() > 150)
        summary = summary.left(146) + QStringLiteral(" ...");
    return summary;
}

LayerKindTexts layerKindTexts(int kind)
{
    switch (kind) {
    case 2:
        return {"&Dach/Decke",
                "Dach",
                "Aufbau d&es Daches (oder der Decke bei unbeheiztem Dach):",
                "k-Wert in DA &übernehmen",
                "k in DA übernehmen+&Schließen",
                true,
                InputId::KRoof};
    case 3:
        return {"A&W erdreichber.",
                "Außenwand (R-Wert)",
                "Wandaufbau d&er Außenwand erdreichberührt (R-Wert):",
                "R-Wert in AW &übernehmen",
                "R in AW übernehmen+&Schließen",
                false,
                InputId::RGroundWall};
    case 4:
        return {"&Kellerboden",
                "Kellerboden (R-Wert)",
                "Aufbau d&es Kellerbodens (R-Wert):",
                "R-Wert in FB &übernehmen",
                "R in FB übernehmen+&Schließen",
                false,
                InputId::RFloor};
    default:
        return {"&Außenwand",
                "Außenwand",
                "Wandaufbau d&er Außenwand:",
                "k-Wert in AW &übernehmen",
                "k in AW übernehmen+&Schließen",
                true,
                InputId::KOuterWall};
    }
}

QString layerWindowCaption(int kind, LayerTarget target, const SettingsRecord& settings)
{
    const QString suffix = target.isBuilding()
                               ? QStringLiteral(" für aktuelles Gebäude")
                               : QStringLiteral(" für k-Wert-Button (") +
                                     settings.PresetName.at(target.presetSlot - 1) + QLatin1Char(')');
    return QStringLiteral("k-Wert-Berechner: ") + layerKindTexts(kind).captionName + suffix.left(100);
}

QString surfaceResistanceText(const SettingsRecord& settings)
{
    return QStringLiteral("Ri=") + formatNumber("%-0.2n", settings.InnerSurfaceResistance) +
           QStringLiteral(" / Ra=") + formatNumber("%-0.2n", settings.OuterSurfaceResistance);
}

QString handedOverValue(const LayerResult& result, int kind)
{
    return formatNumber("%-0.2n", layerKindTexts(kind).handsOverK ? result.k : result.R);
}

} // namespace orv
