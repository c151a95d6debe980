#pragma once

#include "core/building_record.h"
#include "core/calculation.h"
#include "files/file_state.h"
#include "settings/settings_record.h"

#include <QString>

namespace orv {

// Everything one run of the program keeps: the one building, the one settings record, the run-time
// results and the file state. Owned by the application object and handed to the parts by reference,
// so tests make their own.
struct Session
{
    QString programDir; // with its trailing separator
    BuildingRecord building;
    SettingsRecord settings;
    CalculationResults results;
    FileState file;
    int SettingsReadErrors = 0;
    bool SettingsWriteWarned = false; // the user has been told that the settings file cannot be written
};

} // namespace orv
