#include "core/environment_info.h"

#include "core/german_numbers.h"

#include <QFileInfo>
#include <QStorageInfo>
#include <QStringList>

namespace orv {

DiskFigures diskFigures(const QString& path)
{
    const QStorageInfo storage(path);
    if (!storage.isValid() || !storage.isReady())
        return {};
    return {storage.rootPath(), storage.bytesTotal(), storage.bytesAvailable()};
}

std::optional<QDateTime> lastChange(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    return info.lastModified();
}

QString environmentInformation(const EnvironmentFacts& f)
{
    // The blanks inside the labels line the values up in the program's message font.
    const QString changed = f.settingsChanged
                                ? f.settingsChanged->toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"))
                                : QStringLiteral("(Datei fehlt)");
    // An unreadable file system has no size; its share is shown as 0 rather than as a division by zero.
    const double freeShare =
        f.disk.totalBytes > 0 ? double(f.disk.freeBytes) / double(f.disk.totalBytes) * 100.0 : 0.0;
    const QString disk = QStringLiteral("Laufwerk ") + f.disk.name + QLatin1Char(':');

    QStringList lines;
    lines << QStringLiteral("PROGRAMM- UND SYSTEMINFORMATIONEN:") << QString()
          << QStringLiteral("Programmversion:                       ") + f.version;
    lines << QString() << QStringLiteral("EINSTELLUNGSDATEI: ")
          << QStringLiteral("Datei korrekt?                              ") +
                 (f.settingsReadErrors == 0 ? QStringLiteral("JA - Fehlercode: ")
                                            : QStringLiteral("NEIN - Fehlercode: ")) +
                 QString::number(f.settingsReadErrors);
    lines << QStringLiteral("Letzte Änderung an dieser:          ") + changed;
    lines << QString() << QStringLiteral("Aktueller Programmpfad:              ") + f.programDir
          << QStringLiteral("Eingestellter Dateipfad:                ") + f.buildingsFolder;
    // The program calls the vertical extent horizontal, as its window-enlargement settings do.
    lines << QString()
          << QStringLiteral("Horizontale Bildschirmgröße:        ") + QString::number(f.screen.height()) +
                 QStringLiteral(" Pixel")
          << QStringLiteral("Vertikale Bildschirmgröße:            ") + QString::number(f.screen.width()) +
                 QStringLiteral(" Pixel");
    lines << QString()
          << QStringLiteral("Gesamt ") + disk + QStringLiteral("                     ") +
                 formatNumber("%-0.0n", double(f.disk.totalBytes) / 1000.0) + QStringLiteral(" KByte")
          << QStringLiteral("Frei auf ") + disk + QStringLiteral("                     ") +
                 formatNumber("%-0.0n", double(f.disk.freeBytes) / 1000.0) + QStringLiteral(" KByte  = ") +
                 formatNumber("%-0.1n", freeShare) + QLatin1Char('%');
    return lines.join(QLatin1Char('\r'));
}

} // namespace orv
