#pragma once

#include <QString>

namespace orv {

// The file state of the one building: where it came from and whether it has changed since.
struct FileState
{
    bool BuildingOpened = false;
    bool BuildingSaved = false;
    bool BuildingModified = false;
    // The file is longer than a building record, so it is something else: read, never written over.
    bool ForeignFile = false;
    QString CurrentFilePath;
    QString CurrentFileName;
    QString FileToOpen;
    int AutoSaveCount = 0; // automatic saves of the last building in this run
};

} // namespace orv
