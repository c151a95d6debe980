#include "files/recent_files.h"

#include "core/cp1252.h"
#include "core/program_info.h"
#include "settings/settings_record.h"

#include <QFileInfo>

#include <algorithm>

namespace orv {

namespace {

// Lists kept from the old platform may hold files on floppy drives, which are gone by the next start.
bool onFloppyDrive(const QString& path)
{
    if (path.size() < 2 || path[1] != QLatin1Char(':'))
        return false;
    const QChar drive = path[0].toUpper();
    return drive == QLatin1Char('A') || drive == QLatin1Char('B');
}

// A slot holds 255 Windows-1252 characters; a path that does not survive that would be listed as
// some other file, or as none.
bool fitsSlot(const QString& path)
{
    return path.size() <= 255 && decodeCp1252(encodeCp1252(path)) == path;
}

} // namespace

bool addRecentFile(SettingsRecord& s, const QString& path, const QString& caption)
{
    if (onFloppyDrive(path) || !fitsSlot(path))
        return false;
    if (std::find(s.RecentFiles.begin(), s.RecentFiles.end(), path) != s.RecentFiles.end())
        return false;
    if (std::find(s.RecentCaptions.begin(), s.RecentCaptions.end(), caption) != s.RecentCaptions.end())
        return false;
    if (caption == QString::fromLatin1(kAutoSaveFileName).left(8))
        return false;
    std::shift_right(s.RecentFiles.begin(), s.RecentFiles.end(), 1);
    std::shift_right(s.RecentCaptions.begin(), s.RecentCaptions.end(), 1);
    s.RecentFiles[0] = path;
    s.RecentCaptions[0] = caption;
    return true;
}

RecentMenu recentMenu(const SettingsRecord& s)
{
    RecentMenu menu;
    for (int n = 0; n < kRecentSlots; ++n) {
        const QString& path = s.RecentFiles[n];
        if (path.isEmpty() || path == QLatin1String(kEmptyRecentSlot) || !QFileInfo(path).isFile())
            continue;
        // A "&" in a file name is text, not an accelerator.
        QString caption = s.RecentCaptions[n];
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        menu.entries[n] = QStringLiteral("&") + QString::number(n + 1) + QStringLiteral("  ") + caption;
        menu.separatorVisible = true;
    }
    return menu;
}

} // namespace orv
