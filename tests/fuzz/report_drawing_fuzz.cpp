// A worked example with fields changed by the input, calculated as an automatic calculation; when the
// results may be printed, the report page and the analysis page (with an optional heat pump) are drawn on
// a recording canvas: no text shows a non-finite number and everything lies on the page.

#include "fuzz_checks.h"

#include "core/example_buildings.h"
#include "print/analysis_report.h"
#include "print/calculation_report.h"
#include "settings/settings_record.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

using namespace orv;
using namespace orv::fuzz;

namespace {

constexpr int kPageWidth = 2100; // 0.1 mm, A4
constexpr int kPageHeight = 2970;

float fuzzFloat(FuzzedDataProvider& in, float old)
{
    static constexpr float special[] = {0.0f,
                                        -0.0f,
                                        -1.0f,
                                        1e-30f,
                                        1e30f,
                                        3.4e38f,
                                        1e-45f,
                                        0.5f,
                                        100000.0f,
                                        std::numeric_limits<float>::quiet_NaN(),
                                        std::numeric_limits<float>::infinity()};
    switch (in.ConsumeIntegralInRange(0, 4)) {
    case 0:
        return in.ConsumeFloatingPoint<float>();
    case 1:
        return in.ConsumeFloatingPointInRange(0.0f, 50.0f);
    case 2:
        return in.ConsumeFloatingPointInRange(-1000.0f, 1000.0f);
    case 3:
        return in.PickValueInArray(special);
    default:
        return old * in.ConsumeFloatingPointInRange(0.0f, 10.0f);
    }
}

std::int32_t fuzzInt(FuzzedDataProvider& in)
{
    return in.ConsumeBool() ? in.ConsumeIntegral<std::int32_t>() : in.ConsumeIntegralInRange(-60, 60);
}

QString fuzzText(FuzzedDataProvider& in)
{
    QString text = QString::fromUtf8(in.ConsumeRandomLengthString(80));
    scrub(text);
    return text;
}

void edit(FuzzedDataProvider& in, BuildingRecord& r)
{
    float* const floats[] = {
        &r.BuildingLength,   &r.BuildingWidth,  &r.HeatedHeight,  &r.RoofHeight, &r.GroundWallHeight,
        &r.KOuterWall,       &r.KWindow,        &r.RFloor,        &r.KRoof,      &r.RGroundWall,
        &r.RoofArea,         &r.WindowArea,     &r.GableArea,     &r.RoofVolume, &r.MinAirChange,
        &r.VentilationShare, &r.WindowFraction, &r.OuterWallArea, &r.BaseArea,   &r.WindowCount[0],
        &r.WindowWidth[0],   &r.WindowHeight[0]};
    std::int32_t* const ints[] = {&r.RoomTemperature,   &r.OutsideTemperature,
                                  &r.GroundwaterDepth,  &r.GroundwaterTemperature,
                                  &r.UsableAreaPercent, &r.Storeys,
                                  &r.RoofPitch,         &r.BuildingType};
    bool* const flags[] = {&r.RoofSpaceHeated,    &r.CellarHeated,        &r.RoofByHeight,
                           &r.RoofFromCalculator, &r.WindowAreaEstimated, &r.RaiseShareAbove10m,
                           &r.HasBuildingInfo,    &r.HasWindowList};
    QString* const texts[] = {&r.BuildingName, &r.Editor,   &r.Client,  &r.Street,
                              &r.Town,         &r.PostCode, &r.InfoDate};
    const int edits = in.ConsumeIntegralInRange(0, 12);
    for (int i = 0; i < edits && in.remaining_bytes() > 0; ++i) {
        switch (in.ConsumeIntegralInRange(0, 4)) {
        case 0:
        case 1: {
            float* f = in.PickValueInArray(floats);
            *f = fuzzFloat(in, *f);
            break;
        }
        case 2:
            *in.PickValueInArray(ints) = fuzzInt(in);
            break;
        case 3: {
            bool* b = in.PickValueInArray(flags);
            *b = !*b;
            break;
        }
        default:
            *in.PickValueInArray(texts) = fuzzText(in);
            break;
        }
    }
}

void requireOnPage(const RecordingCanvas& canvas, const char* where)
{
    for (const DrawOp& op : canvas.ops) {
        const bool inside = op.x >= 0 && op.x <= kPageWidth && op.y >= 0 && op.y <= kPageHeight &&
                            (op.kind != DrawOp::Kind::Line ||
                             (op.x2 >= 0 && op.x2 <= kPageWidth && op.y2 >= 0 && op.y2 <= kPageHeight));
        require(inside, where, op.describe());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const SettingsRecord shipped = shippedDefaultSettings(QStringLiteral("/"));
    FuzzedDataProvider in(data, size);

    BuildingRecord building = in.ConsumeBool() ? workedExample2() : workedExample1();
    SettingsRecord settings = shipped;
    settings.PlausibilityChecks = in.ConsumeBool();
    settings.LoadIncreasePercent = in.ConsumeIntegralInRange(0, 100);
    settings.EditorName = fuzzText(in);
    std::optional<HeatPumpPoints> pump;
    if (in.ConsumeBool()) {
        HeatPumpPoints p;
        for (double* v : {&p.t1, &p.p1, &p.t2, &p.p2})
            *v = in.ConsumeBool() ? in.ConsumeFloatingPointInRange(-30.0, 30.0)
                                  : in.ConsumeFloatingPoint<double>();
        pump = p;
    }
    edit(in, building);

    CalculationResults results;
    const CalcOutcome outcome = calculateAndCheck(building, settings, results);
    if (!outcome.resultsValid)
        return 0;

    RecordingCanvas report;
    drawCalculationReport(report, building, results, settings, QStringLiteral("11.12.26"));
    checkDrawing(report, "report text");
    requireOnPage(report, "report drawing off the page");

    const AnalysisFigures figures = analysisFigures(building, settings, results, pump);
    for (const LossLine& line : lossLines(figures)) {
        requireFiniteText(line.watts, "loss watts");
        requireFiniteText(line.share, "loss share");
    }
    for (const FigureLine& line : figureLines(figures))
        requireFiniteText(line.value, "analysis figure");
    RecordingCanvas page;
    drawAnalysisPage(page, building, figures);
    checkDrawing(page, "analysis page text");
    requireOnPage(page, "analysis page drawing off the page");
    return 0;
}
