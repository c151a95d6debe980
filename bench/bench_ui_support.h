#pragma once

// What the window benchmarks share: dialogs that never answer, the median beside the mean, a program
// directory with the shipped settings, and the inputs of worked example 2 typed into the main window.

#include "core/dialogs.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "ui/application.h"
#include "ui/input_edit.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

#include <QApplication>

#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace orv::bench {

// Nothing is asked during a benchmark; a question would be a fault of the set-up.
class SilentDialogs final : public Dialogs
{
  public:
    MessageAnswer show(const Message& message) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(message.text));
        return MessageAnswer::Cancel;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> openFile(const FileDialogRequest&) override { return {}; }
    std::optional<QString> saveFile(const FileDialogRequest&) override { return {}; }
};

inline void reportMedian(benchmark::State& state, std::vector<double> seconds, double scale)
{
    std::sort(seconds.begin(), seconds.end());
    if (!seconds.empty())
        state.counters["median"] = seconds[seconds.size() / 2] * scale;
}

// One keystroke into `target` per iteration, alternately "1" and a backspace, timed from the key to its
// last effect. `watched` reads the text that must follow every key; one that did not measured nothing.
template <class Watched>
void timeAlternatingKeystrokes(benchmark::State& state, QWidget* target, Watched watched, const char* stuck)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> seconds;
    bool digit = true;
    QString previous = watched();
    for (auto _ : state) {
        const auto begin = Clock::now();
        QTest::keyClick(target, digit ? Qt::Key_1 : Qt::Key_Backspace);
        const double elapsed = std::chrono::duration<double>(Clock::now() - begin).count();
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
        if (watched() == previous) {
            state.SkipWithError(stuck);
            return;
        }
        previous = watched();
        digit = !digit;
    }
    reportMedian(state, seconds, 1e6);
    state.SetLabel("median in µs");
}

// The window benchmarks' main: offscreen unless a platform is named, Qt's German texts, then the
// registered benchmarks.
inline int runWindowBenchmarks(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApplication(argc, argv);
    installGermanTranslations(qtApplication);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

class ProgramDir
{
  public:
    ProgramDir()
    {
        SilentDialogs dialogs;
        SettingsRecord settings = shippedDefaultSettings(path());
        settings.ShowWelcomeWindow = false;
        Vorgaben_Speichern(settings, path(), dialogs);
    }
    QString path() const { return m_dir.path() + QLatin1Char('/'); }

  private:
    QTemporaryDir m_dir;
};

// The building of worked example 2 (roof space and cellar left unheated), key by key; with the
// program's building values its results follow every keystroke.
inline void typeExample2Inputs(MainWindow& window)
{
    using enum InputId;
    const std::pair<InputId, const char*> building[] = {
        {Length, "12"},   {Width, "9"},    {HeatedHeight, "5"}, {KOuterWall, "0,4"},
        {KWindow, "1,6"}, {RFloor, "1,5"}, {KRoof, "0,25"},     {WindowArea, "30"}};
    for (const auto& [id, text] : building)
        QTest::keyClicks(window.input(id), QString::fromLatin1(text));
}

// Shows the started main window and types worked example 2.
inline void showWithBuilding(MainWindow& window)
{
    window.show();
    window.finishStartup();
    typeExample2Inputs(window);
}

// The program started in its own directory, its window shown and worked example 2 typed in.
class StartedProgram
{
  public:
    StartedProgram() : m_application(m_dir.path(), m_dialogs)
    {
        m_application.start();
        showWithBuilding(window());
    }
    Application& application() { return m_application; }
    MainWindow& window() { return m_application.mainWindow(); }

  private:
    ProgramDir m_dir;
    SilentDialogs m_dialogs;
    Application m_application;
};

} // namespace orv::bench
