#pragma once

#include "print/report_canvas.h"

namespace orv {

// The report's logo: a 100 × 100 picture in 16 colours, drawn in code so that no artwork file ships.
const ReportPicture& reportLogo();

} // namespace orv
