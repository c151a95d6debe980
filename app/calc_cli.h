#pragma once

#include <QByteArray>
#include <QList>

#include <cstdio>

namespace orv {

// The command-line face of the calculation: one JSON line (or a short German summary) per building file.
// `arguments` are the bytes the system passed (program name left out): file names are opened from them,
// so a name that is no valid text still opens. Returns the process exit code: 0, 1 when a file or the
// settings could not be read, 2 for bad usage.
int runCalcCli(const QList<QByteArray>& arguments, std::FILE* out, std::FILE* err);

} // namespace orv
