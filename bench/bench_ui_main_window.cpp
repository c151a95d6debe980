// The main window's two costs a user feels: starting the program until the empty window is shown, and
// one keystroke from the key event to the updated result panels.
//
// Start-up is measured over whole processes: this program starts itself as a child that builds either the
// main window or a bare QMainWindow and reports once the window is exposed; the time runs from starting the
// child to that report. All children run on the same platform plugin (offscreen unless QT_QPA_PLATFORM
// says otherwise). The bare window with one label shows what the font system costs on its own: any window
// that shows text pays it once. Each benchmark reports the median as well as the mean.

#include "bench_ui_support.h"
#include "core/dialogs.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "ui/application.h"
#include "ui/input_edit.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using orv::bench::ProgramDir;
using orv::bench::reportMedian;
using orv::bench::showWithBuilding;
using orv::bench::SilentDialogs;

using Clock = std::chrono::steady_clock;

int runStartupChild(const QString& kind, const QString& programDir, int argc, char* argv[])
{
    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Derodedevoz"));
    orv::installGermanTranslations(qtApplication);
    SilentDialogs dialogs;
    std::unique_ptr<orv::Application> application;
    std::unique_ptr<QMainWindow> bare;
    QWidget* shown = nullptr;
    if (kind == QLatin1String("main")) {
        application = std::make_unique<orv::Application>(programDir, dialogs);
        application->start();
        application->mainWindow().showPlaced();
        shown = &application->mainWindow();
    } else {
        bare = std::make_unique<QMainWindow>();
        if (kind == QLatin1String("label")) // the first text starts the font system
            bare->setCentralWidget(new QLabel(QStringLiteral("Heizlastberechnung")));
        bare->resize(900, 600);
        bare->show();
        shown = bare.get();
    }
    if (!QTest::qWaitForWindowExposed(shown))
        return 1;
    std::fputs("shown\n", stdout);
    std::fflush(stdout);
    return 0;
}

void startChild(benchmark::State& state, const QStringList& arguments)
{
    std::vector<double> seconds;
    for (auto _ : state) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const auto begin = Clock::now();
        child.start(QCoreApplication::applicationFilePath(), arguments);
        const bool shown = child.waitForReadyRead(10000) && child.readAll().startsWith("shown");
        const double elapsed = std::chrono::duration<double>(Clock::now() - begin).count();
        child.waitForFinished(10000);
        if (!shown) {
            state.SkipWithError("the child did not show its window");
            return;
        }
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
    }
    reportMedian(state, seconds, 1e3);
    state.SetLabel("median in ms");
}

void BM_StartupBareWindow(benchmark::State& state)
{
    startChild(state, {QStringLiteral("--startup-child"), QStringLiteral("bare"), QString()});
}

void BM_StartupBareWindowWithLabel(benchmark::State& state)
{
    startChild(state, {QStringLiteral("--startup-child"), QStringLiteral("label"), QString()});
}

void BM_StartupMainWindow(benchmark::State& state)
{
    ProgramDir dir;
    startChild(state, {QStringLiteral("--startup-child"), QStringLiteral("main"), dir.path()});
}

// One keystroke into Länge of worked example 2, alternately a digit and a backspace; every one runs the
// whole road: key filter, change handling, reading, checks, calculation and all panel texts and hints.
void BM_KeystrokeToPanels(benchmark::State& state)
{
    orv::bench::StartedProgram program;
    orv::MainWindow& window = program.window();
    using enum orv::InputId;
    auto* load = window.findChild<QLabel*>(QStringLiteral("Panel4"));
    orv::InputEdit* length = window.input(Length);
    length->setFocus();
    length->end(false);

    orv::bench::timeAlternatingKeystrokes(
        state, length, [&] { return load->text(); }, "the panel did not follow the keystroke");
}

} // namespace

BENCHMARK(BM_StartupBareWindow)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupBareWindowWithLabel)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupMainWindow)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeToPanels)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 4 && QByteArray(argv[1]) == "--startup-child")
        return runStartupChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), argc, argv);
    return orv::bench::runWindowBenchmarks(argc, argv);
}
