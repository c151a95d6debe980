#pragma once

#include <QString>

#include <array>

namespace orv {

struct BuildingRecord;
struct CalculationResults;

// The main window's building inputs, in the order they are read.
enum class InputId
{
    Length,           // Edit1, BuildingLength
    Width,            // Edit2, BuildingWidth
    HeatedHeight,     // Edit3
    KOuterWall,       // Edit5
    KWindow,          // Edit6
    RFloor,           // Edit7
    KRoof,            // Edit8
    Storeys,          // Edit9, integer
    WindowArea,       // Edit11
    RoofArea,         // Edit4, only with heated roof space
    RoofVolume,       // Edit13
    GableArea,        // Edit10
    RGroundWall,      // Edit12, only with heated cellar
    GroundWallHeight, // Edit17
};
constexpr int kInputCount = 14;

using InputTexts = std::array<QString, kInputCount>;

inline QString& textOf(InputTexts& texts, InputId id)
{
    return texts[static_cast<int>(id)];
}
inline const QString& textOf(const InputTexts& texts, InputId id)
{
    return texts[static_cast<int>(id)];
}

inline constexpr const char* kInputErrorMessage = "Eingabefehler in einem Eingabefeld!\r\rBitte korrigieren.";

// Reads all inputs into the record in their fixed order; the roof-space and cellar choices are taken
// from the record. Empty text gives 0. On the first text that is not a number the reading stops and
// returns false: fields read so far keep their new values, the rest their old ones.
bool readInputs(const InputTexts& texts, BuildingRecord& record, CalculationResults& results);

// What reading does beyond converting texts: the unheated roof space and cellar contribute nothing,
// and the ventilation share for tall buildings. Applied to a building taken as stored, too.
void normaliseRoofSpace(BuildingRecord& record);
void normaliseCellar(BuildingRecord& record);
float effectiveShare(const BuildingRecord& record);

// All inputs the calculation needs are non-zero (and the last reading succeeded).
bool inputsComplete(const BuildingRecord& record);

// The storeys suggested for a heated height: 1 below 2.76 m, else the whole part of H / 2.75.
int suggestedStoreys(float heatedHeight);

} // namespace orv
