#pragma once

#include "core/building_record.h"
#include "settings/settings_record.h"

namespace orv::test {

// Settings with the standard constants (rho 1.22, cp 1.01, lambdaE 1.2, Ri 0.13, Ra 0.04, no increase).
inline SettingsRecord standardSettings()
{
    SettingsRecord s;
    applyFactoryDefaults(s, QStringLiteral("/"));
    return s;
}

// Roof space and cellar not heated.
inline BuildingRecord workedExample1()
{
    BuildingRecord r;
    r.BuildingLength = 10;
    r.BuildingWidth = 8;
    r.HeatedHeight = 5.5f;
    r.WindowArea = 20;
    r.KOuterWall = 0.5f;
    r.KWindow = 1.3f;
    r.KRoof = 0.3f;
    r.RFloor = 1.0f;
    r.Storeys = 2;
    r.RoomTemperature = 20;
    r.OutsideTemperature = -12;
    r.GroundwaterDepth = 5;
    r.GroundwaterTemperature = 10;
    r.UsableAreaPercent = 70;
    r.MinAirChange = 0.5f;
    r.VentilationShare = 0.5f;
    return r;
}

// Roof space and cellar heated.
inline BuildingRecord workedExample2()
{
    BuildingRecord r;
    r.RoofSpaceHeated = true;
    r.CellarHeated = true;
    r.BuildingLength = 12;
    r.BuildingWidth = 9;
    r.HeatedHeight = 5.0f;
    r.GroundWallHeight = 2.5f;
    r.WindowArea = 30;
    r.RoofArea = 160;
    r.GableArea = 40;
    r.RoofVolume = 150;
    r.KOuterWall = 0.4f;
    r.KWindow = 1.6f;
    r.KRoof = 0.25f;
    r.RFloor = 1.5f;
    r.RGroundWall = 1.2f;
    r.Storeys = 3;
    r.RoomTemperature = 20;
    r.OutsideTemperature = -14;
    r.GroundwaterDepth = 4;
    r.GroundwaterTemperature = 10;
    r.UsableAreaPercent = 75;
    r.MinAirChange = 0.5f;
    r.VentilationShare = 0.5f;
    return r;
}

} // namespace orv::test
