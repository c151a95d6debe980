#include "print/analysis_report.h"

#include "core/building_record.h"
#include "core/german_numbers.h"
#include "core/program_info.h"
#include "print/report_canvas.h"
#include "print/report_logo.h"

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

const QString kFont = QStringLiteral("arial");
constexpr std::uint32_t kBarColour = 0x4F7FB0;
constexpr std::uint32_t kGridColour = 0xD4D4D4;
constexpr std::uint32_t kBivalenceColour = 0xB02020;
constexpr int kGridLine = 2; // 0.2 mm, as the canvas draws its lines

// A value axis with round steps (1, 2 or 5 times a power of ten) and about `ticks` of them.
struct Axis
{
    double low = 0;
    double high = 1;
    double step = 1;
};

Axis roundAxis(double low, double high, int ticks)
{
    if (!(high > low))
        high = low + 1;
    const double raw = (high - low) / ticks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * magnitude;
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * magnitude >= raw) {
            step = factor * magnitude;
            break;
        }
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

// Maps outdoor temperature and load onto the plot area of a frame.
class Plot
{
  public:
    Plot(const ReportFrame& frame, double t0, double t1, const Axis& load)
        : m_left(frame.x + 170), m_right(frame.x + frame.width - 40), m_top(frame.y + 90),
          m_bottom(frame.y + frame.height - 130), m_t0(t0), m_t1(t1), m_load(load)
    {
    }
    int x(double t) const
    {
        return m_left + int(std::lround((t - m_t0) / (m_t1 - m_t0) * (m_right - m_left)));
    }
    int y(double kw) const
    {
        return m_bottom -
               int(std::lround((kw - m_load.low) / (m_load.high - m_load.low) * (m_bottom - m_top)));
    }
    int left() const { return m_left; }
    int right() const { return m_right; }
    int top() const { return m_top; }
    int bottom() const { return m_bottom; }

  private:
    int m_left, m_right, m_top, m_bottom;
    double m_t0, m_t1;
    Axis m_load;
};

void dashedLine(ReportCanvas& canvas, int x1, int y1, int x2, int y2)
{
    constexpr double dash = 40, gap = 25;
    const double length = std::hypot(x2 - x1, y2 - y1);
    if (length <= 0)
        return;
    for (double s = 0; s < length; s += dash + gap) {
        const double e = std::min(length, s + dash);
        canvas.line(
            x1 + int(std::lround((x2 - x1) * s / length)), y1 + int(std::lround((y2 - y1) * s / length)),
            x1 + int(std::lround((x2 - x1) * e / length)), y1 + int(std::lround((y2 - y1) * e / length)));
    }
}

void marker(ReportCanvas& canvas, int x, int y, std::uint32_t rgb)
{
    canvas.fill(x - 16, y - 16, 32, 32, rgb);
}

QString wattsText(double watts)
{
    return formatNumber("%-0.0n", watts) + QStringLiteral(" W");
}

QString shareText(double percent)
{
    return formatNumber("%-0.1f", percent) + QStringLiteral(" %");
}

} // namespace

void AnalysisFigures::setPump(std::optional<HeatPumpPoints> points)
{
    pump = points && points->usable() ? points : std::nullopt;
    check = pump ? checkHeatPump(analysis.loadLine, *pump) : std::nullopt;
    if (pump && !check && !analysis.loadLine.empty())
        pump.reset(); // its line cannot be drawn either
}

AnalysisFigures analysisFigures(const BuildingRecord& building, const SettingsRecord& settings,
                                const CalculationResults& results, std::optional<HeatPumpPoints> pump)
{
    AnalysisFigures figures;
    figures.analysis = analyseBuilding(building, settings, results);
    figures.roofSpaceHeated = building.RoofSpaceHeated;
    figures.setPump(pump);
    return figures;
}

QString temperatureText(double celsius)
{
    const bool whole = celsius == std::floor(celsius);
    return formatNumber(whole ? "%-0.0n" : "%-0.1f", celsius) + QStringLiteral(" °C");
}

QString loadText(double kilowatts)
{
    return formatNumber("%-0.2n", kilowatts) + QStringLiteral(" kW");
}

