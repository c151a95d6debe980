#include "files/file_type_registration.h"

#include "files/atomic_write.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace orv {

namespace {

inline constexpr const char* kRegistrationMarker = ".orvenna-registered";

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void copyInto(const QString& dir, const QString& name, const QByteArray& bytes)
{
    if (bytes.isEmpty() || !QDir().mkpath(dir))
        return;
    writeFileAtomically(dir + QLatin1Char('/') + name, bytes);
}

// An Exec argument: reserved characters quoted, then the backslashes of the string escape doubled.
QString execQuoted(const QString& path)
{
    QString quoted;
    for (QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void startInBackground(const QString& tool, const QString& dir)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty())
        QProcess::startDetached(program, {dir});
}

} // namespace

QString desktopEntryFor(const QString& shippedEntry, const QString& executablePath)
{
    QStringList lines = shippedEntry.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.startsWith(QLatin1String("Exec=")))
            line = QStringLiteral("Exec=") + execQuoted(executablePath) + QStringLiteral(" %f");
        else if (line.startsWith(QLatin1String("TryExec=")))
            line = QStringLiteral("TryExec=") + executablePath;
    }
    return lines.join(QLatin1Char('\n'));
}

void registerfiletype(const QString& sharedDataDir, const QString& dataHome, const QString& executablePath,
                      bool refreshCaches)
{
    const QString entry = QString::fromUtf8(readAll(sharedDataDir + QLatin1String(kDesktopFileName)));
    if (!entry.isEmpty())
        copyInto(dataHome + QStringLiteral("/applications"), QLatin1String(kDesktopFileName),
                 desktopEntryFor(entry, executablePath).toUtf8());
    copyInto(dataHome + QStringLiteral("/mime/packages"), QLatin1String(kMimePackageFileName),
             readAll(sharedDataDir + QLatin1String(kMimePackageFileName)));
    copyInto(dataHome + QStringLiteral("/icons/hicolor/scalable/apps"), QLatin1String(kIconFileName),
             readAll(sharedDataDir + QLatin1String(kIconFileName)));
    if (refreshCaches) {
        startInBackground(QStringLiteral("update-mime-database"), dataHome + QStringLiteral("/mime"));
        startInBackground(QStringLiteral("update-desktop-database"),
                          dataHome + QStringLiteral("/applications"));
    }
}

bool fileTypeRegistrationDue(const QString& programDir, const QString& executablePath)
{
    return QString::fromUtf8(readAll(programDir + QLatin1String(kRegistrationMarker))) != executablePath;
}

void rememberFileTypeRegistration(const QString& programDir, const QString& executablePath)
{
    writeFileAtomically(programDir + QLatin1String(kRegistrationMarker), executablePath.toUtf8());
}

void registerFileTypeOnFirstStart(const QString& programDir, const QString& sharedDataDir,
                                  const QString& executablePath)
{
    if (sharedDataDir.isEmpty() || !fileTypeRegistrationDue(programDir, executablePath))
        return;
    registerfiletype(sharedDataDir, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                     executablePath, true);
    rememberFileTypeRegistration(programDir, executablePath);
}

} // namespace orv
