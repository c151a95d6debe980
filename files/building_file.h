#pragma once

#include "core/building_record.h"
#include "core/input_reading.h"

#include <QString>

#include <optional>

namespace orv {

inline constexpr const char* kNewBuildingName = "Neues Gebäude";

// Reads the first record of a building file; a missing, unreadable or short file gives nothing.
std::optional<BuildingRecord> readBuildingFile(const QString& path);
// A longer file is read like a building file but cannot be one this program wrote.
bool isLongerThanBuildingFile(const QString& path);
// Replaces the file whole or leaves it as it was.
bool writeBuildingFile(const QString& path, const BuildingRecord& record);

// The name a building is shown by: the file name without its last 4 characters (".orv").
QString displayName(const QString& path);
// The file name up to its first "." (empty without a "."), cut to the designation's 60 characters.
QString designationFromFileName(const QString& path);
// What the welcome window calls the automatically kept building.
QString lastBuildingDesignation(const QString& date);

// The main window's inputs as they show a loaded record, and as they show a new building.
InputTexts inputTextsOf(const BuildingRecord& record);
InputTexts newBuildingInputTexts();

// Building information with any text in it (designation, editor, client, address).
bool hasBuildingInfoText(const BuildingRecord& record);
// Nothing the user typed counts: dimensions and component values 0, one storey, roof space and
// cellar unheated, no building information. Roof and gable areas are not looked at.
bool isEmptyBuilding(const BuildingRecord& record);

} // namespace orv
