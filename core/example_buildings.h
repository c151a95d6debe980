#pragma once

#include "core/building_record.h"

namespace orv {

// The two worked examples that ship as data/examples/*.orv and anchor the tests: only the inputs are set,
// the building values are those of the examples, not of any settings.
BuildingRecord workedExample1(); // roof space and cellar not heated
BuildingRecord workedExample2(); // roof space and cellar heated

} // namespace orv
