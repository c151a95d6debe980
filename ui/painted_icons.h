#pragma once

#include <QIcon>

namespace orv {

// The tool-bar images, drawn at whatever size and scale they are shown so they stay sharp.
enum class IconKind
{
    New,
    Open,
    Save,
    Print,
    TakeBack,
    OwnValues,
    OrdinanceValues,
    Preset1,
    Preset2,
    Preset3,
    Preset4,
    Preset5,
    KRConversion,
    LayerCalculator,
    SingleResults,
    BuildingInfo,
    Settings,
    ProgramInfo,
    Exit,
    Calculator,
};

QIcon paintedIcon(IconKind kind);

} // namespace orv
