#pragma once

#include <QStringList>

#include <cstdio>

namespace orv {

// `orvenna-calc [--settings DataSet.kvz] --report OUT.pdf FILE.orv`: writes the printed report of one
// building as a PDF. Only this path starts the Qt GUI machinery (fonts, painter), so plain calculations
// stay quick. Returns 0, 1 when the building cannot be read or does not calculate to a printable result
// (the reason on `err`), 2 for bad usage.
int runReportCli(int& argc, char** argv, const QStringList& arguments, std::FILE* out, std::FILE* err);

} // namespace orv
