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

} // namespace orv::test
