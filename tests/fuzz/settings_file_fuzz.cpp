// Any bytes as a settings file: decoded, round-tripped with the read image, and then used as the program
// uses settings: the worked examples calculated, shown and drawn with them, and orvenna-calc --settings.

#include "fuzz_checks.h"

#include "core/example_buildings.h"
#include "print/calculation_report.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

#include <cstdint>

using namespace orv;
using namespace orv::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString example1 = [] {
        const QString path = scratchPath(QStringLiteral("example1.orv"));
        writeScratch(path, encodeBuilding(workedExample1()));
        return path;
    }();
    static const QString example2 = [] {
        const QString path = scratchPath(QStringLiteral("example2.orv"));
        writeScratch(path, encodeBuilding(workedExample2()));
        return path;
    }();

    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = scratchPath(QStringLiteral("DataSet.kvz"));
    writeScratch(path, bytes);

    const auto decoded = decodeSettings(bytes);
    require(decoded.has_value() == (bytes.size() >= SettingsRecord::Size),
            "decode accepts exactly the long files");
    const auto read = readSettingsFile(path);
    require(read.has_value() == decoded.has_value(), "file reader and decoder disagree");
    runCalc({QStringLiteral("--settings"), path, QStringLiteral("--analysis"), example1, example2});
    if (!decoded)
        return 0;

    const QByteArray encoded = encodeSettings(*decoded);
    requireSameBytes(encoded, canonicalImage(bytes, settingsLayout()), "encode(decode(bytes))");
    requireSameBytes(encodeSettings(*decodeSettings(encoded)), encoded, "decode(encode(record))");
    requireSameBytes(encodeSettings(*read), encoded, "read file");
    SettingsRecord settings = *decoded;
    scrubTexts(settings);
    requireFiniteText(loadIncreaseNotice(settings.LoadIncreasePercent), "load increase notice");
    requireFiniteText(temperatureLine(settings.DefaultRoomTemperature, settings.DefaultOutdoorTemperature),
                      "temperature line");
    for (BuildingRecord building : {workedExample1(), workedExample2()}) {
        CalculationResults results;
        const CalcOutcome outcome = calculateAndCheck(building, settings, results);
        if (!outcome.resultsValid)
            continue;
        RecordingCanvas canvas;
        drawCalculationReport(canvas, building, results, settings, QStringLiteral("11.12.26"));
        checkDrawing(canvas, "report text");
    }
    return 0;
}
