// Writes the data a fresh install ships with: the default settings and the two worked examples.
// Generated at build time with the program's own codec, so no binary files live in the repository.

#include "core/automatic_calculation.h"
#include "core/building_record.h"
#include "core/calculation.h"
#include "core/german_numbers.h"
#include "core/program_info.h"
#include "files/atomic_write.h"
#include "settings/settings_record.h"

#include <QDir>

#include <cstdio>

using namespace orv;

namespace {

BuildingRecord exampleBase(const SettingsRecord& settings, const char* name)
{
    BuildingRecord r;
    writeBuildingHeader(r, QStringLiteral("01.01.26"));
    resetToNewBuilding(r, settings);
    r.BuildingName = QString::fromUtf8(name);
    r.HasBuildingInfo = true;
    return r;
}

// Single-family house, roof space and cellar not heated.
BuildingRecord example1(const SettingsRecord& s)
{
    BuildingRecord r = exampleBase(s, "Beispiel 1 - Einfamilienhaus");
    r.BuildingLength = 10;
    r.BuildingWidth = 8;
    r.HeatedHeight = 5.5f;
    r.WindowArea = 20;
    r.KOuterWall = 0.5f;
    r.KWindow = 1.3f;
    r.KRoof = 0.3f;
    r.RFloor = 1.0f;
    r.Storeys = 2;
    r.RoomTemperature = 20;
    r.OutsideTemperature = -12;
    r.GroundwaterDepth = 5;
    r.GroundwaterTemperature = 10;
    r.UsableAreaPercent = 70;
    r.MinAirChange = 0.5f;
    r.VentilationShare = 0.5f;
    return r;
}

// Roof space and cellar heated.
BuildingRecord example2(const SettingsRecord& s)
{
    BuildingRecord r = exampleBase(s, "Beispiel 2 - Haus mit Keller und Dachgeschoss");
    r.RoofSpaceHeated = true;
    r.CellarHeated = true;
    r.BuildingLength = 12;
    r.BuildingWidth = 9;
    r.HeatedHeight = 5.0f;
    r.GroundWallHeight = 2.5f;
    r.WindowArea = 30;
    r.RoofArea = 160;
    r.GableArea = 40;
    r.RoofVolume = 150;
    r.KOuterWall = 0.4f;
    r.KWindow = 1.6f;
    r.KRoof = 0.25f;
    r.RFloor = 1.5f;
    r.RGroundWall = 1.2f;
    r.Storeys = 3;
    r.RoomTemperature = 20;
    r.OutsideTemperature = -14;
    r.GroundwaterDepth = 4;
    r.GroundwaterTemperature = 10;
    r.UsableAreaPercent = 75;
    r.MinAirChange = 0.5f;
    r.VentilationShare = 0.5f;
    return r;
}

bool writeExample(const QString& path, BuildingRecord record, const SettingsRecord& settings)
{
    CalculationResults results;
    if (calculateStoredBuilding(record, settings, results).status != CalcStatus::Ok) {
        std::fprintf(stderr, "orvenna-make-data: example %s does not calculate\n", qPrintable(path));
        return false;
    }
    return writeFileAtomically(path, encodeBuilding(record));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: orvenna-make-data OUTPUT-DIR\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("examples"))) {
        std::fputs("orvenna-make-data: cannot create the output folder\n", stderr);
        return 1;
    }
    SettingsRecord settings = shippedDefaultSettings(QString());
    writeSettingsHeader(settings);
    const bool ok =
        writeFileAtomically(out.filePath(QStringLiteral("DataSet.kvz")), encodeSettings(settings)) &&
        writeExample(out.filePath(QStringLiteral("examples/Beispiel1.orv")), example1(settings), settings) &&
        writeExample(out.filePath(QStringLiteral("examples/Beispiel2.orv")), example2(settings), settings);
    return ok ? 0 : 1;
}
