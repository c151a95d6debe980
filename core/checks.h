#pragma once

#include "core/input_reading.h"
#include "core/messages.h"

#include <QString>

#include <optional>
#include <vector>

namespace orv {

struct BuildingRecord;
struct SettingsRecord;

inline constexpr double kMaxBuildingLoad = 100000.0; // kW

// What the calculate command decided before the formula core.
struct CommandCheck
{
    bool allowed = true;
    std::vector<Message> messages;     // in the order they are shown
    std::optional<InputId> focus;      // the input that gets the focus afterwards
    std::optional<InputId> resetField; // the implausible value that was set to 0 in the record
};

// The calculate command's own checks: forms OuterWallArea and BaseArea, tests the window area (silent while
// automatic calculation is on) and, with plausibility checks on, the first k/R value above its limit, which
// is reset to 0 in the record.
CommandCheck commandChecks(BuildingRecord& record, const SettingsRecord& settings, bool autoCalcActive);

// Automatic calculation's checks: nothing is reset, the panel shows two lines instead of a message.
struct AutoCalcCheck
{
    bool allowed = true;
    QString firstLine;
    QString secondLine;
};
AutoCalcCheck autoCalcChecks(const BuildingRecord& record, const SettingsRecord& settings);

// Values no input can produce but a damaged file or settings can: NaN, infinities, negative sizes,
// no usable area, a room temperature not above the outside temperature, temperatures whose differences
// overflow.
// Returns the message that refuses the calculation, or nothing when it may run.
std::optional<Message> calculationRefusal(const BuildingRecord& record, const SettingsRecord& settings);

// After the formula core: absurd loads are not shown while plausibility checks are on, and never count as
// valid for printing.
bool loadTooLarge(const BuildingRecord& record);
Message tooLargeMessage();

} // namespace orv
