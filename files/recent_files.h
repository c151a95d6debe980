#pragma once

#include "files/building_view.h"

#include <QString>

namespace orv {

struct SettingsRecord;

inline constexpr const char* kEmptyRecentSlot = "LEER";

// The list rules of MenueDateiHinzufuegen: an entry already listed keeps its place, a second file of
// the same name never enters, the automatically kept building is never listed; otherwise the file
// goes to the top and the oldest entry drops out. Returns whether the list changed.
bool addRecentFile(SettingsRecord& settings, const QString& path, const QString& caption);

// DateiEintragHinzufuegen's view of the list: an entry is shown while its file exists.
RecentMenu recentMenu(const SettingsRecord& settings);

} // namespace orv
