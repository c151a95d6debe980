#include "print/calculation_report.h"

#include "core/building_record.h"
#include "core/calculation.h"
#include "core/german_numbers.h"
#include "core/program_info.h"
#include "core/session.h"
#include "print/report_canvas.h"
#include "print/report_logo.h"
#include "settings/settings_record.h"

namespace orv {

namespace {

constexpr int kLineLeft = 150;
constexpr int kLineRight = 1800;

QString f2(double v)
{
    return formatNumber("%f", v);
}
QString f1(double v)
{
    return formatNumber("%-0.1f", v);
}
QString n0(double v)
{
    return formatNumber("%-0.0n", v);
}
QString n2(double v)
{
    return formatNumber("%-0.2n", v);
}

class Page
{
  public:
    explicit Page(ReportCanvas& canvas) : m_canvas(canvas) {}

    void rule(int y) { m_canvas.line(kLineLeft, y, kLineRight, y); }
    void text(int x, int y, int height, const QString& text)
    {
        m_canvas.text(x, y, QStringLiteral("arial"), height, text);
    }
    // A label and its value share the label's font height.
    void entry(int labelX, int valueX, int y, int height, const QString& label, const QString& value)
    {
        text(labelX, y, height, label);
        text(valueX, y, height, value);
    }
    ReportCanvas& canvas() { return m_canvas; }

