#pragma once

#include <QString>

namespace orv {

class ReportCanvas;
struct BuildingRecord;
struct CalculationResults;
struct SettingsRecord;
struct Session;

// Draws the one-page calculation report of the building as the record holds it now. Everything
// is placed at fixed positions in 0.1 mm; the variable part (cellar and roof space) only moves
// what follows it, so the footer stays at 275 mm. `today` is the short date ("dd.mm.yy").
void drawCalculationReport(ReportCanvas& canvas, const BuildingRecord& building,
                           const CalculationResults& results, const SettingsRecord& settings,
                           const QString& today);
void drawCalculationReport(ReportCanvas& canvas, const Session& session, const QString& today);

} // namespace orv
