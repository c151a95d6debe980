// The formula core per building, and the whole stored-building road that orvenna-calc takes per file.

#include "core/automatic_calculation.h"
#include "core/building_record.h"
#include "core/calculation.h"
#include "core/example_buildings.h"
#include "core/input_reading.h"
#include "settings/settings_record.h"

#include <benchmark/benchmark.h>

using namespace orv;

namespace {

BuildingRecord example()
{
    return workedExample2();
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
