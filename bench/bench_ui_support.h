#pragma once

// What the window benchmarks share: dialogs that answer nothing, and the median beside the mean.

#include "core/dialogs.h"

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

} // namespace orv::bench
