#include "core/example_buildings.h"

namespace orv {

namespace {

BuildingRecord withBuildingValues(int outside, int groundwaterDepth, int usablePercent)
{
    BuildingRecord r;
    r.RoomTemperature = 20;
    r.OutsideTemperature = outside;
    r.GroundwaterDepth = groundwaterDepth;
    r.GroundwaterTemperature = 10;
    r.UsableAreaPercent = usablePercent;
    r.MinAirChange = 0.5f;
    r.VentilationShare = 0.5f;
    r.Storeys = 1;
    r.BuildingType = 1;
    return r;
}

} // namespace

BuildingRecord workedExample1()
{
    BuildingRecord r = withBuildingValues(-12, 5, 70);
    r.BuildingLength = 10;
    r.BuildingWidth = 8;
    r.HeatedHeight = 5.5f;
    r.WindowArea = 20;
    r.KOuterWall = 0.5f;
    r.KWindow = 1.3f;
    r.KRoof = 0.3f;
    r.RFloor = 1.0f;
    r.Storeys = 2;
    return r;
}

BuildingRecord workedExample2()
{
    BuildingRecord r = withBuildingValues(-14, 4, 75);
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
    return r;
}

} // namespace orv
