#pragma once

#include <QString>

namespace orv {

inline constexpr const char* kBuildingMimeType = "application/x-orvgeb";
inline constexpr const char* kDesktopFileName = "orvenna.desktop";
inline constexpr const char* kMimePackageFileName = "orvenna-mime.xml";
inline constexpr const char* kIconFileName = "orvenna.svg";

// The shipped desktop entry with its Exec line pointing at this executable, quoted as desktop entries
// require, with the file argument.
QString desktopEntryFor(const QString& shippedEntry, const QString& executablePath);

// registerfiletype, desktop form: the shared-mime-info type for *.orv, the desktop entry and the icon
// are copied from `sharedDataDir` into the user's data home (~/.local/share). What cannot be read or
// written is skipped without a message. With `refreshCaches` the desktop's caches are rebuilt in the
// background by their own tools, where installed.
void registerfiletype(const QString& sharedDataDir, const QString& dataHome, const QString& executablePath,
                      bool refreshCaches);

// Once per installation: the program directory remembers for which executable it registered, so a
// moved program registers again.
bool fileTypeRegistrationDue(const QString& programDir, const QString& executablePath);
void rememberFileTypeRegistration(const QString& programDir, const QString& executablePath);

// The first-start set-up's part of it, for the program's main().
void registerFileTypeOnFirstStart(const QString& programDir, const QString& sharedDataDir,
                                  const QString& executablePath);

} // namespace orv
