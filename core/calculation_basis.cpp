#include "core/calculation_basis.h"

#include "core/building_record.h"
#include "core/calculation.h"
#include "settings/settings_record.h"

#include <cstring>
#include <initializer_list>

namespace orv {

namespace {

template <typename T> void append(QByteArray& bytes, std::initializer_list<T> values)
{
    for (const T value : values) {
        char raw[sizeof(T)];
        std::memcpy(raw, &value, sizeof(T));
        bytes.append(raw, sizeof(T));
    }
}

} // namespace

QByteArray calculationBasis(const BuildingRecord& r, const CalculationResults& results,
                            const SettingsRecord& s)
{
    QByteArray bytes;
    append<float>(bytes, {r.BuildingLength,
                          r.BuildingWidth,
                          r.HeatedHeight,
                          r.RoofHeight,
                          r.GroundWallHeight,
                          r.KOuterWall,
                          r.KWindow,
                          r.RFloor,
                          r.KRoof,
                          r.RGroundWall,
                          r.RoofArea,
                          r.WindowArea,
                          r.GableArea,
                          r.RoofVolume,
                          r.MinAirChange,
                          r.VentilationShare,
                          results.EffectiveShare,
                          s.AirDensity,
                          s.AirHeatCapacity,
                          s.GroundConductivity,
                          s.InnerSurfaceResistance,
                          s.OuterSurfaceResistance});
    append<std::int32_t>(bytes, {r.RoomTemperature, r.OutsideTemperature, r.GroundwaterDepth,
                                 r.GroundwaterTemperature, r.UsableAreaPercent, r.Storeys,
                                 s.LoadIncreasePercent, std::int32_t(r.RoofSpaceHeated),
                                 std::int32_t(r.CellarHeated), std::int32_t(r.RaiseShareAbove10m)});
    return bytes;
}

} // namespace orv