std::vector<LossLine> lossLines(const AnalysisFigures& figures)
{
    std::vector<LossLine> lines;
    for (const LossItem& item : figures.analysis.losses.largestFirst())
        lines.push_back({lossPartCaption(item.part, figures.roofSpaceHeated), wattsText(item.watts),
                         shareText(item.share)});
    return lines;
}

std::vector<FigureLine> figureLines(const AnalysisFigures& figures)
{
    std::vector<FigureLine> lines;
    const BuildingAnalysis& a = figures.analysis;
    lines.push_back({QStringLiteral("Summe der Verluste (QT + f x QL)"), wattsText(a.losses.total)});
    if (a.loadLine.empty())
        return lines;
    const LoadPoint& design = a.loadLine.front();
    lines.push_back(
        {QStringLiteral("Gebäudeheizlast bei ") + temperatureText(design.outside), loadText(design.load)});
    lines.push_back({QStringLiteral("Gebäudeheizlast bei ") + temperatureText(a.loadLine.back().outside),
                     loadText(a.loadLine.back().load)});
    if (!figures.pump || !figures.check)
        return lines;
    const HeatPumpPoints& p = *figures.pump;
    const HeatPumpCheck& c = *figures.check;
    lines.push_back({QStringLiteral("Wärmepumpe bei ") + temperatureText(p.t1), loadText(p.p1)});
    lines.push_back({QStringLiteral("Wärmepumpe bei ") + temperatureText(p.t2), loadText(p.p2)});
    lines.push_back({QStringLiteral("Heizleistung bei ") + temperatureText(design.outside),
                     loadText(c.capacityAtDesign)});
    lines.push_back(
        {QStringLiteral("Deckung bei ") + temperatureText(design.outside), shareText(c.coverage)});
    lines.push_back({QStringLiteral("Bivalenzpunkt"),
                     c.bivalencePoint ? temperatureText(*c.bivalencePoint) : QStringLiteral("keiner")});
    return lines;
}

void drawLossBars(ReportCanvas& canvas, const ReportFrame& frame, const AnalysisFigures& figures)
{
    constexpr int rowHeight = 80, barHeight = 50, captionWidth = 480, valueWidth = 420;
    const auto sorted = figures.analysis.losses.largestFirst();
    const std::vector<LossLine> lines = lossLines(figures);
    const double largest = std::max(1.0, double(sorted.front().watts));
    const int barLeft = frame.x + captionWidth;
    const int barSpace = frame.width - captionWidth - valueWidth;
    for (int i = 0; i < kLossParts; ++i) {
        const int y = frame.y + i * rowHeight;
        canvas.text(frame.x, y + 8, kFont, 35, lines[i].caption);
        const int length = int(std::lround(std::max(0.0, double(sorted[i].watts)) / largest * barSpace));
        if (length > 0)
            canvas.fill(barLeft, y + (rowHeight - barHeight) / 2, length, barHeight, kBarColour);
        canvas.text(barLeft + length + 20, y + 8, kFont, 35,
                    lines[i].watts + QStringLiteral("   ") + lines[i].share);
    }
    canvas.line(barLeft, frame.y, barLeft, frame.y + kLossParts * rowHeight);
}

