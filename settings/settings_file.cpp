#include "settings/settings_file.h"

#include "core/dialogs.h"
#include "core/session.h"
#include "files/atomic_write.h"
#include "files/program_location.h"
#include "settings/settings_record.h"

#include <QFile>
#include <QFileInfo>

namespace orv {

QString settingsFilePath(const QString& programDir)
{
    return programDir + QLatin1String(kSettingsFileName);
}

QString readErrorMessage(const QString& programDir, int readErrors)
{
    return QStringLiteral("FEHLER! Datei DataSet.kvz (Einstellungen/Vorgaben) im Verzeichnis \r") +
           programDir + QStringLiteral(" fehlt oder ist beschädigt.  (Fehlercode: ") +
           QString::number(readErrors) + QStringLiteral(")") + QStringLiteral("\r\r") +
           QStringLiteral("Bitte UNBEDINGT Programm bzw. o.g. Datei neu von Diskette installieren") +
           QStringLiteral("\r") +
           QStringLiteral("Erledigen Sie das umgehend, da das Programm sonst falsch rechnet !");
}

void Standardvorgaben_Nach_lesefehler(SettingsRecord& settings, const QString& programDir, int readErrors,
                                      bool showMessage, Dialogs& dialogs)
{
    if (showMessage)
        dialogs.show(
            {readErrorMessage(programDir, readErrors), QString(), MessageIcon::None, MessageButtons::Ok});
    applyFactoryDefaults(settings, programDir);
}

int Vorgaben_einlesen(SettingsRecord& settings, const QString& programDir, Dialogs& dialogs)
{
    QFile file(settingsFilePath(programDir));
    if (!file.exists()) {
        Standardvorgaben_Nach_lesefehler(settings, programDir, 1, true, dialogs);
        return 1;
    }
    // Opened for reading only: a write-protected settings file is still good settings.
    std::optional<SettingsRecord> read;
    if (file.open(QIODevice::ReadOnly))
        read = decodeSettings(file.read(SettingsRecord::Size));
    if (!read) {
        // A short file's bytes still land in the record; the defaults then go over them.
        if (file.isOpen() && file.seek(0)) {
            QByteArray bytes = encodeSettings(settings);
            const QByteArray partial = file.read(SettingsRecord::Size);
            bytes.replace(0, partial.size(), partial);
            settings = *decodeSettings(bytes);
        }
        Standardvorgaben_Nach_lesefehler(settings, programDir, 10, true, dialogs);
        return 10;
    }
    settings = std::move(*read);
    return 0;
}

bool Vorgaben_Speichern(const SettingsRecord& settings, const QString& programDir, Dialogs& dialogs)
{
    if (writeFileAtomically(settingsFilePath(programDir), encodeSettings(settings)))
        return true;
    dialogs.show({QStringLiteral("Fehler bei Datenträgerzugriff."), QStringLiteral("Fehler"),
                  MessageIcon::Error, MessageButtons::Ok});
    return false;
}

namespace {

void warnSettingsNotStored(Session& session, Dialogs& dialogs)
{
    if (session.SettingsWriteWarned)
        return;
    session.SettingsWriteWarned = true;
    dialogs.show({QStringLiteral("Die Einstellungsdatei ") + settingsFilePath(session.programDir) +
                      QStringLiteral(" kann nicht geschrieben werden.\rGeänderte Einstellungen werden "
                                     "nicht gespeichert."),
                  QStringLiteral("Hinweis!"), MessageIcon::Warning, MessageButtons::Ok});
}

} // namespace

bool storeSettings(Session& session, Dialogs& dialogs)
{
    if (writeFileAtomically(settingsFilePath(session.programDir), encodeSettings(session.settings)))
        return true;
    warnSettingsNotStored(session, dialogs);
    return false;
}

void warnIfSettingsReadOnly(Session& session, Dialogs& dialogs)
{
    const QFileInfo file(settingsFilePath(session.programDir));
    if (file.exists() && !file.isWritable())
        warnSettingsNotStored(session, dialogs);
}

std::optional<SettingsRecord> readSettingsFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeSettings(file.read(SettingsRecord::Size));
}

void installShippedSettings(const QString& programDir, const QString& shippedSettingsPath)
{
    const QString target = settingsFilePath(programDir);
    if (QFile::exists(target) || !QFile::exists(shippedSettingsPath))
        return;
    auto settings = readSettingsFile(shippedSettingsPath);
    if (!settings)
        return;
    settings->BuildingsFolder =
        factoryBuildingsFolder(programDir); // the shipped file cannot know where it was installed
    writeFileAtomically(target, encodeSettings(*settings));
}

} // namespace orv
