#include "app/calc_cli.h"

#include "app/calc_cli_analysis.h"
#include "app/native_file_name.h"
#include "print/analysis_report.h"

#include "core/automatic_calculation.h"
#include "core/building_record.h"
#include "core/calculation.h"
#include "core/german_numbers.h"
#include "files/building_file.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

#include <charconv>
#include <cmath>
#include <string>

namespace orv {

namespace {

const char* kUsage =
    "Aufruf: orvenna-calc [--settings DataSet.kvz] [--text] DATEI.orv...\n"
    "Berechnet die Heizlast jeder Gebäudedatei und gibt je Datei eine Zeile JSON aus\n"
    "(mit --text eine kurze Zusammenfassung). Ohne --settings gelten die Werkseinstellungen.\n"
    "Mit --analysis [--heat-pump T1:P1,T2:P2] (°C:kW, Dezimalpunkt) enthält jede Zeile die Auswertung.\n"
    "       orvenna-calc [--settings DataSet.kvz] --report AUSGABE.pdf DATEI.orv\n"
    "schreibt den Berechnungsbericht einer Gebäudedatei als PDF.\n";

void appendJsonString(std::string& out, const QString& text)
{
    out += '"';
    for (const char c : text.toStdString()) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
                out += buffer;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

// The shortest text that reads back as the same Single. JSON has no infinities: should one ever get
// here, null keeps the line valid.
void appendNumber(std::string& out, const char* name, float value)
{
    out += ",\"";
    out += name;
    out += "\":";
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

const char* statusName(CalcStatus status)
{
    switch (status) {
    case CalcStatus::Ok:
        return "ok";
    case CalcStatus::Incomplete:
        return "incomplete";
    case CalcStatus::Implausible:
        return "implausible";
    case CalcStatus::TooLarge:
        return "too-large";
    case CalcStatus::Invalid:
        return "invalid";
    }
    return "invalid";
}

struct FileResult
{
    QString path;
    bool readable = false;
    CalcOutcome outcome;
    BuildingRecord record;
    CalculationResults results;
};

std::string jsonLine(const FileResult& f)
{
    std::string out = "{\"file\":";
    appendJsonString(out, f.path);
    out += ",\"status\":\"";
    out += f.readable ? statusName(f.outcome.status) : "unreadable";
    out += '"';
    const QString message = f.readable
                                ? f.outcome.message
                                : QStringLiteral("Die Datei kann nicht als Gebäudedatei gelesen werden.");
    if (!message.isEmpty()) {
        out += ",\"message\":";
        appendJsonString(out, message);
    }
    if (f.readable && f.outcome.resultsShown) {
        const BuildingRecord& r = f.record;
        const CalculationResults& c = f.results;
        appendNumber(out, "OuterWallArea", r.OuterWallArea);
        appendNumber(out, "BaseArea", r.BaseArea);
        appendNumber(out, "TransmissionLoad", r.TransmissionLoad);
        appendNumber(out, "VentilationLoad", r.VentilationLoad);
        appendNumber(out, "BuildingLoad", r.BuildingLoad);
        appendNumber(out, "SpecificLoad", r.SpecificLoad);
        appendNumber(out, "BuildingVolume", r.BuildingVolume);
        appendNumber(out, "AVRatio", r.AVRatio);
        appendNumber(out, "GroundDepth", c.GroundDepth);
        appendNumber(out, "RGroundWallToAir", c.RGroundWallToAir);
        appendNumber(out, "RFloorToAir", c.RFloorToAir);
        appendNumber(out, "RGroundWallToWater", c.RGroundWallToWater);
        appendNumber(out, "RFloorToWater", c.RFloorToWater);
        appendNumber(out, "FluxGroundWall", c.FluxGroundWall);
        appendNumber(out, "FluxFloor", c.FluxFloor);
        appendNumber(out, "LossGroundWall", c.LossGroundWall);
        appendNumber(out, "LossFloor", c.LossFloor);
        appendNumber(out, "LossOuterWall", c.LossOuterWall);
        appendNumber(out, "LossWindows", c.LossWindows);
        appendNumber(out, "LossRoof", c.LossRoof);
        appendNumber(out, "RoofLossArea", c.RoofLossArea);
        appendNumber(out, "TotalWallArea", c.TotalWallArea);
        appendNumber(out, "EnvelopeArea", c.EnvelopeArea);
        appendNumber(out, "MeanK", c.MeanK);
        appendNumber(out, "EffectiveK", c.EffectiveK);
        appendNumber(out, "EffectiveShare", c.EffectiveShare);
    }
    out += "}\n";
    return out;
}

std::string textSummary(const FileResult& f)
{
    QString line = f.path + QStringLiteral(": ");
    if (!f.readable) {
        line += QStringLiteral("nicht lesbar");
    } else if (f.outcome.resultsShown) {
        const BuildingRecord& r = f.record;
        line += QStringLiteral("QT = ") + formatNumber("%-0.2n", r.TransmissionLoad) +
                QStringLiteral(" kW, QL = ") + formatNumber("%-0.2n", r.VentilationLoad) +
                QStringLiteral(" kW, QN = ") + formatNumber("%-0.2n", r.BuildingLoad) +
                QStringLiteral(" kW, qN = ") + formatNumber("%-0.2n", r.SpecificLoad) +
                QStringLiteral(" W/m², V = ") + formatNumber("%-0.0n", r.BuildingVolume) +
                QStringLiteral(" m³");
        if (!f.outcome.resultsValid)
            line += QStringLiteral(" (unrealistisch groß)");
    } else if (f.outcome.status == CalcStatus::Incomplete) {
        line += QStringLiteral("Eingaben unvollständig");
    } else {
        line += QString(f.outcome.message).replace(QLatin1Char('\r'), QLatin1Char(' '));
    }
    return line.toStdString() + '\n';
}

} // namespace

int runCalcCli(const QList<QByteArray>& arguments, std::FILE* out, std::FILE* err)
{
    QByteArray settingsPath;
    bool text = false;
    bool analysis = false;
    std::optional<HeatPumpPoints> heatPump;
    QList<QByteArray> files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString a = QFile::decodeName(arguments[i]);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(kUsage, out);
            return 0;
        } else if (a == QLatin1String("--settings")) {
            if (++i == arguments.size()) {
                std::fputs("orvenna-calc: --settings braucht einen Dateinamen\n", err);
                std::fputs(kUsage, err);
                return 2;
            }
            settingsPath = arguments[i];
        } else if (a == QLatin1String("--text")) {
            text = true;
        } else if (a == QLatin1String("--analysis")) {
            analysis = true;
        } else if (a == QLatin1String("--heat-pump")) {
            if (++i == arguments.size() ||
                !(heatPump = parseHeatPumpOption(QFile::decodeName(arguments[i])))) {
                std::fputs("orvenna-calc: --heat-pump braucht zwei Punkte T1:P1,T2:P2 mit verschiedenen "
                           "Temperaturen (°C) und Heizleistungen (kW)\n",
                           err);
                return 2;
            }
            analysis = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            std::fprintf(err, "orvenna-calc: unbekannte Option %s\n", a.toLocal8Bit().constData());
            std::fputs(kUsage, err);
            return 2;
        } else {
            files << arguments[i];
        }
    }
    if (analysis && text) {
        std::fputs("orvenna-calc: --analysis gibt es nur für die JSON-Ausgabe, nicht mit --text\n", err);
        return 2;
    }
    if (files.isEmpty()) {
        std::fputs("orvenna-calc: keine Gebäudedatei angegeben\n", err);
        std::fputs(kUsage, err);
        return 2;
    }

