#include "app/report_cli.h"

#include "app/calc_cli_analysis.h"
#include "print/analysis_report.h"

#include "core/automatic_calculation.h"
#include "core/german_numbers.h"
#include "core/session.h"
#include "files/atomic_write.h"
#include "files/building_file.h"
#include "print/qt/report_pdf.h"
#include "settings/settings_file.h"

#include <QGuiApplication>

namespace orv {

namespace {

const char* kReportUsage = "Aufruf: orvenna-calc [--settings DataSet.kvz] --report AUSGABE.pdf DATEI.orv\n"
                           "Schreibt den Berechnungsbericht einer Gebäudedatei als PDF (A4, eine Seite).\n"
                           "--settings liefert Konstanten, Erhöhung und Bearbeiter; ohne gelten die "
                           "Werkseinstellungen.\n"
                           "--analysis [--heat-pump T1:P1,T2:P2] fügt die Auswertung als zweite Seite an.\n";

int usageError(std::FILE* err, const char* reason)
{
    std::fprintf(err, "orvenna-calc: %s\n", reason);
    std::fputs(kReportUsage, err);
    return 2;
}

QString refusalReason(const CalcOutcome& outcome)
{
    if (outcome.status == CalcStatus::Incomplete)
        return QStringLiteral("Eingaben unvollständig");
    if (!outcome.message.isEmpty())
        return QString(outcome.message).replace(QLatin1Char('\r'), QLatin1Char(' '));
    return QStringLiteral("Heizlast des Gebäudes ist unrealistisch groß (>100.000 kW).");
}

void printError(std::FILE* err, const QString& text)
{
    std::fprintf(err, "orvenna-calc: %s\n", text.toLocal8Bit().constData());
}

} // namespace

int runReportCli(int& argc, char** argv, const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    QString settingsPath;
    QString reportPath;
    QStringList files;
    bool analysis = false;
    std::optional<HeatPumpPoints> heatPump;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(kReportUsage, out);
            return 0;
        } else if (a == QLatin1String("--settings") || a == QLatin1String("--report")) {
            if (++i == arguments.size())
                return usageError(err, a == QLatin1String("--report")
                                           ? "--report braucht einen Dateinamen"
                                           : "--settings braucht einen Dateinamen");
            (a == QLatin1String("--report") ? reportPath : settingsPath) = arguments[i];
        } else if (a == QLatin1String("--analysis")) {
            analysis = true;
        } else if (a == QLatin1String("--heat-pump")) {
            if (++i == arguments.size() || !(heatPump = parseHeatPumpOption(arguments[i])))
                return usageError(err, "--heat-pump braucht zwei Punkte T1:P1,T2:P2 mit verschiedenen "
                                       "Temperaturen (°C) und Heizleistungen (kW)");
            analysis = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            return usageError(err, "mit --report sind nur --settings, --analysis und --heat-pump erlaubt");
        } else {
            files << a;
        }
    }
    if (files.size() != 1)
        return usageError(err, "--report braucht genau eine Gebäudedatei");

    Session session;
    if (settingsPath.isEmpty()) {
        applyFactoryDefaults(session.settings, QString());
    } else {
        auto read = readSettingsFile(settingsPath);
        if (!read) {
            printError(err,
                       QStringLiteral("Einstellungsdatei %1 kann nicht gelesen werden").arg(settingsPath));
            return 1;
        }
        session.settings = std::move(*read);
    }

    const QString& buildingPath = files.front();
    auto record = readBuildingFile(buildingPath);
    if (!record) {
        printError(err,
                   buildingPath + QStringLiteral(": Die Datei kann nicht als Gebäudedatei gelesen werden."));
        return 1;
    }
    session.building = std::move(*record);
    const CalcOutcome outcome = calculateStoredBuilding(session.building, session.settings, session.results);
    if (outcome.status != CalcStatus::Ok || !outcome.resultsValid) {
        printError(err, buildingPath + QStringLiteral(": kein Bericht, ") + refusalReason(outcome));
        return 1;
    }

    // Fonts and the PDF painter need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ReportPage secondPage;
    if (analysis)
        secondPage =
            [figures = analysisFigures(session.building, session.settings, session.results, heatPump),
             &session](ReportCanvas& canvas) { drawAnalysisPage(canvas, session.building, figures); };
    const QByteArray pdf = calculationReportPdf(session, shortDateToday(), secondPage);
    if (pdf.isEmpty() || !writeFileAtomically(reportPath, pdf)) {
        printError(err, reportPath + QStringLiteral(": Fehler bei Datenträgerzugriff."));
        return 1;
    }
    return 0;
}

} // namespace orv
