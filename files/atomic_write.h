#pragma once

#include <QByteArray>
#include <QString>

namespace orv {

// Writes the whole file through a temporary file and a rename: on any failure the previous file
// stays as it was. Returns false on failure.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace orv