    SettingsRecord settings;
    if (settingsPath.isEmpty()) {
        applyFactoryDefaults(settings, QString());
    } else {
        QFile file;
        std::optional<SettingsRecord> read;
        if (openByNativeName(file, settingsPath))
            read = decodeSettings(file.read(SettingsRecord::Size));
        if (!read) {
            std::fprintf(err, "orvenna-calc: Einstellungsdatei %s kann nicht gelesen werden\n",
                         QFile::decodeName(settingsPath).toLocal8Bit().constData());
            return 1;
        }
        settings = std::move(*read);
    }

    int exitCode = 0;
    for (const QByteArray& path : files) {
        FileResult f;
        f.path = QFile::decodeName(path); // bytes that are no valid text show as U+FFFD
        QFile file;
        std::optional<BuildingRecord> record;
        if (openByNativeName(file, path))
            record = decodeBuilding(file.read(BuildingRecord::Size));
        if (record) {
            f.readable = true;
            f.record = std::move(*record);
            f.outcome = calculateStoredBuilding(f.record, settings, f.results);
        } else {
            exitCode = 1;
        }
        std::string line = text ? textSummary(f) : jsonLine(f);
        if (analysis && !text && f.readable && f.outcome.status == CalcStatus::Ok)
            line.insert(line.size() - 2,
                        analysisJson(analysisFigures(f.record, settings, f.results, heatPump)));
        std::fwrite(line.data(), 1, line.size(), out);
    }
    return exitCode;
}

} // namespace orv
