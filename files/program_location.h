#pragma once

#include <QString>

namespace orv {

// Where the program keeps its own files (settings, AutoSave.orv, catalogue) and where the files it
// ships with lie. Both end with a separator; `sharedDataDir` is empty when no shipped data is found.
struct ProgramLocation
{
    QString programDir;
    QString sharedDataDir;
};

// A writable folder of the executable is a portable install (or the build folder) and keeps the
// files beside the program. An installed program (bin/ with share/orvenna/ beside it) or a read-only
// one uses `userDataDir`. Shipped data lies in data/ beside the executable or in share/orvenna/.
ProgramLocation locateProgram(const QString& executableDir, const QString& userDataDir);

// The per-user folder of an installed program, below the desktop's data home.
QString defaultUserDataDir();

// The factory folder for building files: beside a portable program, but the user's documents for an
// installed one, whose program directory is a hidden per-user folder. Ends with a separator.
QString factoryBuildingsFolder(const QString& programDir);

// A data file the user may replace: the program directory's copy first, then the shipped one.
// Empty when neither exists.
QString findDataFile(const ProgramLocation& location, const QString& fileName);

// Creates the program directory and puts the shipped default settings and material catalogue into it
// where it has none of its own.
void prepareProgramDirectory(const ProgramLocation& location);

} // namespace orv
