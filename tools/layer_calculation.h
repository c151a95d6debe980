#pragma once

// The layer k-value calculator without its window: the stored layer lists, the calculation of k and R, the
// row operations of the layer table and the texts that depend on the component kind and the target.

#include "core/input_reading.h"
#include "core/record_codec.h"

#include <QString>

#include <optional>

namespace orv {

struct BuildingRecord;
struct SettingsRecord;

enum LayerColumn
{
    NameColumn = 0,
    ThicknessColumn = 1, // cm
    LambdaColumn = 2     // W/(mK)
};

// Where the calculator's layers live and its result goes: the current building (slot 0) or a k-value preset
// (slot 1..7, edited in the settings window).
struct LayerTarget
{
    int presetSlot = 0;

    static constexpr LayerTarget building() { return {}; }
    static constexpr LayerTarget preset(int slot) { return {slot}; }
    constexpr bool isBuilding() const { return presetSlot == 0; }

    friend bool operator==(const LayerTarget&, const LayerTarget&) = default;
};

// The stored layer list of a component kind (1..4) for the target.
LayerTable& layerStore(BuildingRecord& building, SettingsRecord& settings, LayerTarget target, int kind);

// A thickness or λ cell: empty or a single blank is 0; otherwise a decimal-comma number (a sign allowed),
// none when it does not convert.
std::optional<float> readLayerNumber(const QString& text);

// k = 1 / (Ri + Ra + R), R = Σ d/λ of the layers with d ≠ 0 and λ ≠ 0, all in Singles.
struct LayerResult
{
    float k = 0;
    float R = 0;         // layers only, without the surface resistances
    float thickness = 0; // cm, all rows
    bool inputError = false;
    bool valid = false; // a thickness, a resistance and no input error
};

LayerResult calculateLayers(const LayerTable& table, float innerResistance, float outerResistance);

// Texts as the table keeps them: cut to the 64 characters a stored cell holds.
LayerTable storedLayers(const LayerTable& table);

// Row 1..5 whose name is empty (where the next layer goes), none when all are used.
std::optional<int> firstEmptyRow(const LayerTable& table);
// Removes row 1..5; the rows below move up and row 5 becomes empty.
void deleteLayerRow(LayerTable& table, int row);
// The "Nr." of row 1..5: its number while it has a name.
QString layerRowNumber(const LayerTable& table, int row);

// With the plausibility checks on, a layer thicker than a metre asks first.
bool asksHighThickness(float thicknessCm, bool plausibilityChecks);

// What a preset keeps as its description: "36,5cm Name + 1,5cm Name ...", at most 150 characters.
QString layerSummary(const LayerTable& table);

// What the hand-over gives its target: the value ("%-0.2n") and, for a preset, the layer summary.
struct LayerHandOver
{
    LayerTarget target;
    int kind = 1;
    QString value;
    QString summary;
};

// The key filter of the layer table's cells: digits, the minus sign and control keys (backspace) only; a
// typed point would become the decimal comma, which is refused as well.
bool acceptsLayerCellCharacter(QChar c);

// The texts of the window for a component kind 1..4.
struct LayerKindTexts
{
    QString kindButton;
    QString captionName;
    QString tableLabel;
    QString handOver;
    QString handOverAndClose;
    bool handsOverK = true; // kinds 3 and 4 hand over R
    InputId mainField = InputId::KOuterWall;
};

LayerKindTexts layerKindTexts(int kind);

// "k-Wert-Berechner: Außenwand für aktuelles Gebäude"; for a preset its name in the suffix.
QString layerWindowCaption(int kind, LayerTarget target, const SettingsRecord& settings);

// "Ri=0,13 / Ra=0,04"
QString surfaceResistanceText(const SettingsRecord& settings);

// The value handed over: k for kinds 1 and 2, R for 3 and 4, as "%-0.2n".
QString handedOverValue(const LayerResult& result, int kind);

inline constexpr const char* kLayerTableFullMessage =
    "Alle Zeilen des k-Wertes sind voll!\r\rZum Einfügen einer weiteren Schicht, \rmüssen Sie zuvor eine "
    "Schicht löschen.";
inline constexpr const char* kNoMaterialSelectedMessage =
    "Keine Schicht ausgewählt!\r\rBitte wählen Sie eine Schicht zum Übernehmen aus.";
inline constexpr const char* kBadThicknessMessage = "Fehlerhafte Eingabe.";
inline constexpr const char* kHighThicknessCaption = "Hohe Schichtdicke";
inline constexpr const char* kHighThicknessQuestion =
    "Sie haben eine Schichtdicke von größer als einem Meter angegeben!\r(Angabe in ZENTIMETER!)\r\rTrotzdem "
    "einfügen?";
inline constexpr const char* kThicknessPrompt = "Bitte geben Sie die Schichtdicke ein (in cm)";
inline constexpr const char* kDeleteLayerCaption = "Löschen einer Schicht";
inline constexpr const char* kDeleteLayerQuestion = "Soll die markierte Schicht wirklich gelöscht werden?";
inline constexpr const char* kDeleteAllCaption = "Löschen aller Schichten";
inline constexpr const char* kDeleteAllQuestion = "Sollen alle Schichten des Bauteils gelöscht werden?";
inline constexpr const char* kLayerHandedOverStatus = "k- bzw. R-Wert wurde übernommen.";

} // namespace orv
