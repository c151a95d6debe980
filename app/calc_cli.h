#pragma once

#include <QStringList>

#include <cstdio>

namespace orv {

// The command-line face of the calculation: one JSON line (or a short German summary) per building file.
// Returns the process exit code: 0, 1 when a file or the settings could not be read, 2 for bad usage.
int runCalcCli(const QStringList& arguments, std::FILE* out, std::FILE* err);

} // namespace orv
