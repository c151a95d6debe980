#pragma once

#include "core/analysis.h"

#include <QString>

#include <optional>
#include <string>

namespace orv {

struct AnalysisFigures;

// "T1:P1,T2:P2": two outdoor temperatures in °C with the heat pump's capacity in kW, decimal point.
// Nothing when the text is not of that form or the points are not usable (equal temperatures, a negative
// capacity).
std::optional<HeatPumpPoints> parseHeatPumpOption(const QString& text);

// The member `,"analysis":{…}` that --analysis adds to an ok line.
std::string analysisJson(const AnalysisFigures& figures);

} // namespace orv