  private:
    ReportCanvas& m_canvas;
};

const QString kWm2K = QStringLiteral(" W/(m²K)");
const QString kM2KW = QStringLiteral(" m²K/W");
const QString kM = QStringLiteral(" m");
const QString kM2 = QStringLiteral(" m²");
const QString kM3 = QStringLiteral(" m³");
const QString kKW = QStringLiteral(" kW");

void drawTitle(Page& page)
{
    page.rule(80);
    page.text(300, 110, 80, QStringLiteral("Heizlastberechnung"));
    page.text(1035, 130, 50, QStringLiteral("über die Hüllfläche"));
    page.rule(200);
    page.canvas().picture(150, 90, 100, 100, reportLogo());
}

void drawBuildingInformation(Page& page, const BuildingRecord& b, const SettingsRecord& s,
                             const QString& today)
{
    page.text(150, 300, 50, QStringLiteral("Gebäudeinformationen"));
    constexpr int lx = 250, vx = 670, h = 40;
    if (b.HasBuildingInfo) {
        page.entry(lx, vx, 380, h, QStringLiteral("Bezeichnung:"), b.BuildingName);
        page.entry(lx, vx, 440, h, QStringLiteral("Bearbeiter:"), b.Editor);
        page.entry(lx, vx, 500, h, QStringLiteral("Datum:"), b.InfoDate.isEmpty() ? today : b.InfoDate);
        page.entry(lx, vx, 560, h, QStringLiteral("Bauherr:"), b.Client);
        page.entry(lx, vx, 620, h, QStringLiteral("Straße:"), b.Street);
        page.entry(lx, vx, 680, h, QStringLiteral("PLZ und Ort:"),
                   b.PostCode + QStringLiteral("  ") + b.Town);
        return;
    }
    page.text(lx, 380, h, QStringLiteral("Bezeichnung:"));
    page.text(lx, 440, h, QStringLiteral("Bearbeiter:"));
    if (!s.EditorName.isEmpty())
        page.text(vx, 440, h, s.EditorName);
    page.entry(lx, vx, 500, h, QStringLiteral("Datum:"), today);
    page.text(lx, 560, h, QStringLiteral("Bauherr"));
    page.text(lx, 620, h, QStringLiteral("Straße:"));
    page.text(lx, 680, h, QStringLiteral("PLZ und Ort:"));
}

void drawBuildingData(Page& page, const BuildingRecord& b)
{
    page.text(150, 800, 50, QStringLiteral("Gebäudeangaben"));
    page.entry(250, 670, 870, 40, QStringLiteral("Länge:"), f2(b.BuildingLength) + kM);
    page.entry(250, 670, 940, 40, QStringLiteral("Breite:"), f2(b.BuildingWidth) + kM);
    page.entry(250, 670, 1010, 40, QStringLiteral("beheizte Höhe:"), f2(b.HeatedHeight) + kM);

    constexpr int lx = 1100, vx = 1310, h = 30;
    page.entry(lx, vx, 870, h, QStringLiteral("k-Wert AW:"), f2(b.KOuterWall) + kWm2K);
    page.entry(lx, vx, 920, h, QStringLiteral("k-Wert FE:"), f2(b.KWindow) + kWm2K);
    page.entry(lx, vx, 970, h,
               b.RoofSpaceHeated ? QStringLiteral("k-Wert DA:") : QStringLiteral("k-Wert DE:"),
               f2(b.KRoof) + kWm2K);
    page.entry(lx, vx, 1020, h, QStringLiteral("R-Wert FB:"), f2(b.RFloor) + kM2KW);
}

// Returns e, the offset of everything below the cellar and roof-space block: 140, 240, 300 or 400.
int drawCellarAndRoofSpace(Page& page, const BuildingRecord& b)
{
    int d = 70;
    if (b.CellarHeated) {
        page.text(250, 1120, 40, QStringLiteral("KELLER BEHEIZT"));
        page.entry(250, 670, 1190, 40, QStringLiteral("Höhe Keller:"), f2(b.GroundWallHeight) + kM);
        page.entry(1100, 1310, 1190, 30, QStringLiteral("R-Wert AW:"), f2(b.RGroundWall) + kM2KW);
        d = 170;
    } else {
        page.text(250, 1120, 40, QStringLiteral("Keller nicht beheizt oder nicht vorhanden"));
    }

    if (b.RoofSpaceHeated) {
        page.text(250, 1120 + d, 40, QStringLiteral("DACHRAUM BEHEIZT"));
        page.entry(250, 670, 1190 + d, 40, QStringLiteral("Dachfläche:"), n0(b.RoofArea) + kM2);
        page.entry(250, 670, 1250 + d, 40, QStringLiteral("Dachraumvolumen:"), n0(b.RoofVolume) + kM3);
        return d + 230;
    }
    page.text(250, 1120 + d, 40, QStringLiteral("Dachraum nicht beheizt"));
    return d + 70;
}

void drawResults(Page& page, const BuildingRecord& b, const CalculationResults& r, int e)
{
    page.rule(e + 1175);
    page.text(150, e + 1195, 60, QStringLiteral("Ergebnisse der Heizlastberechnung"));
    page.rule(e + 1265);

    constexpr int lx = 250, vx = 1310;
    page.entry(lx, vx, e + 1330, 40, QStringLiteral("Transmissionsheizlast QT ="),
               n2(b.TransmissionLoad) + kKW);
    page.entry(lx, vx, e + 1410, 40, QStringLiteral("Lüftungsheizlast QL ="), n2(b.VentilationLoad) + kKW);
    page.entry(lx, vx, e + 1505, 50,
               QStringLiteral("Gebäudeheizlast QN = QT + ") + f1(r.EffectiveShare) +
                   QStringLiteral(" x QL = "),
               n2(b.BuildingLoad) + kKW);
    page.entry(lx, vx, e + 1590, 40, QStringLiteral("spezifische Gebäudeheizlast qN = "),
               n2(b.SpecificLoad) + QStringLiteral(" W/m²"));

    page.text(150, e + 1710, 50, QStringLiteral("Flächen-/Volumenergebnisse"));
    // Products in double, from the stored Singles: the report shows what the display shows.
    const double grossFloorArea = double(b.Storeys) * double(b.BaseArea);
    const double usableArea = grossFloorArea * double(b.UsableAreaPercent) / 100.0;
    page.entry(lx, vx, e + 1780, 40, QStringLiteral("freistehende Außenwandfläche ohne Fenster:"),
               n0(b.OuterWallArea) + kM2);
    page.entry(lx, vx, e + 1840, 40, QStringLiteral("gesamte Außenwandfläche mit Fenster:"),
               n0(double(r.TotalWallArea) + double(b.WindowArea)) + kM2);
    page.entry(lx, vx, e + 1900, 40, QStringLiteral("gesamte Fensterfläche:"), n0(b.WindowArea) + kM2);
    page.entry(lx, vx, e + 1960, 40, QStringLiteral("Gebäudegrundfläche:"), n0(b.BaseArea) + kM2);
    page.entry(lx, vx, e + 2020, 40, QStringLiteral("Gebäudegeschoßfläche:"), n0(grossFloorArea) + kM2);
    page.entry(lx, vx, e + 2080, 40,
               QStringLiteral("geschätzte Gebäudenutzfläche (") + QString::number(b.UsableAreaPercent) +
                   QStringLiteral("%):"),
               n0(usableArea) + kM2);
    page.entry(lx, vx, e + 2160, 40, QStringLiteral("Gebäudeinnenvolumen:"), n0(b.BuildingVolume) + kM3);
    page.entry(lx, vx, e + 2220, 40, QStringLiteral("Gebäudehülle zu Gebäudevolumen (A/V)-Verhältnis:"),
               f2(b.AVRatio));
}

} // namespace

void drawCalculationReport(ReportCanvas& canvas, const BuildingRecord& building,
                           const CalculationResults& results, const SettingsRecord& settings,
                           const QString& today)
{
    Page page(canvas);
    drawTitle(page);
    drawBuildingInformation(page, building, settings, today);
    drawBuildingData(page, building);
    const int e = drawCellarAndRoofSpace(page, building);
    drawResults(page, building, results, e);

    page.rule(2750);
    page.text(150, 2760, 30, QString::fromUtf8(kProgramCaption));
}

void drawCalculationReport(ReportCanvas& canvas, const Session& session, const QString& today)
{
    drawCalculationReport(canvas, session.building, session.results, session.settings, today);
}

} // namespace orv
