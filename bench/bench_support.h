#pragma once

// What the window benchmarks share: dialogs that must stay silent, the main window with a building, and
// the median beside the mean.

#include "core/dialogs.h"
#include "ui/main_window.h"

#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace orv::bench {

// Nothing is asked during a benchmark; a question would be a fault of the set-up.
class SilentDialogs final : public orv::Dialogs
{
  public:
    orv::MessageAnswer show(const orv::Message& message) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(message.text));
        return orv::MessageAnswer::Cancel;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> openFile(const orv::FileDialogRequest&) override { return {}; }
    std::optional<QString> saveFile(const orv::FileDialogRequest&) override { return {}; }
};

inline void reportMedian(benchmark::State& state, std::vector<double> seconds, double scale)
{
    std::sort(seconds.begin(), seconds.end());
    if (!seconds.empty())
        state.counters["median"] = seconds[seconds.size() / 2] * scale;
}

// Shows the started main window and types the dimensions and components of worked example 2 (with the
// program's building values: its results follow every keystroke).
inline void showWithBuilding(orv::MainWindow& window)
{
    window.show();
    window.finishStartup();
    using enum orv::InputId;
    const std::pair<orv::InputId, const char*> building[] = {
        {Length, "12"},   {Width, "9"},    {HeatedHeight, "5"}, {KOuterWall, "0,4"},
        {KWindow, "1,6"}, {RFloor, "1,5"}, {KRoof, "0,25"},     {WindowArea, "30"}};
    for (const auto& [id, text] : building)
        QTest::keyClicks(window.input(id), QString::fromLatin1(text));
}

} // namespace orv::bench
