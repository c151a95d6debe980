// One refresh tick of the state display, with and without painting, with worked example 2 calculated and the
// window expanded: every status word, counter, the typed keys and all value groups rewritten from the
// session. It runs every 300 ms while the user types, so it must stay far below a keystroke's cost.

#include "bench_ui_support.h"
#include "ui/application.h"
#include "ui/info/info_commands.h"
#include "ui/info/state_display.h"
#include "ui/main_window.h"
#include "ui/program_commands.h"
#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QLabel>

#include <benchmark/benchmark.h>

namespace {

// With `paint`, the event loop then paints what the tick changed, as it would in the program.
void refreshTicks(benchmark::State& state, bool paint)
{
    orv::bench::StartedProgram program;
    orv::Application& application = program.application();

    application.commands().info().showStateDisplay();
    orv::StateDisplay* display = application.commands().info().stateDisplay();
    display->setExpanded(true);
    auto* volume = display->findChild<QLabel*>(QStringLiteral("V_Geb "));
    QApplication::processEvents();

    // Alternate the building so that every tick has values to change, as while typing (two stores: free).
    bool longer = false;
    for (auto _ : state) {
        application.session().building.BuildingVolume = longer ? 1000.0f : 960.0f;
        ++application.session().results.CalculationCount;
        longer = !longer;
        display->refresh();
        if (paint)
            QApplication::processEvents(); // paints what changed
    }
    // The last tick showed the value set before `longer` flipped.
    if (volume->text() != (longer ? QStringLiteral("960,00") : QStringLiteral("1.000,00")))
        state.SkipWithError("the display did not follow the building");
}

void BM_StateDisplayRefresh(benchmark::State& state)
{
    refreshTicks(state, false);
}

void BM_StateDisplayRefreshAndPaint(benchmark::State& state)
{
    refreshTicks(state, true);
}

} // namespace

BENCHMARK(BM_StateDisplayRefresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StateDisplayRefreshAndPaint)->Unit(benchmark::kMicrosecond);

int main(int argc, char* argv[])
{
    return orv::bench::runWindowBenchmarks(argc, argv);
}
