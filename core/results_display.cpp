#include "core/results_display.h"

#include "core/building_record.h"
#include "core/calculation.h"
#include "core/german_numbers.h"
#include "core/program_info.h"

namespace orv {

ResultTexts resultTexts(const BuildingRecord& r, const CalculationResults& c)
{
    const int p = r.UsableAreaPercent;
    const double grossFloor = double(r.Storeys) * r.BaseArea;
    const double usableFloor = grossFloor * p / 100.0;
    const QString percent = QString::number(p);

    ResultTexts t;
    auto set = [&t](ResultPanel panel, QString text, QString hint) {
        t.text[static_cast<int>(panel)] = std::move(text);
        t.hint[static_cast<int>(panel)] = std::move(hint);
    };
    set(ResultPanel::Ventilation, formatNumber("%-0.2n", r.VentilationLoad) + " kW",
        "Heizlast zur Erwärmung der Außenluft hervorgerufen durch den Mindestluftwechsel (" +
            formatNumber("%-0.1f", r.MinAirChange) + ")");
    set(ResultPanel::Transmission, formatNumber("%-0.2n", r.TransmissionLoad) + " kW",
        "Heizlast zur Abdeckung der Wärmeverluste durch die Gebäudehülle");
    set(ResultPanel::Building, formatNumber("%-0.2n", r.BuildingLoad) + " kW",
        "Heizlast (=Wärmebedarf) des gesamten Gebäudes");
    set(ResultPanel::Specific, formatNumber("%-0.2n", r.SpecificLoad) + " W/m²",
        "Heizlast bezogen auf einen Quadratmeter Nutzfläche (" + formatNumber("%-0.0n", usableFloor) +
            " m² )");
    set(ResultPanel::BaseArea, formatNumber("%-0.0n", r.BaseArea) + " m²",
        "Gebäudegrundfläche (Länge x Breite) - Geschoßfläche: " + formatNumber("%-0.0n", grossFloor) +
            " m² - geschätzte Nutzfläche: " + formatNumber("%-0.0n", usableFloor) + " m² (" + percent + "%)");
    set(ResultPanel::WallArea, formatNumber("%-0.0n", c.TotalWallArea) + " m²",
        "Gesamte Außenwandfläche abzüglich der Fensterfläche / AW mit Fenster: " +
            formatNumber("%-0.0n", double(c.TotalWallArea) + r.WindowArea) + " m² ");
    set(ResultPanel::Volume, formatNumber("%-0.0n", r.BuildingVolume) + " m³",
        "Gesamtes innere Gebäudevolumen einschl. Dach und Keller (falls vorhanden). Geschätztes beheiztes  "
        "Raumvolumen (" +
            percent + "%):  " + formatNumber("%-0.0n", p / 100.0 * r.BuildingVolume) + " m³");
    set(ResultPanel::AVRatio, formatNumber("%-0.2n", r.AVRatio),
        "HILFE A/V-Verhältnis: Verhältnis der Gebäudehüllfläche (" + formatNumber("%-0.1n", c.EnvelopeArea) +
            " m²) zum Gebäudevolumen (" + formatNumber("%-0.0n", r.BuildingVolume) + " m³)");
    t.share = formatNumber("%-0.1f", c.EffectiveShare);
    t.ventilationHint = "Gleichzeitig wirksame Lüftungswärmeanteile: " + t.share + " (Ändern: F8)";
    return t;
}

QString loadIncreaseNotice(std::int32_t percent)
{
    if (percent == 0)
        return {};
    return "Erhöhung der gesamten Gebäudeheizlast um " + QString::number(percent) + " %";
}

QString temperatureLine(std::int32_t roomTemperature, std::int32_t outsideTemperature)
{
    return "Raumtemp.: " + QString::number(roomTemperature) +
           "°C  Normaußentemp.: " + QString::number(outsideTemperature) + "°C";
}

QString windowCaption(const QString& text)
{
    return QString::fromUtf8(kProgramCaption) + "  " + text;
}

Message invalidResultsMessage()
{
    return {
        QStringLiteral("Die Berechnung ergibt keine gültigen Zahlen.\rBitte überprüfen Sie Ihre Eingaben."),
        QStringLiteral("Berechnung nicht möglich"), MessageIcon::Warning, MessageButtons::Ok};
}

} // namespace orv
