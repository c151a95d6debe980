// Writes the data a fresh install ships with: the default settings and the two worked examples.
// Generated at build time with the program's own codec, so no binary files live in the repository.

#include "core/automatic_calculation.h"
#include "core/building_record.h"
#include "core/calculation.h"
#include "core/example_buildings.h"
#include "core/german_numbers.h"
#include "core/program_info.h"
#include "files/atomic_write.h"
#include "settings/settings_record.h"

#include <QDir>

#include <cstdio>

using namespace orv;

namespace {

// The worked example as the program would save it: file header, name, the shipped tall-building rule.
BuildingRecord shippedExample(BuildingRecord example, const SettingsRecord& settings, const char* name)
{
    writeBuildingHeader(example, QStringLiteral("01.01.26"));
    example.RaiseShareAbove10m = settings.DefaultTallBuildingShare;
    example.BuildingName = QString::fromUtf8(name);
    example.HasBuildingInfo = true;
    return example;
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
        writeExample(out.filePath(QStringLiteral("examples/Beispiel1.orv")),
                     shippedExample(workedExample1(), settings, "Beispiel 1 - Einfamilienhaus"), settings) &&
        writeExample(
            out.filePath(QStringLiteral("examples/Beispiel2.orv")),
            shippedExample(workedExample2(), settings, "Beispiel 2 - Haus mit Keller und Dachgeschoss"),
            settings);
    return ok ? 0 : 1;
}
