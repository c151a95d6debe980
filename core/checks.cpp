#include "core/checks.h"

#include "core/building_record.h"
#include "core/calculation.h"
#include "core/german_numbers.h"
#include "settings/settings_record.h"

#include <cmath>
#include <limits>

namespace orv {

namespace {

struct Limit
{
    float BuildingRecord::*field;
    double limit;
    InputId input;
    const char* message;
};

// Tested in this order; only the first failing one acts.
const Limit kLimits[] = {
    {&BuildingRecord::KOuterWall, 10, InputId::KOuterWall,
     "Der k-Wert der Außenwand ist unrealistisch groß (>10)"},
    {&BuildingRecord::KWindow, 10, InputId::KWindow, "Der k-Wert der Fenster ist unrealistisch groß (>10)"},
    {&BuildingRecord::KRoof, 10, InputId::KRoof,
     "Der k-Wert des Dachs bzw. der Decke ist unrealistisch groß (>10)"},
    {&BuildingRecord::RFloor, 20, InputId::RFloor, "Der R-Wert des Fußbodens ist unrealistisch groß (>20)"},
    {&BuildingRecord::RGroundWall, 20, InputId::RGroundWall,
     "Der R-Wert der erdreichberührten Außenwand ist unrealistisch groß (>20)"},
};

double grossWallArea(const BuildingRecord& r)
{
    return 2.0 * r.HeatedHeight * (double(r.BuildingLength) + r.BuildingWidth) + r.GableArea;
}

bool finiteNonNegative(float v)
{
    return std::isfinite(v) && v >= 0;
}

bool fitsInt32(long long v)
{
    return v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max();
}

Message refusal(const char* text)
{
    return {QString::fromUtf8(text), QStringLiteral("Berechnung nicht möglich"), MessageIcon::Warning,
            MessageButtons::Ok};
}

} // namespace

CommandCheck commandChecks(BuildingRecord& r, const SettingsRecord& s, bool autoCalcActive)
{
    CommandCheck check;
    computeAreas(r);
    if (!(r.OuterWallArea > 0) && !autoCalcActive) {
        check.messages.push_back({QStringLiteral("Die Fensterfläche ist größer als die Außenwandfläche (") +
                                      formatNumber("%-0.0n", double(r.OuterWallArea) + r.WindowArea) +
                                      QStringLiteral(" m²)."),
                                  QStringLiteral("Fehler"), MessageIcon::Error, MessageButtons::Ok});
        check.focus = InputId::WindowArea;
        check.allowed = false;
    }
    if (s.PlausibilityChecks) {
        for (const Limit& limit : kLimits) {
            if (r.*limit.field > limit.limit) {
                r.*limit.field = 0;
                check.messages.push_back({QString::fromUtf8(limit.message),
                                          QStringLiteral("Eingabe überprüfen"), MessageIcon::Warning,
                                          MessageButtons::Ok});
                check.focus = limit.input;
                check.resetField = limit.input;
                check.allowed = false;
                break;
            }
        }
    }
    return check;
}

AutoCalcCheck autoCalcChecks(const BuildingRecord& r, const SettingsRecord& s)
{
    AutoCalcCheck check;
    if (s.PlausibilityChecks) {
        if (r.KOuterWall > 10 || r.KWindow > 10 || r.KRoof > 10) {
            check = {false, QStringLiteral("k-Wert eines Bauteils"), QStringLiteral("ist zu hoch  (> 10)")};
        }
        if (r.RFloor > 20 || r.RGroundWall > 20) {
            check = {false, QStringLiteral("R-Wert eines Bauteils"), QStringLiteral("ist zu hoch  (> 20)")};
        }
    }
    const double gross = grossWallArea(r);
    if (gross < r.WindowArea) {
        check = {false, QStringLiteral("Fensterfläche ist größer als"),
                 QStringLiteral("AW-Fläche (") + formatNumber("%-0.0n", gross) + QStringLiteral(" m²)")};
    }
    return check;
}

std::optional<Message> calculationRefusal(const BuildingRecord& r, const SettingsRecord& s)
{
    const float sizes[] = {
        r.BuildingLength,  r.BuildingWidth, r.HeatedHeight, r.RoofHeight, r.GroundWallHeight,
        r.KOuterWall,      r.KWindow,       r.RFloor,       r.KRoof,      r.RGroundWall,
        r.RoofArea,        r.WindowArea,    r.GableArea,    r.RoofVolume, r.MinAirChange,
        r.VentilationShare};
    const float constants[] = {s.AirDensity, s.AirHeatCapacity, s.GroundConductivity,
                               s.InnerSurfaceResistance, s.OuterSurfaceResistance};
    bool sound = r.Storeys >= 0 && r.GroundwaterDepth >= 0 && r.UsableAreaPercent >= 0;
    for (float v : sizes)
        sound = sound && finiteNonNegative(v);
    if (!sound)
        return refusal("Die Gebäudedaten enthalten ungültige Werte (beschädigte Datei?).\r"
                       "Bitte überprüfen Sie alle Eingaben.");
    for (float v : constants)
        sound = sound && finiteNonNegative(v);
    sound = sound && s.GroundConductivity > 0 && s.LoadIncreasePercent > -100;
    if (!sound)
        return refusal("Die Konstanten der Berechnung in den Einstellungen sind ungültig.\r"
                       "Bitte überprüfen Sie die Einstellungen.");
    const long long ti = r.RoomTemperature;
    const long long ta = r.OutsideTemperature;
    if (!fitsInt32(ta + 15) || !fitsInt32(ti - ta) || !fitsInt32(ti - (ta + 15)) ||
        !fitsInt32(ti - r.GroundwaterTemperature))
        return refusal("Die Temperaturen des Gebäudes liegen außerhalb jedes sinnvollen Bereichs.\r"
                       "Bitte überprüfen Sie die Gebäude-Werte (F8).");
    if (r.UsableAreaPercent == 0)
        return refusal("Der Anteil der Nutzfläche an der Geschoßfläche ist 0 %.\r"
                       "Bitte geben Sie unter Gebäude-Werte (F8) einen Anteil an.");
    if (ti < ta)
        return refusal("Die Raumtemperatur muss über der Außentemperatur liegen.\r"
                       "Bitte überprüfen Sie die Gebäude-Werte (F8).");
    if (ti == ta)
        return refusal(
            "Raumtemperatur und Normaußentemperatur sind gleich:\r"
            "ohne Temperaturdifferenz gibt es keine Heizlast. Bitte überprüfen Sie die Gebäude-Werte (F8).");
    return std::nullopt;
}

bool loadTooLarge(const BuildingRecord& r)
{
    return !(double(r.BuildingLoad) <= kMaxBuildingLoad);
}

Message tooLargeMessage()
{
    return {QStringLiteral("Heizlast des Gebäudes ist unrealistisch groß (>100.000 kW).\r"
                           "Bitte überprüfen Sie Ihre Eingaben."),
            QString(), MessageIcon::None, MessageButtons::Ok};
}

} // namespace orv
