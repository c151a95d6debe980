#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>

#include <optional>

namespace orv {

// The file system that holds a folder: where it is mounted and its size in bytes.
struct DiskFigures
{
    QString name; // the mount point, shown where a drive letter would stand
    qint64 totalBytes = 0;
    qint64 freeBytes = 0; // available to this user
};

// What the environment information reports; gathered by the window, formatted without one.
struct EnvironmentFacts
{
    QString version;
    int settingsReadErrors = 0;
    std::optional<QDateTime> settingsChanged; // none when the settings file is missing
    QString programDir;
    QString buildingsFolder;
    QSize screen;
    DiskFigures disk;
};

// The file system of `path`; all zero when it cannot be asked.
DiskFigures diskFigures(const QString& path);
// When the file was last written; none when it does not exist.
std::optional<QDateTime> lastChange(const QString& path);

// The information message, lines separated by "\r".
QString environmentInformation(const EnvironmentFacts& facts);

} // namespace orv
