#pragma once

#include <QByteArray>
#include <QFile>

namespace orv {

// Opens a file for reading by the bytes of its name as the system gave them. A name that is not valid
// in the locale's encoding does not survive a QString (its bytes turn into U+FFFD), so such a name is
// opened from the bytes themselves.
bool openByNativeName(QFile& file, const QByteArray& nativeName);

} // namespace orv
