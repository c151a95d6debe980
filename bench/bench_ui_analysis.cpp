// The analysis window open beside the main window: one keystroke into Länge of worked example 2 runs the
// whole road of the main window and then the window's update — the analysis (a load line of 34 points
// through the formula core, the heat-pump check), both tables, and the window drawn with both pictures. The
// keystroke without the window open is measured alongside, so the difference is the window's cost. The
// drawing goes into an image: the offscreen platform's copy of a changed window to its screen costs about
// 2 ms for any widget, however small, and is not the window's.

#include "bench_ui_support.h"
#include "core/dialogs.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "ui/analysis/analysis_commands.h"
#include "ui/analysis/analysis_window.h"
#include "ui/application.h"
#include "ui/input_edit.h"
#include "ui/main_window.h"
#include "ui/program_commands.h"
#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using orv::bench::reportMedian;
using orv::bench::showWithBuilding;
using orv::bench::SilentDialogs;

using Clock = std::chrono::steady_clock;

enum class Drawn
{
    Nothing,  // the analysis and both tables brought up to date; painting waits for the event loop
    Pictures, // ... and both pictures drawn
    Whole     // ... and the whole window drawn, tables, inputs and frames included
};

void keystrokes(benchmark::State& state, bool windowOpen, Drawn drawn = Drawn::Nothing)
{
    QTemporaryDir dir;
    const QString programDir = dir.path() + QLatin1Char('/');
    SilentDialogs dialogs;
    orv::SettingsRecord settings = orv::shippedDefaultSettings(programDir);
    settings.ShowWelcomeWindow = false;
    settings.DefaultOutdoorTemperature = -14;
    orv::Vorgaben_Speichern(settings, programDir, dialogs);

    orv::Application application(programDir, dialogs);
    application.start();
    orv::MainWindow& window = application.mainWindow();
    showWithBuilding(window);
    using enum orv::InputId;

    orv::AnalysisWindow* analysis = nullptr;
    if (windowOpen) {
        application.commands().analysis().showAnalysisWindow();
        analysis = application.commands().analysis().analysisWindow();
        const char* pump[] = {"-7", "8", "2", "10"};
        for (int i = 0; i < 4; ++i)
            analysis->pumpEdit(i)->setText(QString::fromLatin1(pump[i]));
        if (!QTest::qWaitForWindowExposed(analysis)) {
            state.SkipWithError("the analysis window was not shown");
            return;
        }
    }
    QImage frame(analysis ? analysis->size() : QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
    std::vector<QWidget*> pictures;
    if (analysis)
        pictures = {analysis->findChild<QWidget*>(QStringLiteral("LossBars")),
                    analysis->findChild<QWidget*>(QStringLiteral("LoadChart"))};
    orv::InputEdit* length = window.input(Length);
    length->setFocus();
    length->end(false);

    std::vector<double> seconds;
    bool digit = true;
    QString previous = analysis ? analysis->loadTable()->item(0, 1)->text() : QString();
    for (auto _ : state) {
        const auto begin = Clock::now();
        QTest::keyClick(length, digit ? Qt::Key_1 : Qt::Key_Backspace);
        // The whole window drawn as its next paint event would, into an image: the platform's copy of the
        // window to the screen is left out, it costs the same for any widget that changes.
        if (analysis && drawn == Drawn::Pictures)
            for (QWidget* picture : pictures)
                picture->render(&frame);
        else if (analysis && drawn == Drawn::Whole)
            analysis->render(&frame);
        const double elapsed = std::chrono::duration<double>(Clock::now() - begin).count();
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
        if (analysis) {
            const QString now = analysis->loadTable()->item(0, 1)->text();
            if (now == previous) {
                state.SkipWithError("the analysis did not follow the keystroke");
                return;
            }
            previous = now;
        }
        digit = !digit;
    }
    reportMedian(state, seconds, 1e6);
    state.SetLabel("median in µs");
}

void BM_KeystrokeWithoutAnalysisWindow(benchmark::State& state)
{
    keystrokes(state, false);
}

void BM_KeystrokeWithAnalysisWindow(benchmark::State& state)
{
    keystrokes(state, true);
}

void BM_KeystrokeWithAnalysisWindowAndPictures(benchmark::State& state)
{
    keystrokes(state, true, Drawn::Pictures);
}

void BM_KeystrokeWithAnalysisWindowDrawnWhole(benchmark::State& state)
{
    keystrokes(state, true, Drawn::Whole);
}

} // namespace

BENCHMARK(BM_KeystrokeWithoutAnalysisWindow)
    ->UseManualTime()
    ->Iterations(1000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeWithAnalysisWindow)->UseManualTime()->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeWithAnalysisWindowAndPictures)
    ->UseManualTime()
    ->Iterations(1000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeWithAnalysisWindowDrawnWhole)
    ->UseManualTime()
    ->Iterations(1000)
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char* argv[])
{
    return orv::bench::runWindowBenchmarks(argc, argv);
}
