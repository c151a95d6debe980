#pragma once

#include "core/messages.h"

#include <QString>

#include <optional>

namespace orv {

struct BuildingRecord;
struct SettingsRecord;
struct CalculationResults;

enum class CalcStatus
{
    Ok,
    Incomplete,
    Implausible,
    TooLarge,
    Invalid
};

struct CalcOutcome
{
    CalcStatus status = CalcStatus::Ok;
    QString message;           // the German text the window would show, if any
    bool resultsShown = false; // the result fields hold a fresh calculation that the window displays
    bool resultsValid = false; // ... and it may be printed
};

// A building taken as stored goes the road of an automatic calculation: the normalisation of input
// reading, completeness, the automatic checks, the refusal of unusable values, the formula core and
// the magnitude check.
CalcOutcome calculateStoredBuilding(BuildingRecord& record, const SettingsRecord& settings,
                                    CalculationResults& results);

// True when every result of the last calculation, the run-time ones included, is a finite number.
bool resultsFinite(const BuildingRecord& record, const CalculationResults& results);

// After the formula core: a calculation whose values are not finite or whose loads come out negative
// (only damaged files or settings get there) has no results. Returns the message that says why.
std::optional<Message> resultsRefusal(const BuildingRecord& record, const CalculationResults& results);

} // namespace orv
