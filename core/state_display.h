#pragma once

// What the state display shows, as texts: the status words of the file state and the results, the six
// counters, the input trace and the value groups. The window rewrites its labels from these at every
// refresh, so nothing here keeps a value between two calls.

#include <QString>

#include <array>
#include <vector>

namespace orv {

struct BuildingRecord;
struct CalculationResults;
struct FileState;

// "BOOLEANS:": opened, saved, modified, calculated.
std::array<QString, 4> statusWords(const FileState& file, bool resultsValid);

// In the order shown: calculations, completeness checks, key presses, changes, readings, automatic saves.
inline constexpr int kStateCounters = 6;
using StateCounters = std::array<int, kStateCounters>;
extern const std::array<const char*, kStateCounters> kStateCounterCaptions;

// The last typed character as a text ("" before the first key) and its character code.
QString currentCharacter(const QString& lastKey);
QString characterCode(const QString& lastKey);
// The running string of typed characters: the last key is added when it differs from the trace's last
// character. Only the newest `kTraceLength` characters are kept.
inline constexpr int kTraceLength = 80;
QString extendTrace(const QString& trace, const QString& lastKey);

// One line of a value group; a line without a value is a sub-heading.
struct StateValue
{
    const char* caption;
    QString value;
    bool heading = false;
};

struct StateValueGroup
{
    const char* title;
    std::vector<StateValue> values;
};

// "Berechnungs-Werte", "Flächen" and "Gebäude-Daten", always with the same lines in the same order.
std::vector<StateValueGroup> stateValueGroups(const BuildingRecord& building,
                                              const CalculationResults& results);

} // namespace orv
