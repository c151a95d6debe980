#include "files/atomic_write.h"

#include <QSaveFile>

namespace orv {

bool writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Unbuffered, so a short write (disk full) shows in write()'s count: a buffered flush takes a
    // partial write for success and the truncated file would replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace orv
