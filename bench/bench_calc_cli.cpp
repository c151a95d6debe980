// Files per second of orvenna-calc: writes 10,000 building files and times one run over all of them.
// Usage: bench_calc_cli [PATH-TO-orvenna-calc]

#include "core/building_record.h"
#include "core/example_buildings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString calc = argc > 1
                             ? QString::fromLocal8Bit(argv[1])
                             : QCoreApplication::applicationDirPath() + QStringLiteral("/../orvenna-calc");
    constexpr int kFiles = 10000;
    QTemporaryDir dir;
    QStringList files;
    for (int i = 0; i < kFiles; ++i) {
        orv::BuildingRecord r = orv::workedExample1();
        r.BuildingLength = 8 + float(i % 17);
        r.BuildingWidth = 7 + float(i % 5);
        r.BuildingName = QStringLiteral("Haus %1").arg(i);
        const QString path = dir.filePath(QStringLiteral("b%1.orv").arg(i));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(orv::encodeBuilding(r)) != orv::BuildingRecord::Size)
            return 1;
        files << path;
    }
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    p.start(calc, files);
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        std::fprintf(stderr, "orvenna-calc failed\n");
        return 1;
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("orvenna-calc: %d files in %.3f s = %.0f files/s\n", kFiles, seconds, kFiles / seconds);
    return 0;
}
