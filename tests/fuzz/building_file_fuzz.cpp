// Any bytes as a building file: decoded, round-tripped, shown in the inputs, calculated as an automatic
// calculation with the shipped settings (checks on and off), and run through orvenna-calc.

#include "fuzz_checks.h"

#include "files/building_file.h"
#include "settings/settings_record.h"

#include <cstdint>

using namespace orv;
using namespace orv::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const SettingsRecord shipped = shippedDefaultSettings(QStringLiteral("/"));
    static const SettingsRecord unchecked = [] {
        SettingsRecord s = shipped;
        s.PlausibilityChecks = false;
        return s;
    }();

    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = scratchPath(QStringLiteral("building.orv"));
    writeScratch(path, bytes);

    const auto decoded = decodeBuilding(bytes);
    require(decoded.has_value() == (bytes.size() >= BuildingRecord::Size),
            "decode accepts exactly the long files");
    const auto read = readBuildingFile(path);
    require(read.has_value() == decoded.has_value(), "file reader and decoder disagree");
    const std::string json = runCalc({QStringLiteral("--analysis"), path});
    require((json.find("\"status\":\"unreadable\"") == std::string::npos) == decoded.has_value(),
            "orvenna-calc disagrees on readability", QString::fromStdString(json));
    if (!decoded)
        return 0;

    const QByteArray encoded = encodeBuilding(*decoded);
    requireSameBytes(encoded, canonicalImage(bytes, buildingLayout()), "encode(decode(bytes))");
    requireSameBytes(encodeBuilding(*decodeBuilding(encoded)), encoded, "decode(encode(record))");
    requireSameBytes(encodeBuilding(*read), encoded, "read file");

    // What the main window's inputs show of the loaded file.
    for (const QString& text : inputTextsOf(*decoded))
        requireFiniteText(text, "input text");

    for (const SettingsRecord* settings : {&shipped, &unchecked}) {
        BuildingRecord record = *decoded;
        CalculationResults results;
        calculateAndCheck(record, *settings, results);
    }
    return 0;
}
