#pragma once

#include <QString>

#include <optional>

namespace orv {

class Dialogs;
struct Session;
struct SettingsRecord;

inline constexpr const char* kSettingsFileName = "DataSet.kvz";

// The program directory with its trailing separator; settings, catalogue and AutoSave.orv live there.
QString settingsFilePath(const QString& programDir);

// Loads DataSet.kvz into the record. Returns the read errors: 0 read, 1 missing, 10 unreadable.
// On an error the factory defaults are put over what the record held, after the message.
int Vorgaben_einlesen(SettingsRecord& settings, const QString& programDir, Dialogs& dialogs);

// The factory defaults, announced by the read-error message when `showMessage` is set.
void Standardvorgaben_Nach_lesefehler(SettingsRecord& settings, const QString& programDir, int readErrors,
                                      bool showMessage, Dialogs& dialogs);
QString readErrorMessage(const QString& programDir, int readErrors);

// Writes the whole record; on failure shows "Fehler bei Datenträgerzugriff." and keeps the file as it was.
bool Vorgaben_Speichern(const SettingsRecord& settings, const QString& programDir, Dialogs& dialogs);

// The settings writes that follow a building-file command (recent files, quick save): a settings file
// that cannot be written is reported once per run, naming it, and never as a disk error after the
// building itself was saved. Settings the user changes on purpose keep Vorgaben_Speichern's message.
bool storeSettings(Session& session, Dialogs& dialogs);
// At start: a settings file that exists but may not be written is reported then, once.
void warnIfSettingsReadOnly(Session& session, Dialogs& dialogs);

// The record of a settings file named by the user (command line), without messages or defaults.
std::optional<SettingsRecord> readSettingsFile(const QString& path);

// First start: copies the shipped default settings into a program directory that has none.
// Silently does nothing when there is no shipped file or it cannot be copied.
void installShippedSettings(const QString& programDir, const QString& shippedSettingsPath);

} // namespace orv
