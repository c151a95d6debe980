#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace orv {

// Windows-1252 is Latin-1 except for 0x80..0x9F. The five bytes that code page leaves undefined map
// to the C1 control characters of the same value, so every byte survives a round trip.
QString decodeCp1252(QByteArrayView bytes);

// Characters without a Windows-1252 byte become '?'.
QByteArray encodeCp1252(const QString& text);

} // namespace orv
