#pragma once

#include <QByteArray>
#include <QString>

namespace orv {

// Writes the whole file through a temporary file and a rename: on any failure the previous file
// stays as it was. Only where the folder forbids creating the temporary file is an existing writable
// file rewritten in place. An existing file keeps its group where the writer may set it.
// Returns false on failure.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace orv
