#pragma once

#include "core/record_codec.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace orv {

struct SettingsRecord;

// The one building being edited; a building file (*.orv) is its exact 5044-byte image.
// Units: m, m², m³, k in W/(m²K), R in m²K/W, loads in kW, specific load in W/m², temperatures in °C.
struct BuildingRecord
{
    static constexpr int Size = 5044;

    QString FileTitle;  // ShortString[30]
    QString FileNotice; // ShortString[150]

    float BuildingLength = 0;
    float BuildingWidth = 0;
    float HeatedHeight = 0;
    float RoofHeight = 0;
    float GroundWallHeight = 0;
    float KOuterWall = 0;
    float KWindow = 0;
    float RFloor = 0;
    float KRoof = 0;
    float RGroundWall = 0;
    float RoofArea = 0;
    float WindowArea = 0;
    float OuterWallArea = 0;
    float BaseArea = 0;
    float GableArea = 0;
    float TransmissionLoad = 0;
    float VentilationLoad = 0;
    float BuildingLoad = 0;
    float SpecificLoad = 0;
    float BuildingVolume = 0;
    float RoofVolume = 0;
    float AVRatio = 0;
    float WindowFraction = 0;
    float MinAirChange = 0;
    float VentilationShare = 0;
    std::int32_t RoomTemperature = 0;
    std::int32_t OutsideTemperature = 0;
    std::int32_t GroundwaterDepth = 0;
    std::int32_t GroundwaterTemperature = 0;
    std::int32_t UsableAreaPercent = 0;
    bool RoofSpaceHeated = false;
    bool CellarHeated = false;
    bool RoofByHeight = false;
    bool RoofFromCalculator = false;
    bool WindowAreaEstimated = false;
    bool RaiseShareAbove10m = false;
    std::int32_t Storeys = 0;
    std::int32_t RoofPitch = 0;
    std::int32_t BuildingType = 0;
    QString BuildingName; // ShortString[60]
    QString Editor;       // ShortString[60]
    QString Client;       // ShortString[60]
    QString Street;       // ShortString[60]
    QString Town;         // ShortString[60]
    QString PostCode;     // ShortString[7]
    QString InfoDate;     // ShortString[8], "dd.mm.yy"
    bool HasBuildingInfo = false;
    QString LastBuildingDate; // ShortString[8]
    std::array<float, 10> WindowCount{};
    std::array<float, 10> WindowWidth{};
    std::array<float, 10> WindowHeight{};
    bool HasWindowList = false;
    // Component kind 1..4 (outer wall, roof or top ceiling, ground-contact wall, cellar floor) at index 0..3.
    std::array<LayerTable, kLayerKinds> LayerTables;
};

// Offset of the layer text for component kind, column and row, all counted from 1.
constexpr int buildingLayerCellOffset(int kind, int column, int row)
{
    return 1141 + (kind - 1) * 975 + (column - 1) * 325 + (row - 1) * 65;
}

QByteArray encodeBuilding(const BuildingRecord& record);
// Reads the first 5044 bytes; a shorter buffer is refused.
std::optional<BuildingRecord> decodeBuilding(const QByteArray& bytes);

// The values of a new building: inputs emptied, building values from the settings' defaults.
// k/R values, the other results and the window list keep their bytes, as the inputs are read afterwards.
void resetToNewBuilding(BuildingRecord& record, const SettingsRecord& settings);

} // namespace orv
