#pragma once

#include "core/example_buildings.h"
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
