#pragma once

#include "core/calculation.h"
#include "core/example_buildings.h"
#include "core/input_reading.h"
#include "settings/settings_record.h"

namespace orv::test {

using orv::workedExample1;
using orv::workedExample2;

// Settings with the standard constants (rho 1.22, cp 1.01, lambdaE 1.2, Ri 0.13, Ra 0.04, no increase).
inline SettingsRecord standardSettings()
{
    SettingsRecord s;
    applyFactoryDefaults(s, QStringLiteral("/"));
    return s;
}

// A building after a run of the formula core, as the calculate command runs it.
struct Calculated
{
    BuildingRecord r;
    CalculationResults c;
};

inline Calculated calculate(BuildingRecord r, const SettingsRecord& s = standardSettings())
{
    Calculated run{std::move(r), {}};
    run.c.EffectiveShare = effectiveShare(run.r);
    computeAreas(run.r);
    BuildingCalculation(run.r, s, run.c);
    return run;
}

// A building with every field of the building information filled in.
inline BuildingRecord withInformation(BuildingRecord b)
{
    b.HasBuildingInfo = true;
    b.BuildingName = QStringLiteral("Haus Meier");
    b.Editor = QStringLiteral("Erika Muster");
    b.InfoDate = QStringLiteral("08.12.26");
    b.Client = QStringLiteral("Familie Meier");
    b.Street = QStringLiteral("Lindenweg 3");
    b.PostCode = QStringLiteral("D-12345");
    b.Town = QStringLiteral("Musterstadt");
    return b;
}

} // namespace orv::test
