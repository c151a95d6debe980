#include "files/program_location.h"

#include "settings/settings_file.h"
#include "tools/material_catalog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace orv {

namespace {

QString withSeparator(const QString& dir)
{
    const QString clean = QDir::cleanPath(dir);
    return clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
}

// Permission bits say too little (root, read-only mounts): only a file actually created counts.
bool canCreateFilesIn(const QString& dir)
{
    QTemporaryFile probe(withSeparator(dir) + QStringLiteral(".orvenna-probe-XXXXXX"));
    return probe.open();
}

QString installedDataDir(const QString& executableDir)
{
    return withSeparator(executableDir) + QStringLiteral("../share/orvenna");
}

} // namespace

ProgramLocation locateProgram(const QString& executableDir, const QString& userDataDir)
{
    ProgramLocation location;
    const QString besideProgram = withSeparator(executableDir) + QStringLiteral("data");
    const QString installed = installedDataDir(executableDir);
    const bool isInstalled = QFileInfo(installed).isDir();
    if (QFileInfo(besideProgram).isDir())
        location.sharedDataDir = withSeparator(besideProgram);
    else if (isInstalled)
        location.sharedDataDir = withSeparator(installed);

    // Even root must not fill a system bin/ folder with settings.
    if (!isInstalled && canCreateFilesIn(executableDir))
        location.programDir = withSeparator(executableDir);
    else
        location.programDir = withSeparator(userDataDir);
    return location;
}

QString defaultUserDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/orvenna");
}

QString factoryBuildingsFolder(const QString& programDir)
{
    if (QDir::cleanPath(programDir) != QDir::cleanPath(defaultUserDataDir()))
        return programDir;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? programDir : withSeparator(documents);
}

QString findDataFile(const ProgramLocation& location, const QString& fileName)
{
    for (const QString& dir : {location.programDir, location.sharedDataDir}) {
        if (!dir.isEmpty() && QFileInfo(dir + fileName).isFile())
            return dir + fileName;
    }
    return QString();
}

void prepareProgramDirectory(const ProgramLocation& location)
{
    QDir().mkpath(location.programDir);
    if (location.sharedDataDir.isEmpty())
        return;
    installShippedSettings(location.programDir, location.sharedDataDir + QLatin1String(kSettingsFileName));
    // The user may replace the catalogue with an own one: a copy already there stays.
    const QString catalog = location.programDir + QLatin1String(kCatalogFileName);
    const QString shippedCatalog = location.sharedDataDir + QLatin1String(kCatalogFileName);
    if (!QFileInfo::exists(catalog) && QFileInfo(shippedCatalog).isFile())
        QFile::copy(shippedCatalog, catalog);
}

} // namespace orv