void drawLoadChart(ReportCanvas& canvas, const ReportFrame& frame, const AnalysisFigures& figures)
{
    const std::vector<LoadPoint>& line = figures.analysis.loadLine;
    if (line.empty())
        return;
    const double t0 = line.front().outside;
    const double t1 = figures.analysis.roomTemperature;
    double low = 0, high = 0;
    for (const LoadPoint& p : line) {
        low = std::min(low, double(p.load));
        high = std::max(high, double(p.load));
    }
    if (figures.pump)
        for (double t : {t0, t1}) {
            low = std::min(low, figures.pump->capacityAt(t));
            high = std::max(high, figures.pump->capacityAt(t));
        }
    const Axis load = roundAxis(low, high, 6);
    const Plot plot(frame, t0, t1, load);

    // Grid and axes: a line every round kilowatt step and every 5 °C.
    for (double kw = load.low; kw <= load.high + load.step / 2; kw += load.step) {
        const int y = plot.y(kw);
        canvas.fill(plot.left(), y - kGridLine / 2, plot.right() - plot.left(), kGridLine, kGridColour);
        canvas.text(frame.x, y - 18, kFont, 32, formatNumber(load.step < 1 ? "%-0.1f" : "%-0.0n", kw));
    }
    for (int t = int(std::ceil(t0 / 5.0)) * 5; t <= t1; t += 5) {
        const int x = plot.x(t);
        canvas.fill(x - kGridLine / 2, plot.top(), kGridLine, plot.bottom() - plot.top(), kGridColour);
        canvas.text(x - 20, plot.bottom() + 15, kFont, 32, QString::number(t));
    }
    canvas.line(plot.left(), plot.bottom(), plot.right(), plot.bottom());
    canvas.line(plot.left(), plot.top(), plot.left(), plot.bottom());
    if (load.low < 0)
        canvas.line(plot.left(), plot.y(0), plot.right(), plot.y(0));
    canvas.text(frame.x, frame.y + 20, kFont, 32, QStringLiteral("kW"));
    canvas.text(plot.right() - 420, plot.bottom() + 70, kFont, 32, QStringLiteral("Außentemperatur in °C"));

    // Legend.
    const int legendY = frame.y + 20;
    canvas.line(plot.left() + 100, legendY + 16, plot.left() + 200, legendY + 16);
    canvas.text(plot.left() + 220, legendY, kFont, 32, QStringLiteral("Gebäudeheizlast QN"));
    if (figures.pump) {
        dashedLine(canvas, plot.left() + 700, legendY + 16, plot.left() + 800, legendY + 16);
        canvas.text(plot.left() + 820, legendY, kFont, 32, QStringLiteral("Heizleistung der Wärmepumpe"));
    }

    for (std::size_t i = 1; i < line.size(); ++i)
        canvas.line(plot.x(line[i - 1].outside), plot.y(line[i - 1].load), plot.x(line[i].outside),
                    plot.y(line[i].load));
    const LoadPoint& design = line.front();
    marker(canvas, plot.x(design.outside), plot.y(design.load), 0x000000);
    canvas.text(plot.x(design.outside) + 30, plot.y(design.load) - 10, kFont, 32,
                QStringLiteral("QN = ") + loadText(design.load));

    if (!figures.pump)
        return;
    dashedLine(canvas, plot.x(t0), plot.y(figures.pump->capacityAt(t0)), plot.x(t1),
               plot.y(figures.pump->capacityAt(t1)));
    if (!figures.check || !figures.check->bivalencePoint)
        return;
    const double tb = *figures.check->bivalencePoint;
    const int xb = plot.x(tb);
    const int yb = plot.y(figures.pump->capacityAt(tb));
    dashedLine(canvas, xb, yb, xb, plot.bottom());
    marker(canvas, xb, yb, kBivalenceColour);
    canvas.text(xb + 30, yb + 20, kFont, 32, QStringLiteral("Bivalenzpunkt ") + temperatureText(tb));
}

void drawAnalysisPage(ReportCanvas& canvas, const BuildingRecord& building, const AnalysisFigures& figures)
{
    const auto rule = [&canvas](int y) { canvas.line(150, y, 1800, y); };
    rule(80);
    canvas.text(300, 110, kFont, 80, QStringLiteral("Auswertung"));
    canvas.text(1035, 130, kFont, 50, QStringLiteral("zur Heizlastberechnung"));
    rule(200);
    canvas.picture(150, 90, 100, 100, reportLogo());
    if (building.HasBuildingInfo && !building.BuildingName.isEmpty())
        canvas.text(150, 240, kFont, 40, QStringLiteral("Bezeichnung: ") + building.BuildingName);

    canvas.text(150, 320, kFont, 50, QStringLiteral("Verteilung der Wärmeverluste"));
    drawLossBars(canvas, kLossBarsFrame, figures);
    canvas.text(150, 980, kFont, 50, QStringLiteral("Heizlast über der Außentemperatur"));
    drawLoadChart(canvas, kLoadChartFrame, figures);

    int y = kLoadChartFrame.y + kLoadChartFrame.height + 40;
    for (const FigureLine& line : figureLines(figures)) {
        canvas.text(250, y, kFont, 35, line.caption + QLatin1Char(':'));
        canvas.text(1310, y, kFont, 35, line.value);
        y += 55;
    }

    rule(2750);
    canvas.text(150, 2760, kFont, 30, QString::fromUtf8(kProgramCaption));
}

} // namespace orv
