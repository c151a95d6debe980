#pragma once

#include "core/record_codec.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace orv {

constexpr int kPresetSlots = 7; // slots 1..5 named by the user, 6 the 1995 ordinance, 7 the user's own

// Defaults for new buildings, calculation constants, k-value presets, options and recent files;
// `DataSet.kvz` is its exact 36732-byte image. Arrays indexed by preset slot hold slot s at index s-1.
struct SettingsRecord
{
    static constexpr int Size = 36732;

    QString ProgramTitle;    // ShortString[30]
    QString FileDescription; // ShortString[150]
    std::array<float, kPresetSlots> PresetKOuterWall{};
    std::array<float, kPresetSlots> PresetKWindow{};
    std::array<float, kPresetSlots> PresetRFloor{};
    std::array<float, kPresetSlots> PresetKRoof{};
    std::array<float, kPresetSlots> PresetRGroundWall{};
    std::array<QString, kPresetSlots> PresetTextOuterWall; // ShortString[150] each
    std::array<QString, kPresetSlots> PresetTextWindow;
    std::array<QString, kPresetSlots> PresetTextFloor;
    std::array<QString, kPresetSlots> PresetTextRoof;
    std::array<QString, kPresetSlots> PresetTextGroundWall;
    std::array<QString, kPresetSlots> PresetName;
    float DefaultMinAirChange = 0;
    float DefaultVentilationShare = 0;
    float AirDensity = 0;             // kg/m³
    float AirHeatCapacity = 0;        // kJ/(kgK)
    float GroundConductivity = 0;     // W/(mK)
    float InnerSurfaceResistance = 0; // m²K/W
    float OuterSurfaceResistance = 0; // m²K/W
    std::int32_t DefaultGroundwaterDepth = 0;
    std::int32_t DefaultGroundwaterTemperature = 0;
    std::int32_t DefaultRoomTemperature = 0;
    std::int32_t DefaultOutdoorTemperature = 0;
    std::int32_t LoadIncreasePercent = 0;
    std::int32_t WindowGrowVertical = 0;   // pixels added to window widths
    std::int32_t WindowGrowHorizontal = 0; // pixels added to window heights
    std::int32_t DefaultUsableAreaShare = 0;
    bool ShowWelcomeWindow = false;
    bool AutoCalcAtStart = false;
    bool DefaultTallBuildingShare = false;
    bool AskSaveBeforeDiscard = false;
    bool AutoSave = false;
    bool ShowToolbar = false;
    bool ShowHelpTexts = false;
    bool PlausibilityChecks = false;
    bool ConfirmDelete = false;
    bool StartMaximized = false;
    bool MaximizeMainOnly = false;
    QString PresetPassword;                // ShortString[10]
    QString EditorName;                    // ShortString[60]
    std::array<QString, 4> RecentFiles;    // ShortString[255] each, "LEER" = empty entry
    QString BuildingsFolder;               // ShortString[255]
    std::array<QString, 4> RecentCaptions; // ShortString[255] each
    // [kind 1..4][slot 1..7] at [kind-1][slot-1]; windows have no layer table.
    std::array<std::array<LayerTable, kPresetSlots>, kLayerKinds> PresetLayerTables;

    // The bytes last read from the file: reserved and padding ranges are written back as they were.
    QByteArray image;
};

constexpr int settingsLayerCellOffset(int kind, int slot, int column, int row)
{
    return 9429 + (kind - 1) * 6825 + (slot - 1) * 975 + (column - 1) * 325 + (row - 1) * 65;
}

QByteArray encodeSettings(const SettingsRecord& record);
// Reads the first 36732 bytes; a shorter buffer is refused.
std::optional<SettingsRecord> decodeSettings(const QByteArray& bytes);

// The factory defaults: only the constants and options change; calculation defaults, presets,
// password, editor and recent files keep what the record held. `programDir` ends with a separator.
void applyFactoryDefaults(SettingsRecord& record, const QString& programDir);

// The name of preset slot 7 when the user has not named it.
QString ownPresetName();

// The factory numbers, name and texts of preset slot 1..6 (layer tables untouched); other slots are left
// alone.
void applyPresetFactoryValues(SettingsRecord& record, int slot);

// The values a fresh install ships with: factory defaults plus the standard building values and the
// preset slots, as the settings window's standard-value buttons would set them.
SettingsRecord shippedDefaultSettings(const QString& programDir);

} // namespace orv
