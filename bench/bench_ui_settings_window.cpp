// Opening the settings window with F8: set up afresh (the first opening, or after a save, cancel or Esc)
// and brought back after the title bar's close box hid it. Timed from the command to the painted window;
// both must stay well below 50 ms.

#include "bench_ui_support.h"
#include "ui/settings/settings_commands.h"
#include "ui/settings/settings_window.h"

#include <QAction>

namespace {

using Clock = std::chrono::steady_clock;

template <class Prepare> void timeOpenings(benchmark::State& state, Prepare prepareNext)
{
    orv::bench::StartedProgram program;
    orv::SettingsCommands& settings = program.application().settingsCommands();
    QAction* f8 = program.window().command(QStringLiteral("AVorgaben"));
    std::vector<double> seconds;
    for (auto _ : state) {
        const auto begin = Clock::now();
        f8->trigger();
        QApplication::processEvents(); // shows and paints it
        const double elapsed = std::chrono::duration<double>(Clock::now() - begin).count();
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
        if (!settings.window() || !settings.window()->isVisible()) {
            state.SkipWithError("the settings window did not open");
            return;
        }
        prepareNext(*settings.window());
    }
    orv::bench::reportMedian(state, seconds, 1e3);
    state.SetLabel("median in ms");
}

void BM_SettingsWindowSetUp(benchmark::State& state)
{
    timeOpenings(state, [](orv::SettingsWindow& window) {
        window.escape();
        QApplication::processEvents(); // the window is deleted before the next opening
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
}

void BM_SettingsWindowShownAgain(benchmark::State& state)
{
    timeOpenings(state, [](orv::SettingsWindow& window) {
        window.close();
        QApplication::processEvents();
    });
}

} // namespace

BENCHMARK(BM_SettingsWindowSetUp)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SettingsWindowShownAgain)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[])
{
    return orv::bench::runWindowBenchmarks(argc, argv);
}
