#pragma once

// The pictures of the heat-load analysis, drawn through the report's canvas, so that the window, the
// printer and the PDF show one drawing: the bars of the loss breakdown, the load line over the outdoor
// temperature with the heat pump's capacity line, and the analysis page that carries both. Positions are
// in 0.1 mm inside the frame a caller gives; the window scales the same frame to its widgets.

#include "core/analysis.h"

#include <QString>

#include <optional>
#include <vector>

namespace orv {

class ReportCanvas;
struct BuildingRecord;

struct ReportFrame
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The frames the page uses; the window keeps their proportions.
inline constexpr ReportFrame kLossBarsFrame{150, 400, 1650, 480};
inline constexpr ReportFrame kLoadChartFrame{150, 1050, 1650, 1050};

// What is shown of one analysis: the building's analysis and, once both points are entered, a heat pump.
struct AnalysisFigures
{
    BuildingAnalysis analysis;
    bool roofSpaceHeated = false;
    std::optional<HeatPumpPoints> pump;
    std::optional<HeatPumpCheck> check; // from checkHeatPump, when there is a pump and a load line

    void setPump(std::optional<HeatPumpPoints> points);
};

AnalysisFigures analysisFigures(const BuildingRecord& building, const SettingsRecord& settings,
                                const CalculationResults& results, std::optional<HeatPumpPoints> pump);

// One line of the figures as text: a caption and its value.
struct FigureLine
{
    QString caption;
    QString value;
};

// The loss breakdown, largest first: caption, "2.848 W", "47,8 %".
struct LossLine
{
    QString caption;
    QString watts;
    QString share;
};
std::vector<LossLine> lossLines(const AnalysisFigures& figures);

// The design point, the heat pump's points, its capacity and coverage at the design temperature and the
// bivalence point, in the order the page and the window list them.
std::vector<FigureLine> figureLines(const AnalysisFigures& figures);

QString temperatureText(double celsius); // "-7,7 °C"; whole degrees without decimals
QString loadText(double kilowatts);      // "9,76 kW"

void drawLossBars(ReportCanvas& canvas, const ReportFrame& frame, const AnalysisFigures& figures);
void drawLoadChart(ReportCanvas& canvas, const ReportFrame& frame, const AnalysisFigures& figures);

// The report's second page: a title block like the first page's, both pictures and the figures as text.
void drawAnalysisPage(ReportCanvas& canvas, const BuildingRecord& building, const AnalysisFigures& figures);

} // namespace orv
