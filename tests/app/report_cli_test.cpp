#include "../core/worked_examples.h"
#include "core/building_record.h"
#include "settings/settings_record.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orv;

namespace {

class ReportCliTest : public ::testing::Test
{
  protected:
    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
    int exitCode = -1;
    QString err;

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    void run(const QStringList& args)
    {
        QProcess p;
        p.start(QStringLiteral(ORVENNA_CALC), args);
        ASSERT_TRUE(p.waitForFinished(60000));
        exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        err = QString::fromUtf8(p.readAllStandardError());
    }

    // The PDF's text in reading order; skips the test where poppler's tools are not installed.
    static QString pdfText(const QString& path)
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty())
            return {};
        QProcess p;
        p.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
        EXPECT_TRUE(p.waitForFinished(30000));
        return QString::fromUtf8(p.readAllStandardOutput());
    }
};

TEST_F(ReportCliTest, WritesTheOnePageReportOfTheSecondWorkedExample)
{
    run({QStringLiteral("--report"), pdf, QStringLiteral(ORVENNA_DATA_DIR "/examples/Beispiel2.orv")});
    ASSERT_EQ(exitCode, 0) << err.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ASSERT_TRUE(file.read(5).startsWith("%PDF-"));

    const QString text = pdfText(pdf);
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";
    for (const char* expected : {"Heizlastberechnung",
                                 "über die Hüllfläche",
                                 "Gebäudeinformationen",
                                 "Beispiel 2 - Haus mit Keller",
                                 "Gebäudeangaben",
                                 "KELLER BEHEIZT",
                                 "DACHRAUM BEHEIZT",
                                 "Ergebnisse der Heizlastberechnung",
                                 "Flächen-/Volumenergebnisse",
                                 "0,40 W/(m²K)",
                                 "1,20 m²K/W",
                                 "7,67 kW",
                                 "4,19 kW",
                                 "QN = QT + 0,5 x QL =",
                                 "9,76 kW",
                                 "40,18 W/m²",
                                 "355 m²",
                                 "geschätzte Gebäudenutzfläche (75%):",
                                 "960 m³",
                                 "kvz Orvenna"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

TEST_F(ReportCliTest, AnalysisAddsTheSecondPage)
{
    run({QStringLiteral("--report"), pdf, QStringLiteral("--analysis"), QStringLiteral("--heat-pump"),
         QStringLiteral("-7:8,2:10"), QStringLiteral(ORVENNA_DATA_DIR "/examples/Beispiel2.orv")});
    ASSERT_EQ(exitCode, 0) << err.toStdString();
    const QString text = pdfText(pdf);
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(text.count(QLatin1Char('\f')), 2) << "two pages";
    const QString second = text.section(QLatin1Char('\f'), 1);
    for (const char* expected :
         {"Auswertung", "Verteilung der Wärmeverluste", "Heizlast über der Außentemperatur",
          "Bivalenzpunkt:", "-7,7 °C", "66,0 %", "kvz Orvenna"})
        EXPECT_TRUE(second.contains(QString::fromUtf8(expected))) << expected;

    run({QStringLiteral("--report"), pdf, QStringLiteral("--heat-pump"), QStringLiteral("2:8,2:10"),
         QStringLiteral(ORVENNA_DATA_DIR "/examples/Beispiel2.orv")});
    EXPECT_EQ(exitCode, 2);
}

TEST_F(ReportCliTest, SettingsGiveTheEditorAndTheIncrease)
{
    SettingsRecord settings = test::standardSettings();
    settings.EditorName = QStringLiteral("Erika Müller");
    settings.LoadIncreasePercent = 10;
    const QString settingsPath = write(QStringLiteral("DataSet.kvz"), encodeSettings(settings));
    const QString building = write(QStringLiteral("haus.orv"), encodeBuilding(test::workedExample1()));

    run({QStringLiteral("--settings"), settingsPath, QStringLiteral("--report"), pdf, building});
    ASSERT_EQ(exitCode, 0) << err.toStdString();
    const QString text = pdfText(pdf);
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(text.contains(QStringLiteral("Erika Müller")));
    EXPECT_TRUE(text.contains(QStringLiteral("6,56 kW"))) << "QN 5,962 kW raised by 10 %";
}

TEST_F(ReportCliTest, RefusesWhatCannotBeReported)
{
    BuildingRecord incomplete = test::workedExample1();
    incomplete.KWindow = 0;
    BuildingRecord implausible = test::workedExample1();
    implausible.KOuterWall = 11;
    const QString incompletePath = write(QStringLiteral("leer.orv"), encodeBuilding(incomplete));
    const QString implausiblePath = write(QStringLiteral("hoch.orv"), encodeBuilding(implausible));
    const QString shortPath = write(QStringLiteral("kurz.orv"), QByteArray(100, '\0'));
    BuildingRecord warmOutside = test::workedExample1();
    warmOutside.RoomTemperature = 10;
    warmOutside.OutsideTemperature = 20;
    const QString warmPath = write(QStringLiteral("warm.orv"), encodeBuilding(warmOutside));
    const QString good = QStringLiteral(ORVENNA_DATA_DIR "/examples/Beispiel1.orv");

    const struct
    {
        QStringList args;
        int exitCode;
        const char* reason;
    } cases[] = {
        {{QStringLiteral("--report"), pdf, incompletePath}, 1, "Eingaben unvollständig"},
        {{QStringLiteral("--report"), pdf, implausiblePath}, 1, "(> 10)"},
        {{QStringLiteral("--report"), pdf, shortPath}, 1, "nicht als Gebäudedatei gelesen"},
        {{QStringLiteral("--report"), pdf, warmPath}, 1, "Raumtemperatur muss über"},
        {{QStringLiteral("--report"), pdf, good, good}, 2, "genau eine Gebäudedatei"},
        {{QStringLiteral("--text"), QStringLiteral("--report"), pdf, good}, 2, "nur --settings"},
        {{good, QStringLiteral("--report")}, 2, "--report braucht einen Dateinamen"},
        {{QStringLiteral("--report"), dir.filePath(QStringLiteral("fehlt/bericht.pdf")), good},
         1,
         "Fehler bei Datenträgerzugriff."},
    };
    for (const auto& c : cases) {
        run(c.args);
        EXPECT_EQ(exitCode, c.exitCode) << c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.reason))) << err.toStdString();
        EXPECT_FALSE(QFile::exists(pdf)) << c.args.join(QLatin1Char(' ')).toStdString();
    }
}

} // namespace
