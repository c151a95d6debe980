#pragma once

#include "core/messages.h"

#include <QString>

#include <optional>

namespace orv {

struct BuildingRecord;

// The value of π the roof calculator uses in both directions (seven decimals).
inline constexpr double kRoofPi = 3.1415926;

// A symmetric gable roof whose ridge runs along the length L and which spans the width B.
struct RoofValues
{
    bool byHeight = false; // the roof was given by its height (else by its pitch)
    float height = 0;      // m, from the floor of the roof storey to the ridge
    int pitch = 0;         // whole degrees
    float roofArea = 0;    // m², both planes
    float volume = 0;      // m³
    float gableArea = 0;   // m², both gables

    friend bool operator==(const RoofValues&, const RoofValues&) = default;
};

// The field a refused entry is to be corrected in.
enum class RoofField
{
    Pitch,
    Height
};

struct RoofRefusal
{
    QString text;
    RoofField field = RoofField::Pitch;
};

struct RoofInput
{
    bool byHeight = false;
    QString heightText;
    QString pitchText;
    float length = 0;
    float width = 0;
    bool plausibilityChecks = false;
};

// Either the roof or why it is refused; the entry of the chosen way is checked in the order the user reads
// the messages: unreadable, then unrealistic, then not positive.
struct RoofOutcome
{
    std::optional<RoofValues> roof;
    RoofRefusal refusal;
};
RoofOutcome calculateRoof(const RoofInput& input);

// Areas and volume of the roof with the given height over L × B.
RoofValues roofFromHeight(float length, float width, float height, int pitch, bool byHeight);

// The roof calculator cannot start without length and width; none when it can.
std::optional<Message> roofOpeningRefusal(const BuildingRecord& building);

// The texts of the result fields.
QString roofAreaText(float area);
QString roofVolumeText(float volume);

// An error dialog with an OK button.
Message roofError(const QString& text);

} // namespace orv
