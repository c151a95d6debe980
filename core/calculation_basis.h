#pragma once

#include <QByteArray>

namespace orv {

struct BuildingRecord;
struct CalculationResults;
struct SettingsRecord;

// Everything a calculation's results depend on: the building's inputs, the ventilation share in use and
// the settings' constants. Results belong to the inputs exactly while this stays the same; designation,
// building information and the result fields themselves are not part of it.
QByteArray calculationBasis(const BuildingRecord& record, const CalculationResults& results,
                            const SettingsRecord& settings);

} // namespace orv
