#include "core/results_display.h"

#include "core/building_record.h"
#include "core/calculation.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

QString textOf(const ResultTexts& t, ResultPanel p)
{
    return t.text[static_cast<int>(p)];
}
QString hintOf(const ResultTexts& t, ResultPanel p)
{
    return t.hint[static_cast<int>(p)];
}

TEST(ResultTextsTest, RoundsAndGroupsLikeTheDisplay)
{
    BuildingRecord r;
    CalculationResults c;
    r.VentilationLoad = 3.456f;
    r.BaseArea = 1234.5f;
    r.BuildingLoad = 12345.678f;
    r.AVRatio = 0.8136f;
    r.MinAirChange = 0.5f;
    const ResultTexts t = resultTexts(r, c);
    EXPECT_EQ(textOf(t, ResultPanel::Ventilation), "3,46 kW");
    EXPECT_EQ(textOf(t, ResultPanel::BaseArea), "1.235 m²");
    EXPECT_EQ(textOf(t, ResultPanel::Building), "12.345,68 kW");
    EXPECT_EQ(textOf(t, ResultPanel::AVRatio), "0,81");
    EXPECT_EQ(hintOf(t, ResultPanel::Ventilation),
              "Heizlast zur Erwärmung der Außenluft hervorgerufen durch den Mindestluftwechsel (0,5)");
}

TEST(ResultTextsTest, FloorAreaHintsUseStoreysAndUsableShare)
{
    BuildingRecord r;
    CalculationResults c;
    r.Storeys = 3;
    r.BaseArea = 100;
    r.UsableAreaPercent = 70;
    r.BuildingVolume = 1000;
    c.EffectiveShare = 0.7f;
    const ResultTexts t = resultTexts(r, c);
    EXPECT_EQ(hintOf(t, ResultPanel::Specific),
              "Heizlast bezogen auf einen Quadratmeter Nutzfläche (210 m² )");
    EXPECT_EQ(
        hintOf(t, ResultPanel::BaseArea),
        "Gebäudegrundfläche (Länge x Breite) - Geschoßfläche: 300 m² - geschätzte Nutzfläche: 210 m² (70%)");
    EXPECT_EQ(
        hintOf(t, ResultPanel::Volume),
        "Gesamtes innere Gebäudevolumen einschl. Dach und Keller (falls vorhanden). Geschätztes beheiztes  "
        "Raumvolumen (70%):  700 m³");
    EXPECT_EQ(t.share, "0,7");
    EXPECT_EQ(t.ventilationHint, "Gleichzeitig wirksame Lüftungswärmeanteile: 0,7 (Ändern: F8)");
}

TEST(ResultTextsTest, NoticeTemperatureLineAndCaption)
{
    EXPECT_EQ(loadIncreaseNotice(0), "");
    EXPECT_EQ(loadIncreaseNotice(15), "Erhöhung der gesamten Gebäudeheizlast um 15 %");
    EXPECT_EQ(temperatureLine(20, -14), "Raumtemp.: 20°C  Normaußentemp.: -14°C");
    EXPECT_EQ(windowCaption("[Neues Gebäude]"), "kvz Orvenna   [Neues Gebäude]");
}

} // namespace
