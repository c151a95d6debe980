#include "print/analysis_report.h"

#include "core/building_record.h"
#include "core/calculation.h"
#include "core/input_reading.h"
#include "core/worked_examples.h"
#include "print/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace orv;

namespace {

AnalysisFigures figuresOf(BuildingRecord building, std::optional<HeatPumpPoints> pump = std::nullopt)
{
    const test::Calculated run = test::calculate(std::move(building));
    return analysisFigures(run.r, test::standardSettings(), run.c, pump);
}

std::vector<DrawOp> opsOf(const RecordingCanvas& canvas, DrawOp::Kind kind)
{
    std::vector<DrawOp> ops;
    std::copy_if(canvas.ops.begin(), canvas.ops.end(), std::back_inserter(ops),
                 [kind](const DrawOp& op) { return op.kind == kind; });
    return ops;
}

bool hasText(const RecordingCanvas& canvas, const QString& text)
{
    return std::any_of(canvas.ops.begin(), canvas.ops.end(),
                       [&](const DrawOp& op) { return op.kind == DrawOp::Kind::Text && op.text == text; });
}

TEST(AnalysisReportTest, BarsLargestFirstInProportion)
{
    const AnalysisFigures figures = figuresOf(test::workedExample1());
    RecordingCanvas canvas;
    drawLossBars(canvas, kLossBarsFrame, figures);

    // The unheated cellar's walls lose nothing and get no bar.
    const std::vector<DrawOp> bars = opsOf(canvas, DrawOp::Kind::Fill);
    ASSERT_EQ(bars.size(), 5u);
    for (std::size_t i = 1; i < bars.size(); ++i) {
        EXPECT_GT(bars[i].y, bars[i - 1].y);
        EXPECT_LE(bars[i].x2, bars[i - 1].x2);
    }
    // Windows 832 W against the outer walls' 2848 W.
    EXPECT_NEAR(double(bars[2].x2) / bars[0].x2, 832.0 / 2848.0, 0.002);
    EXPECT_TRUE(hasText(canvas, QStringLiteral("Außenwände")));
    EXPECT_TRUE(hasText(canvas, QStringLiteral("2.848 W   47,8 %")));
    EXPECT_TRUE(hasText(canvas, QStringLiteral("oberste Decke")));
}

TEST(AnalysisReportTest, LoadChartJoinsThePointsAndMarksDesignAndBivalencePoint)
{
    const AnalysisFigures plain = figuresOf(test::workedExample2());
    RecordingCanvas withoutPump;
    drawLoadChart(withoutPump, kLoadChartFrame, plain);
    EXPECT_FALSE(hasText(withoutPump, QStringLiteral("Heizleistung der Wärmepumpe")));

    const AnalysisFigures figures = figuresOf(test::workedExample2(), HeatPumpPoints{-7, 8, 2, 10});
    RecordingCanvas canvas;
    drawLoadChart(canvas, kLoadChartFrame, figures);
    EXPECT_TRUE(hasText(canvas, QStringLiteral("QN = 9,76 kW")));
    EXPECT_TRUE(hasText(canvas, QStringLiteral("Bivalenzpunkt -7,7 °C")));

    // The load line's 33 segments run from the design point to 19 °C, falling, end to end.
    const std::vector<DrawOp> lines = opsOf(canvas, DrawOp::Kind::Line);
    const std::vector<DrawOp> markers = opsOf(canvas, DrawOp::Kind::Fill);
    const auto design = std::find_if(markers.begin(), markers.end(),
                                     [](const DrawOp& op) { return op.rgb == 0 && op.x2 == 32; });
    ASSERT_NE(design, markers.end());
    const int designX = design->x + 16, designY = design->y + 16;
    auto segment = std::find_if(lines.begin(), lines.end(),
                                [&](const DrawOp& op) { return op.x == designX && op.y == designY; });
    int segments = 0;
    for (int x = designX, y = designY; segment != lines.end() && segment->x == x && segment->y == y;
         ++segment, ++segments) {
        EXPECT_GT(segment->x2, x);
        EXPECT_GT(segment->y2, y); // downward on the page: the load falls
        x = segment->x2;
        y = segment->y2;
    }
    EXPECT_EQ(segments, 33);

    // The bivalence marker sits between -8 and -7 °C: 6,32 of the 34 K from the design temperature.
    const auto bivalence = std::find_if(markers.begin(), markers.end(),
                                        [](const DrawOp& op) { return op.rgb != 0 && op.x2 == 32; });
    ASSERT_NE(bivalence, markers.end());
    const int leftOfChart = designX;
    const int rightOfChart = kLoadChartFrame.x + kLoadChartFrame.width - 40;
    EXPECT_NEAR(double(bivalence->x + 16 - leftOfChart) / (rightOfChart - leftOfChart), 6.318 / 34.0, 0.002);
}

TEST(AnalysisReportTest, PageStaysOnTheSheetAndListsTheFigures)
{
    BuildingRecord building = test::withInformation(test::workedExample2());
    const AnalysisFigures figures = figuresOf(building, HeatPumpPoints{-7, 8, 2, 10});
    RecordingCanvas page;
    drawAnalysisPage(page, building, figures);
    for (const DrawOp& op : page.ops) {
        EXPECT_GE(op.x, 0) << op.describe().toStdString();
        EXPECT_LE(op.kind == DrawOp::Kind::Line ? std::max(op.x, op.x2) : op.x, 1900)
            << op.describe().toStdString();
        EXPECT_GE(op.y, 0) << op.describe().toStdString();
        EXPECT_LE(op.y, 2760) << op.describe().toStdString();
    }
    EXPECT_TRUE(hasText(page, QStringLiteral("Bezeichnung: Haus Meier")));
    EXPECT_TRUE(hasText(page, QStringLiteral("Deckung bei -14 °C:")));
    EXPECT_TRUE(hasText(page, QStringLiteral("66,0 %")));
    EXPECT_TRUE(hasText(page, QStringLiteral("6,44 kW")));
    EXPECT_TRUE(hasText(page, QStringLiteral("-7,7 °C")));

    // Without a heat pump the page says nothing about one.
    RecordingCanvas plain;
    drawAnalysisPage(plain, building, figuresOf(building));
    EXPECT_FALSE(hasText(plain, QStringLiteral("Bivalenzpunkt:")));
    EXPECT_TRUE(hasText(plain, QStringLiteral("Gebäudeheizlast bei -14 °C:")));
}

TEST(AnalysisReportTest, UnusablePumpIsNoPump)
{
    AnalysisFigures figures = figuresOf(test::workedExample2(), HeatPumpPoints{2, 8, 2, 10});
    EXPECT_FALSE(figures.pump);
    EXPECT_FALSE(figures.check);
    figures.setPump(HeatPumpPoints{-7, 8, 2, 10});
    ASSERT_TRUE(figures.check);
    EXPECT_TRUE(figures.check->bivalencePoint);
    // Nor one whose line leaves the Singles: neither its figures nor its line are drawn.
    figures.setPump(HeatPumpPoints{-7, 3e38, 2, 0});
    EXPECT_FALSE(figures.pump);
    EXPECT_FALSE(figures.check);
    RecordingCanvas page;
    drawAnalysisPage(page, test::workedExample2(), figures);
    EXPECT_FALSE(hasText(page, QStringLiteral("Heizleistung der Wärmepumpe")));
}

} // namespace
