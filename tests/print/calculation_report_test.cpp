#include "print/calculation_report.h"

#include "core/automatic_calculation.h"
#include "core/calculation.h"
#include "core/worked_examples.h"
#include "print/recording_canvas.h"
#include "print/report_logo.h"

#include <gtest/gtest.h>

#include <set>

using namespace orv;
using namespace orv::test;

namespace {

const QString kToday = QStringLiteral("24.11.26");

struct Calculated
{
    BuildingRecord building;
    CalculationResults results;
};

Calculated calculated(BuildingRecord building, const SettingsRecord& settings = standardSettings())
{
    Calculated run{std::move(building), {}};
    const CalcOutcome outcome = calculateStoredBuilding(run.building, settings, run.results);
    EXPECT_EQ(outcome.status, CalcStatus::Ok) << outcome.message.toStdString();
    return run;
}

QStringList drawn(const BuildingRecord& b, const CalculationResults& r,
                  const SettingsRecord& s = standardSettings())
{
    RecordingCanvas canvas;
    drawCalculationReport(canvas, b, r, s, kToday);
    return canvas.described();
}

// Drawing lists compared as text, one operation a line, so that a failure shows a readable diff.
std::string lines(const QStringList& ops)
{
    return ops.join(QLatin1Char('\n')).toStdString();
}

// The operations from the one starting with `first` up to, not including, the one starting with `end`.
QStringList slice(const QStringList& ops, const QString& first, const QString& end)
{
    qsizetype from = -1;
    for (qsizetype i = 0; i < ops.size(); ++i) {
        if (from < 0 && ops[i].startsWith(first))
            from = i;
        else if (from >= 0 && ops[i].startsWith(end))
            return ops.mid(from, i - from);
    }
    ADD_FAILURE() << "no slice " << first.toStdString() << " .. " << end.toStdString();
    return {};
}

TEST(CalculationReportTest, WholePageOfTheSecondWorkedExample)
{
    const Calculated run = calculated(withInformation(workedExample2()));
    const QStringList expected = {
        QStringLiteral("line 150,80-1800,80"),
        QStringLiteral("text 300,110 arial/80 Heizlastberechnung"),
        QStringLiteral("text 1035,130 arial/50 über die Hüllfläche"),
        QStringLiteral("line 150,200-1800,200"),
        QStringLiteral("picture 150,90 100x100"),
        QStringLiteral("text 150,300 arial/50 Gebäudeinformationen"),
        QStringLiteral("text 250,380 arial/40 Bezeichnung:"),
        QStringLiteral("text 670,380 arial/40 Haus Meier"),
        QStringLiteral("text 250,440 arial/40 Bearbeiter:"),
        QStringLiteral("text 670,440 arial/40 Erika Muster"),
        QStringLiteral("text 250,500 arial/40 Datum:"),
        QStringLiteral("text 670,500 arial/40 08.12.26"),
        QStringLiteral("text 250,560 arial/40 Bauherr:"),
        QStringLiteral("text 670,560 arial/40 Familie Meier"),
        QStringLiteral("text 250,620 arial/40 Straße:"),
        QStringLiteral("text 670,620 arial/40 Lindenweg 3"),
        QStringLiteral("text 250,680 arial/40 PLZ und Ort:"),
        QStringLiteral("text 670,680 arial/40 D-12345  Musterstadt"),
        QStringLiteral("text 150,800 arial/50 Gebäudeangaben"),
        QStringLiteral("text 250,870 arial/40 Länge:"),
        QStringLiteral("text 670,870 arial/40 12,00 m"),
        QStringLiteral("text 250,940 arial/40 Breite:"),
        QStringLiteral("text 670,940 arial/40 9,00 m"),
        QStringLiteral("text 250,1010 arial/40 beheizte Höhe:"),
        QStringLiteral("text 670,1010 arial/40 5,00 m"),
        QStringLiteral("text 1100,870 arial/30 k-Wert AW:"),
        QStringLiteral("text 1310,870 arial/30 0,40 W/(m²K)"),
        QStringLiteral("text 1100,920 arial/30 k-Wert FE:"),
        QStringLiteral("text 1310,920 arial/30 1,60 W/(m²K)"),
        QStringLiteral("text 1100,970 arial/30 k-Wert DA:"),
        QStringLiteral("text 1310,970 arial/30 0,25 W/(m²K)"),
        QStringLiteral("text 1100,1020 arial/30 R-Wert FB:"),
        QStringLiteral("text 1310,1020 arial/30 1,50 m²K/W"),
        QStringLiteral("text 250,1120 arial/40 KELLER BEHEIZT"),
        QStringLiteral("text 250,1190 arial/40 Höhe Keller:"),
        QStringLiteral("text 670,1190 arial/40 2,50 m"),
        QStringLiteral("text 1100,1190 arial/30 R-Wert AW:"),
        QStringLiteral("text 1310,1190 arial/30 1,20 m²K/W"),
        QStringLiteral("text 250,1290 arial/40 DACHRAUM BEHEIZT"),
        QStringLiteral("text 250,1360 arial/40 Dachfläche:"),
        QStringLiteral("text 670,1360 arial/40 160 m²"),
        QStringLiteral("text 250,1420 arial/40 Dachraumvolumen:"),
        QStringLiteral("text 670,1420 arial/40 150 m³"),
        QStringLiteral("line 150,1575-1800,1575"),
        QStringLiteral("text 150,1595 arial/60 Ergebnisse der Heizlastberechnung"),
        QStringLiteral("line 150,1665-1800,1665"),
        QStringLiteral("text 250,1730 arial/40 Transmissionsheizlast QT ="),
        QStringLiteral("text 1310,1730 arial/40 7,67 kW"),
        QStringLiteral("text 250,1810 arial/40 Lüftungsheizlast QL ="),
        QStringLiteral("text 1310,1810 arial/40 4,19 kW"),
        QStringLiteral("text 250,1905 arial/50 Gebäudeheizlast QN = QT + 0,5 x QL = "),
        QStringLiteral("text 1310,1905 arial/50 9,76 kW"),
        QStringLiteral("text 250,1990 arial/40 spezifische Gebäudeheizlast qN = "),
        QStringLiteral("text 1310,1990 arial/40 40,18 W/m²"),
        QStringLiteral("text 150,2110 arial/50 Flächen-/Volumenergebnisse"),
        QStringLiteral("text 250,2180 arial/40 freistehende Außenwandfläche ohne Fenster:"),
        QStringLiteral("text 1310,2180 arial/40 220 m²"),
        QStringLiteral("text 250,2240 arial/40 gesamte Außenwandfläche mit Fenster:"),
        QStringLiteral("text 1310,2240 arial/40 355 m²"),
        QStringLiteral("text 250,2300 arial/40 gesamte Fensterfläche:"),
        QStringLiteral("text 1310,2300 arial/40 30 m²"),
        QStringLiteral("text 250,2360 arial/40 Gebäudegrundfläche:"),
        QStringLiteral("text 1310,2360 arial/40 108 m²"),
        QStringLiteral("text 250,2420 arial/40 Gebäudegeschoßfläche:"),
        QStringLiteral("text 1310,2420 arial/40 324 m²"),
        QStringLiteral("text 250,2480 arial/40 geschätzte Gebäudenutzfläche (75%):"),
        QStringLiteral("text 1310,2480 arial/40 243 m²"),
        QStringLiteral("text 250,2560 arial/40 Gebäudeinnenvolumen:"),
        QStringLiteral("text 1310,2560 arial/40 960 m³"),
        QStringLiteral("text 250,2620 arial/40 Gebäudehülle zu Gebäudevolumen (A/V)-Verhältnis:"),
        QStringLiteral("text 1310,2620 arial/40 0,65"),
        QStringLiteral("line 150,2750-1800,2750"),
        QStringLiteral("text 150,2760 arial/30 kvz Orvenna "),
    };
    EXPECT_EQ(lines(drawn(run.building, run.results)), lines(expected));
}

struct VariantCase
{
    bool cellarHeated;
    bool roofSpaceHeated;
    int resultsRule;   // e + 1175
    int avRatioLine;   // e + 2220
    QStringList block; // from the cellar line to the results rule
    const char* roofLabel;
};

class ReportVariantTest : public ::testing::TestWithParam<VariantCase>
{
};

TEST_P(ReportVariantTest, CellarAndRoofSpaceMoveTheResults)
{
    const VariantCase& c = GetParam();
    BuildingRecord b = workedExample2();
    b.CellarHeated = c.cellarHeated;
    b.RoofSpaceHeated = c.roofSpaceHeated;
    const Calculated run = calculated(b);
    const QStringList ops = drawn(run.building, run.results);

    EXPECT_EQ(lines(slice(ops, QStringLiteral("text 250,1120 "), QStringLiteral("line "))), lines(c.block));
    EXPECT_TRUE(ops.contains(QStringLiteral("text 1100,970 arial/30 ") + QLatin1String(c.roofLabel)));
    const QString rule = QStringLiteral("line 150,%1-1800,%1");
    const QStringList heading = {
        rule.arg(c.resultsRule),
        QStringLiteral("text 150,%1 arial/60 Ergebnisse der Heizlastberechnung").arg(c.resultsRule + 20),
        rule.arg(c.resultsRule + 90)};
    EXPECT_EQ(lines(slice(ops, rule.arg(c.resultsRule), QStringLiteral("text 250,"))), lines(heading));
    const QStringList avRatio =
        slice(ops, QStringLiteral("text 250,%1 ").arg(c.avRatioLine), QStringLiteral("line "));
    ASSERT_EQ(avRatio.size(), 2);
    EXPECT_EQ(avRatio[0].toStdString(),
              QStringLiteral("text 250,%1 arial/40 Gebäudehülle zu Gebäudevolumen (A/V)-Verhältnis:")
                  .arg(c.avRatioLine)
                  .toStdString());
    EXPECT_TRUE(avRatio[1].startsWith(QStringLiteral("text 1310,%1 arial/40 0,").arg(c.avRatioLine)));
    EXPECT_EQ(lines(ops.mid(ops.size() - 2)), lines({QStringLiteral("line 150,2750-1800,2750"),
                                                     QStringLiteral("text 150,2760 arial/30 kvz Orvenna ")}));
}

INSTANTIATE_TEST_SUITE_P(
    AllFour, ReportVariantTest,
    ::testing::Values(
        VariantCase{false,
                    false,
                    1315,
                    2360,
                    {QStringLiteral("text 250,1120 arial/40 Keller nicht beheizt oder nicht vorhanden"),
                     QStringLiteral("text 250,1190 arial/40 Dachraum nicht beheizt")},
                    "k-Wert DE:"},
        VariantCase{true,
                    false,
                    1415,
                    2460,
                    {QStringLiteral("text 250,1120 arial/40 KELLER BEHEIZT"),
                     QStringLiteral("text 250,1190 arial/40 Höhe Keller:"),
                     QStringLiteral("text 670,1190 arial/40 2,50 m"),
                     QStringLiteral("text 1100,1190 arial/30 R-Wert AW:"),
                     QStringLiteral("text 1310,1190 arial/30 1,20 m²K/W"),
                     QStringLiteral("text 250,1290 arial/40 Dachraum nicht beheizt")},
                    "k-Wert DE:"},
        VariantCase{false,
                    true,
                    1475,
                    2520,
                    {QStringLiteral("text 250,1120 arial/40 Keller nicht beheizt oder nicht vorhanden"),
                     QStringLiteral("text 250,1190 arial/40 DACHRAUM BEHEIZT"),
                     QStringLiteral("text 250,1260 arial/40 Dachfläche:"),
                     QStringLiteral("text 670,1260 arial/40 160 m²"),
                     QStringLiteral("text 250,1320 arial/40 Dachraumvolumen:"),
                     QStringLiteral("text 670,1320 arial/40 150 m³")},
                    "k-Wert DA:"},
        VariantCase{true,
                    true,
                    1575,
                    2620,
                    {QStringLiteral("text 250,1120 arial/40 KELLER BEHEIZT"),
                     QStringLiteral("text 250,1190 arial/40 Höhe Keller:"),
                     QStringLiteral("text 670,1190 arial/40 2,50 m"),
                     QStringLiteral("text 1100,1190 arial/30 R-Wert AW:"),
                     QStringLiteral("text 1310,1190 arial/30 1,20 m²K/W"),
                     QStringLiteral("text 250,1290 arial/40 DACHRAUM BEHEIZT"),
                     QStringLiteral("text 250,1360 arial/40 Dachfläche:"),
                     QStringLiteral("text 670,1360 arial/40 160 m²"),
                     QStringLiteral("text 250,1420 arial/40 Dachraumvolumen:"),
                     QStringLiteral("text 670,1420 arial/40 150 m³")},
                    "k-Wert DA:"}));

TEST(CalculationReportTest, WithoutBuildingInformationOnlyEditorAndTodayAreFilledIn)
{
    const Calculated run = calculated(workedExample1());
    ASSERT_FALSE(run.building.HasBuildingInfo);
    const QStringList labelsOnly = {
        QStringLiteral("text 150,300 arial/50 Gebäudeinformationen"),
        QStringLiteral("text 250,380 arial/40 Bezeichnung:"),
        QStringLiteral("text 250,440 arial/40 Bearbeiter:"),
        QStringLiteral("text 250,500 arial/40 Datum:"),
        QStringLiteral("text 670,500 arial/40 24.11.26"),
        QStringLiteral("text 250,560 arial/40 Bauherr"),
        QStringLiteral("text 250,620 arial/40 Straße:"),
        QStringLiteral("text 250,680 arial/40 PLZ und Ort:"),
    };
    EXPECT_EQ(lines(slice(drawn(run.building, run.results), QStringLiteral("text 150,300 "),
                          QStringLiteral("text 150,800 "))),
              lines(labelsOnly));

    SettingsRecord settings = standardSettings();
    settings.EditorName = QStringLiteral("Erika Muster");
    QStringList withEditor = labelsOnly;
    withEditor.insert(3, QStringLiteral("text 670,440 arial/40 Erika Muster"));
    EXPECT_EQ(lines(slice(drawn(run.building, run.results, settings), QStringLiteral("text 150,300 "),
                          QStringLiteral("text 150,800 "))),
              lines(withEditor));
}

TEST(CalculationReportTest, BuildingInformationWithoutDateShowsToday)
{
    BuildingRecord b = withInformation(workedExample1());
    b.InfoDate.clear();
    b.Editor.clear();
    const Calculated run = calculated(b);
    SettingsRecord settings = standardSettings();
    settings.EditorName = QStringLiteral("nicht gedruckt");
    const QStringList ops = drawn(run.building, run.results, settings);
    EXPECT_TRUE(ops.contains(QStringLiteral("text 670,500 arial/40 24.11.26")));
    // With building information the record's own (empty) editor stands, not the default.
    EXPECT_TRUE(ops.contains(QStringLiteral("text 670,440 arial/40 ")));
    EXPECT_FALSE(ops.join(QLatin1Char('\n')).contains(QStringLiteral("nicht gedruckt")));
}

// The value drawn right after `label` (each value follows its label in the drawing list).
QString valueAfter(const std::vector<DrawOp>& ops, const QString& label)
{
    for (std::size_t i = 0; i + 1 < ops.size(); ++i)
        if (ops[i].kind == DrawOp::Kind::Text && ops[i].text == label)
            return ops[i + 1].text;
    ADD_FAILURE() << "no label " << label.toStdString();
    return {};
}

TEST(CalculationReportTest, NumberFormatsRoundAndGroupAsGerman)
{
    BuildingRecord b = workedExample2();
    b.BuildingLength = 1234.5f; // F2: no thousands separator
    b.KOuterWall = 0.125f;      // halves away from zero
    b.RoofArea = 1234.5f;       // N0
    b.TransmissionLoad = 12345.678f;
    b.BuildingLoad = 0.004f;
    b.SpecificLoad = -0.001f; // never "-0,00"
    b.OuterWallArea = 1234567.4f;
    b.Storeys = 3;
    b.BaseArea = 100;
    b.UsableAreaPercent = 70;
    b.WindowArea = 30.4f;
    b.AVRatio = 1234.567f;
    CalculationResults r;
    r.EffectiveShare = 0.7f;
    r.TotalWallArea = 325.2f;

    RecordingCanvas canvas;
    drawCalculationReport(canvas, b, r, standardSettings(), kToday);
    const struct
    {
        const char* label;
        const char* value;
    } cases[] = {
        {"Länge:", "1234,50 m"},
        {"k-Wert AW:", "0,13 W/(m²K)"},
        {"Dachfläche:", "1.235 m²"},
        {"Transmissionsheizlast QT =", "12.345,68 kW"},
        {"Gebäudeheizlast QN = QT + 0,7 x QL = ", "0,00 kW"},
        {"spezifische Gebäudeheizlast qN = ", "0,00 W/m²"},
        {"freistehende Außenwandfläche ohne Fenster:", "1.234.567 m²"},
        {"gesamte Außenwandfläche mit Fenster:", "356 m²"},
        {"Gebäudegeschoßfläche:", "300 m²"},
        {"geschätzte Gebäudenutzfläche (70%):", "210 m²"},
        {"Gebäudehülle zu Gebäudevolumen (A/V)-Verhältnis:", "1234,57"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(valueAfter(canvas.ops, QString::fromUtf8(c.label)).toStdString(), c.value) << c.label;
}

TEST(ReportLogoTest, IsAHundredPixelSquareInSixteenColours)
{
    const ReportPicture& logo = reportLogo();
    ASSERT_EQ(logo.width, 100);
    ASSERT_EQ(logo.height, 100);
    ASSERT_EQ(logo.pixels.size(), 100 * 100);
    std::set<int> used;
    for (int y = 0; y < logo.height; ++y)
        for (int x = 0; x < logo.width; ++x)
            used.insert(logo.indexAt(x, y));
    EXPECT_LT(*used.rbegin(), 16);
    EXPECT_GE(used.size(), 12u) << "a picture, not a blank square";
    EXPECT_EQ(logo.palette[static_cast<std::size_t>(logo.indexAt(0, 0))], 0xFFFFFFFFu)
        << "white corners on white paper";
}

} // namespace
