#include "core/building_record.h"

#include "settings/settings_record.h"

namespace orv {

namespace {

template <typename Codec, typename Record> void mapBuildingFields(Codec& io, Record& r)
{
    io.shortString(0, 30, r.FileTitle);
    io.shortString(52, 150, r.FileNotice);
    io.single(548, r.BuildingLength);
    io.single(552, r.BuildingWidth);
    io.single(556, r.HeatedHeight);
    io.single(560, r.RoofHeight);
    io.single(564, r.GroundWallHeight);
    io.single(568, r.KOuterWall);
    io.single(572, r.KWindow);
    io.single(576, r.RFloor);
    io.single(580, r.KRoof);
    io.single(584, r.RGroundWall);
    io.single(588, r.RoofArea);
    io.single(592, r.WindowArea);
    io.single(596, r.OuterWallArea);
    io.single(600, r.BaseArea);
    io.single(604, r.GableArea);
    io.single(608, r.TransmissionLoad);
    io.single(612, r.VentilationLoad);
    io.single(616, r.BuildingLoad);
    io.single(620, r.SpecificLoad);
    io.single(624, r.BuildingVolume);
    io.single(628, r.RoofVolume);
    io.single(632, r.AVRatio);
    io.single(636, r.WindowFraction);
    io.single(640, r.MinAirChange);
    io.single(644, r.VentilationShare);
    io.int32(648, r.RoomTemperature);
    io.int32(652, r.OutsideTemperature);
    io.int32(656, r.GroundwaterDepth);
    io.int32(660, r.GroundwaterTemperature);
    io.int32(664, r.UsableAreaPercent);
    io.boolean(668, r.RoofSpaceHeated);
    io.boolean(669, r.CellarHeated);
    io.boolean(670, r.RoofByHeight);
    io.boolean(671, r.RoofFromCalculator);
    io.boolean(672, r.WindowAreaEstimated);
    io.boolean(673, r.RaiseShareAbove10m);
    io.int32(676, r.Storeys);
    io.int32(680, r.RoofPitch);
    io.int32(684, r.BuildingType);
    io.shortString(688, 60, r.BuildingName);
    io.shortString(749, 60, r.Editor);
    io.shortString(810, 60, r.Client);
    io.shortString(871, 60, r.Street);
    io.shortString(932, 60, r.Town);
    io.shortString(993, 7, r.PostCode);
    io.shortString(1001, 8, r.InfoDate);
    io.boolean(1010, r.HasBuildingInfo);
    io.shortString(1011, 8, r.LastBuildingDate);
    io.singles(1020, r.WindowCount);
    io.singles(1060, r.WindowWidth);
    io.singles(1100, r.WindowHeight);
    io.boolean(1140, r.HasWindowList);
    for (int kind = 1; kind <= kLayerKinds; ++kind)
        io.layerTable(buildingLayerCellOffset(kind, 1, 1), r.LayerTables[kind - 1]);
}

} // namespace

QByteArray encodeBuilding(const BuildingRecord& record)
{
    QByteArray bytes(BuildingRecord::Size, '\0');
    RecordWriter writer(bytes);
    FieldWriter io{writer};
    mapBuildingFields(io, record);
    return bytes;
}

std::optional<BuildingRecord> decodeBuilding(const QByteArray& bytes)
{
    if (bytes.size() < BuildingRecord::Size)
        return std::nullopt;
    RecordReader reader(bytes);
    FieldReader io{reader};
    BuildingRecord record;
    mapBuildingFields(io, record);
    return record;
}

void resetToNewBuilding(BuildingRecord& r, const SettingsRecord& s)
{
    r.BuildingLength = r.BuildingWidth = r.HeatedHeight = r.RoofHeight = r.GroundWallHeight = 0;
    r.RoofArea = r.WindowArea = r.OuterWallArea = r.BaseArea = r.GableArea = 0;
    r.BuildingVolume = r.RoofVolume = r.WindowFraction = 0;
    r.RoofPitch = 0;
    r.Storeys = 1;
    r.BuildingType = 1;
    r.BuildingName.clear();
    r.Editor.clear();
    r.Client.clear();
    r.Street.clear();
    r.Town.clear();
    r.PostCode.clear();
    r.InfoDate.clear();
    r.HasBuildingInfo = r.RoofByHeight = r.RoofFromCalculator = r.WindowAreaEstimated = false;
    r.HasWindowList = false;
    r.RoofSpaceHeated = r.CellarHeated = false;
    for (auto& table : r.LayerTables)
        for (auto& column : table)
            for (auto& cell : column)
                cell.clear();
    r.RoomTemperature = s.DefaultRoomTemperature;
    r.OutsideTemperature = s.DefaultOutdoorTemperature;
    r.MinAirChange = s.DefaultMinAirChange;
    r.VentilationShare = s.DefaultVentilationShare;
    r.UsableAreaPercent = s.DefaultUsableAreaShare;
    r.GroundwaterDepth = s.DefaultGroundwaterDepth;
    r.GroundwaterTemperature = s.DefaultGroundwaterTemperature;
    r.RaiseShareAbove10m = s.DefaultTallBuildingShare;
}

} // namespace orv
