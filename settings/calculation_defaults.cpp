#include "settings/calculation_defaults.h"

#include "core/building_record.h"
#include "core/german_numbers.h"
#include "settings/settings_record.h"

#include <cmath>

namespace orv {

namespace {

using F = DefaultsField;

bool isDecimal(F f)
{
    return f == F::DefaultMinAirChange || f == F::DefaultVentilationShare || f == F::MinAirChange ||
           f == F::VentilationShare;
}

std::optional<double> readNumber(const DefaultsTexts& texts, F f)
{
    if (isDecimal(f)) {
        if (auto v = parseDecimal(texts[f], true))
            return *v;
        return std::nullopt;
    }
    if (auto v = parseInteger(texts[f], true))
        return *v;
    return std::nullopt;
}

float roundedToOneDecimal(float v)
{
    return parseDecimal(formatNumber("%-0.1f", v), true).value_or(v);
}

} // namespace

DefaultsKeyFilter keyFilterOf(DefaultsField field)
{
    if (isDecimal(field))
        return DefaultsKeyFilter::Decimal;
    if (field == F::DefaultOutdoorTemperature || field == F::OutsideTemperature)
        return DefaultsKeyFilter::DigitsAndMinus;
    return DefaultsKeyFilter::Digits;
}

std::optional<QChar> filterTypedCharacter(DefaultsKeyFilter filter, QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c;
    switch (filter) {
    case DefaultsKeyFilter::Digits:
        return std::nullopt;
    case DefaultsKeyFilter::DigitsAndMinus:
        if (c == QLatin1Char('-'))
            return c;
        return std::nullopt;
    case DefaultsKeyFilter::Decimal:
        if (c == QLatin1Char('.') || c == QLatin1Char(','))
            return QLatin1Char(',');
        return std::nullopt;
    }
    return std::nullopt;
}

DefaultsTexts defaultsTextsFrom(const SettingsRecord& s, const BuildingRecord& b)
{
    DefaultsTexts t;
    const auto num = [](int v) { return QString::number(v); };
    const auto dec = [](float v) { return formatNumber("%-0.1f", v); };
    t[F::DefaultRoomTemperature] = num(s.DefaultRoomTemperature);
    t[F::DefaultOutdoorTemperature] = num(s.DefaultOutdoorTemperature);
    t[F::DefaultGroundwaterDepth] = num(s.DefaultGroundwaterDepth);
    t[F::DefaultGroundwaterTemperature] = num(s.DefaultGroundwaterTemperature);
    t[F::DefaultMinAirChange] = dec(s.DefaultMinAirChange);
    t[F::DefaultVentilationShare] = dec(s.DefaultVentilationShare);
    t[F::DefaultUsableAreaShare] = num(s.DefaultUsableAreaShare);
    t[F::RoomTemperature] = num(b.RoomTemperature);
    t[F::OutsideTemperature] = num(b.OutsideTemperature);
    t[F::GroundwaterDepth] = num(b.GroundwaterDepth);
    t[F::GroundwaterTemperature] = num(b.GroundwaterTemperature);
    t[F::MinAirChange] = dec(b.MinAirChange);
    t[F::VentilationShare] = dec(b.VentilationShare);
    t[F::UsableAreaPercent] = num(b.UsableAreaPercent);
    t.defaultTallBuildingShare = s.DefaultTallBuildingShare;
    t.raiseShareAbove10m = b.RaiseShareAbove10m;
    return t;
}

std::optional<DefaultsField> firstIncompleteField(const DefaultsTexts& texts)
{
    static const QStringList zeros = {
        QStringLiteral("0"),   QStringLiteral("00"),   QStringLiteral(","),     QStringLiteral(",0"),
        QStringLiteral(",00"), QStringLiteral("0,"),   QStringLiteral("0,0"),   QStringLiteral("0,00"),
        QStringLiteral("00,"), QStringLiteral("00,0"), QStringLiteral("00,00"),
    };
    static constexpr F order[] = {
        F::DefaultGroundwaterDepth,       F::GroundwaterDepth,
        F::DefaultGroundwaterTemperature, F::GroundwaterTemperature,
        F::DefaultVentilationShare,       F::VentilationShare,
        F::DefaultRoomTemperature,        F::RoomTemperature,
        F::DefaultOutdoorTemperature,     F::OutsideTemperature,
        F::DefaultUsableAreaShare,        F::UsableAreaPercent,
        F::DefaultMinAirChange,           F::MinAirChange,
    };
    for (F f : order)
        if (texts[f].isEmpty() || zeros.contains(texts[f]))
            return f;
    return std::nullopt;
}

std::vector<DefaultsProblem> validateDefaults(const DefaultsTexts& texts)
{
    struct Check
    {
        F field;
        double low;
        double high;
        const char* message;
    };
    static const char* const room =
        "Geben Sie einen gültigen Wert für die Raumtemperatur ein (5 bis 100 °C).";
    static const char* const outside =
        "Geben Sie einen gültigen Wert für die Außentemperatur ein (-20 bis 0 °C).";
    static const char* const ground =
        "Geben Sie einen gültigen Wert für die Grundwassertemperatur ein (< 20 °C).";
    static const char* const air = "Geben Sie einen gültigen Wert für den Mindestluftwechsel ein (0 bis 50).";
    static const char* const share =
        "Geben Sie einen gültigen Wert für den Lüftungswärmeanteil ein (0 bis 2).";
    static const char* const usable = "Geben Sie einen gültigen Wert für den Anteil ein (50 bis 100 %).";
    const double none = -HUGE_VAL;
    const Check checks[] = {
        {F::DefaultRoomTemperature, 5, 100, room},
        {F::RoomTemperature, 5, 100, room},
        {F::DefaultOutdoorTemperature, -20, 0, outside},
        {F::OutsideTemperature, -20, 0, outside},
        {F::DefaultGroundwaterTemperature, none, 20, ground},
        {F::GroundwaterTemperature, none, 20, ground},
        {F::DefaultMinAirChange, 0, 50, air},
        {F::MinAirChange, 0, 50, air},
        {F::DefaultVentilationShare, 0, 2, share},
        {F::VentilationShare, 0, 2, share},
        {F::DefaultUsableAreaShare, 50, 100, usable},
        {F::UsableAreaPercent, 50, 100, usable},
    };
    std::vector<DefaultsProblem> problems;
    for (const Check& c : checks) {
        const auto value = readNumber(texts, c.field);
        if (!value) {
            problems.push_back({c.field, isDecimal(c.field) ? decimalConversionMessage(texts[c.field])
                                                            : integerConversionMessage(texts[c.field])});
        } else if (*value < c.low || *value > c.high) {
            problems.push_back({c.field, QString::fromUtf8(c.message)});
        }
    }
    return problems;
}

std::optional<DefaultsProblem> storeDefaults(const DefaultsTexts& texts, SettingsRecord& s, BuildingRecord& b)
{
    static constexpr F decimals[] = {F::DefaultVentilationShare, F::DefaultMinAirChange, F::VentilationShare,
                                     F::MinAirChange};
    std::array<float, kDefaultsFieldCount> decimal{};
    for (F f : decimals) {
        const auto v = parseDecimal(texts[f], true);
        if (!v)
            return DefaultsProblem{f, extraCommaMessage()};
        decimal[static_cast<int>(f)] = roundedToOneDecimal(*v);
    }
    static constexpr F integers[] = {
        F::DefaultGroundwaterDepth, F::DefaultGroundwaterTemperature,
        F::DefaultRoomTemperature,  F::DefaultOutdoorTemperature,
        F::DefaultUsableAreaShare,  F::GroundwaterDepth,
        F::GroundwaterTemperature,  F::RoomTemperature,
        F::OutsideTemperature,      F::UsableAreaPercent,
    };
    std::array<std::int32_t, kDefaultsFieldCount> integer{};
    for (F f : integers) {
        const auto v = parseInteger(texts[f], true);
        if (!v)
            return DefaultsProblem{f, integerConversionMessage(texts[f])};
        integer[static_cast<int>(f)] = *v;
    }
    const auto d = [&](F f) { return decimal[static_cast<int>(f)]; };
    const auto i = [&](F f) { return integer[static_cast<int>(f)]; };
    s.DefaultVentilationShare = d(F::DefaultVentilationShare);
    s.DefaultMinAirChange = d(F::DefaultMinAirChange);
    b.VentilationShare = d(F::VentilationShare);
    b.MinAirChange = d(F::MinAirChange);
    s.DefaultGroundwaterDepth = i(F::DefaultGroundwaterDepth);
    s.DefaultGroundwaterTemperature = i(F::DefaultGroundwaterTemperature);
    s.DefaultTallBuildingShare = texts.defaultTallBuildingShare;
    s.DefaultRoomTemperature = i(F::DefaultRoomTemperature);
    s.DefaultOutdoorTemperature = i(F::DefaultOutdoorTemperature);
    s.DefaultUsableAreaShare = i(F::DefaultUsableAreaShare);
    b.GroundwaterDepth = i(F::GroundwaterDepth);
    b.GroundwaterTemperature = i(F::GroundwaterTemperature);
    b.RaiseShareAbove10m = texts.raiseShareAbove10m;
    b.RoomTemperature = i(F::RoomTemperature);
    b.OutsideTemperature = i(F::OutsideTemperature);
    b.UsableAreaPercent = i(F::UsableAreaPercent);
    return std::nullopt;
}

void setFactoryDefaultTexts(DefaultsTexts& t)
{
    t[F::DefaultGroundwaterDepth] = QStringLiteral("5");
    t[F::DefaultGroundwaterTemperature] = QStringLiteral("10");
    t[F::DefaultVentilationShare] = QStringLiteral("0,5");
    t[F::DefaultRoomTemperature] = QStringLiteral("20");
    t[F::DefaultOutdoorTemperature] = QStringLiteral("-14");
    t[F::DefaultMinAirChange] = QStringLiteral("0,5");
    t[F::DefaultUsableAreaShare] = QStringLiteral("85");
    t.defaultTallBuildingShare = true;
}

void transferDefaultsToBuilding(DefaultsTexts& t)
{
    t[F::GroundwaterDepth] = t[F::DefaultGroundwaterDepth];
    t[F::GroundwaterTemperature] = t[F::DefaultGroundwaterTemperature];
    t[F::VentilationShare] = t[F::DefaultVentilationShare];
    t[F::RoomTemperature] = t[F::DefaultRoomTemperature];
    t[F::OutsideTemperature] = t[F::DefaultOutdoorTemperature];
    t[F::MinAirChange] = t[F::DefaultMinAirChange];
    t[F::UsableAreaPercent] = t[F::DefaultUsableAreaShare];
    t.raiseShareAbove10m = t.defaultTallBuildingShare;
}

} // namespace orv
