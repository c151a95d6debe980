#pragma once

#include <QString>

namespace orv {

// Where the k/R conversion hands its R-value: chosen by whoever opens it.
enum class KRTarget
{
    FloorThenWall = 0, // the menu command: first the main window's floor, then its wall
    Floor = 1,         // the main window's floor field
    Wall = 2,          // the main window's ground-contact-wall field
    PresetFloor = 3,   // the settings window's floor field of the active preset slot
    PresetWall = 4,    // the settings window's wall field of the active preset slot
    WallAfterFloor = 5 // the second step of FloorThenWall
};

// The field of a destination that takes an R-value.
enum class KRField
{
    Floor,
    GroundWall
};

// What the first hand-over button does for a target.
struct KRHandOver
{
    QString caption; // of the first hand-over button
    KRField field = KRField::Floor;
    bool toPresets = false; // the settings window's preset fields, else the main window's
    bool closes = true;     // else the window stays open for the next target
};
KRHandOver krHandOver(KRTarget target);
// The target after the first hand-over (only FloorThenWall changes).
KRTarget krTargetAfterHandOver(KRTarget target);
// "In AW + FB Übernehmen" writes into the presets for a preset target or while the settings window is open
// in its normal state.
bool krBothToPresets(KRTarget target, bool settingsWindowOpenNormal);

enum class KRDirection
{
    FromK,
    FromR
};

// The state of the window after a key in one of its fields.
struct KRConversionState
{
    QString kText;
    QString rText;
    QString firstLine; // both empty: the message lines are hidden
    QString secondLine;
    bool converted = false; // the hand-over buttons are enabled
    float r = 0;

    friend bool operator==(const KRConversionState&, const KRConversionState&) = default;
};

// Converts the field typed last into the other with the surface resistances Ri and Ra. `kText` and `rText`
// are the fields as they stand; the typed one stays as it is unless the value cannot be used at all.
KRConversionState convertKR(KRDirection direction, const QString& kText, const QString& rText, float ri,
                            float ra);

} // namespace orv
