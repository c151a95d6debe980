#pragma once

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace orv {

struct BuildingRecord;
struct SettingsRecord;

// The text fields of the values page: the defaults for new buildings and the open building's values.
enum class DefaultsField
{
    DefaultRoomTemperature,
    DefaultOutdoorTemperature,
    DefaultGroundwaterDepth,
    DefaultGroundwaterTemperature,
    DefaultMinAirChange,
    DefaultVentilationShare,
    DefaultUsableAreaShare,
    RoomTemperature,
    OutsideTemperature,
    GroundwaterDepth,
    GroundwaterTemperature,
    MinAirChange,
    VentilationShare,
    UsableAreaPercent,
};
constexpr int kDefaultsFieldCount = 14;

// What each field admits as typed characters.
enum class DefaultsKeyFilter
{
    Digits,
    DigitsAndMinus,
    Decimal,
};
DefaultsKeyFilter keyFilterOf(DefaultsField field);
// The character a typed `c` becomes in a field with `filter`, or nothing when it is dropped.
// Backspace is the caller's: it always passes.
std::optional<QChar> filterTypedCharacter(DefaultsKeyFilter filter, QChar c);

struct DefaultsTexts
{
    std::array<QString, kDefaultsFieldCount> text;
    bool defaultTallBuildingShare = false;
    bool raiseShareAbove10m = false;

    QString& operator[](DefaultsField f) { return text[static_cast<int>(f)]; }
    const QString& operator[](DefaultsField f) const { return text[static_cast<int>(f)]; }
};

DefaultsTexts defaultsTextsFrom(const SettingsRecord& settings, const BuildingRecord& building);

// The first field whose text is empty or a spelling of zero; none means the page may be saved.
std::optional<DefaultsField> firstIncompleteField(const DefaultsTexts& texts);

struct DefaultsProblem
{
    DefaultsField field;
    QString message;
};

// Every range check, in the order the user is told about them; a text that is no number fails with
// the conversion message.
std::vector<DefaultsProblem> validateDefaults(const DefaultsTexts& texts);

// Converts every field and stores into both records only when all of them convert, so a refused save
// never leaves half of the values changed in memory. Decimal values are kept rounded to one decimal,
// as they were shown.
std::optional<DefaultsProblem> storeDefaults(const DefaultsTexts& texts, SettingsRecord& settings,
                                             BuildingRecord& building);

// "Standard values": the factory texts of the defaults column.
void setFactoryDefaultTexts(DefaultsTexts& texts);
// Copies the defaults column into the open building's column.
void transferDefaultsToBuilding(DefaultsTexts& texts);

} // namespace orv
