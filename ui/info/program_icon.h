#pragma once

#include <QIcon>

namespace orv {

// The program's icon, the house of data/orvenna.svg drawn in code (the SVG needs a module the program does
// not link).
QIcon programIcon();

} // namespace orv
