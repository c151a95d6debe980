// The layer calculator's two costs a user feels: opening it the first time (the window built, the
// shipped catalogue read and group 1 listed, the building's layers loaded) and one keystroke in the layer
// table to the updated k and R fields. Each benchmark reports the median as well as the mean.

#include "bench_ui_support.h"
#include "core/dialogs.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "tools/material_catalog.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/tools/layer_calculator_window.h"
#include "ui/tools/layer_tool_commands.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

using orv::bench::reportMedian;
using orv::bench::SilentDialogs;

// A started program whose directory holds the shipped catalogue (built beside the benchmarks).
class Program
{
  public:
    Program()
    {
        orv::SettingsRecord settings = orv::shippedDefaultSettings(path());
        settings.ShowWelcomeWindow = false;
        orv::Vorgaben_Speichern(settings, path(), dialogs);
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/../data/") +
                        QLatin1String(orv::kCatalogFileName),
                    path() + QLatin1String(orv::kCatalogFileName));
        application = std::make_unique<orv::Application>(path(), dialogs);
        application->start();
        application->mainWindow().show();
        application->mainWindow().finishStartup();
    }
    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    orv::LayerCalculatorWindow* calculator() { return application->layerTool().calculator(); }

    SilentDialogs dialogs;
    std::unique_ptr<orv::Application> application;

  private:
    QTemporaryDir m_dir;
};

void BM_OpenLayerCalculator(benchmark::State& state)
{
    Program program;
    QAction* command = program.application->mainWindow().command(QStringLiteral("Ak_Wert"));
    std::vector<double> seconds;
    for (auto _ : state) {
        const auto begin = Clock::now();
        command->trigger();
        const double elapsed = std::chrono::duration<double>(Clock::now() - begin).count();
        orv::LayerCalculatorWindow* calculator = program.calculator();
        if (!calculator || !calculator->isVisible() || calculator->catalogList()->rowCount() == 0) {
            state.SkipWithError("the calculator did not open with its catalogue");
            return;
        }
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
        calculator->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    reportMedian(state, seconds, 1e3);
    state.SetLabel("median in ms");
}

// Alternately a digit and a backspace in the thickness of the second of two layers.
void BM_KeystrokeInLayerTable(benchmark::State& state)
{
    Program program;
    program.application->mainWindow().command(QStringLiteral("Ak_Wert"))->trigger();
    orv::LayerCalculatorWindow* calculator = program.calculator();
    QApplication::processEvents();
    QApplication::setActiveWindow(calculator);
    QTableWidget* table = calculator->layerTable();
    const char* const layers[2][3] = {{"Kalkzementputz", "1,5", "1,000"},
                                      {"Kalksandstein 1800", "17", "0,990"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            table->item(r, c + 1)->setText(QString::fromUtf8(layers[r][c]));
    auto* kField = calculator->findChild<QLineEdit*>(QStringLiteral("KField"));
    table->setFocus();
    table->setCurrentCell(1, 2);
    QTest::keyClick(table, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    if (!qobject_cast<QLineEdit*>(editor)) {
        state.SkipWithError("no editor in the thickness cell");
        return;
    }
    static_cast<QLineEdit*>(editor)->end(false);

    orv::bench::timeAlternatingKeystrokes(
        state, editor, [&] { return kField->text(); }, "the k field did not follow the keystroke");
}

} // namespace

BENCHMARK(BM_OpenLayerCalculator)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeInLayerTable)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

int main(int argc, char* argv[])
{
    return orv::bench::runWindowBenchmarks(argc, argv);
}
