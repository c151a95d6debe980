// The formula core per building, and the whole stored-building road that orvenna-calc takes per file.

#include "core/automatic_calculation.h"
#include "core/building_record.h"
#include "core/calculation.h"
#include "core/input_reading.h"
#include "settings/settings_record.h"

#include <benchmark/benchmark.h>

using namespace orv;

namespace {

BuildingRecord example()
{
    BuildingRecord r;
    r.RoofSpaceHeated = r.CellarHeated = true;
    r.BuildingLength = 12;
    r.BuildingWidth = 9;
    r.HeatedHeight = 5;
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
    r.MinAirChange = r.VentilationShare = 0.5f;
    return r;
}

void formulaCore(benchmark::State& state)
{
    SettingsRecord s;
    applyFactoryDefaults(s, QString());
    BuildingRecord r = example();
    CalculationResults c;
    c.EffectiveShare = effectiveShare(r);
    computeAreas(r);
    for (auto _ : state) {
        BuildingCalculation(r, s, c);
        benchmark::DoNotOptimize(r.BuildingLoad);
    }
}
BENCHMARK(formulaCore);

void storedBuildingRoad(benchmark::State& state)
{
    SettingsRecord s;
    applyFactoryDefaults(s, QString());
    const BuildingRecord original = example();
    for (auto _ : state) {
        BuildingRecord r = original;
        CalculationResults c;
        benchmark::DoNotOptimize(calculateStoredBuilding(r, s, c).status);
    }
}
BENCHMARK(storedBuildingRoad);

void decodeAndCalculate(benchmark::State& state)
{
    SettingsRecord s;
    applyFactoryDefaults(s, QString());
    const QByteArray bytes = encodeBuilding(example());
    for (auto _ : state) {
        auto r = decodeBuilding(bytes);
        CalculationResults c;
        benchmark::DoNotOptimize(calculateStoredBuilding(*r, s, c).status);
    }
}
BENCHMARK(decodeAndCalculate);

} // namespace

BENCHMARK_MAIN();
