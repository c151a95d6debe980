#include "files/atomic_write.h"

#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace orv {

namespace {

// The rename gives the new file the writer's default group: a file in a shared project folder would
// drop out of the group. Where the writer may, the old group comes back; where not, it stays as it is.
void restoreGroup(const QString& path, qint64 group)
{
#ifdef Q_OS_UNIX
    if (group < 0 || QFileInfo(path).groupId() == group)
        return;
    if (::chown(QFile::encodeName(path).constData(), uid_t(-1), gid_t(group)) != 0)
        return; // not a member of that group: the file keeps the writer's group
#else
    Q_UNUSED(path);
    Q_UNUSED(group);
#endif
}

} // namespace

bool writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QFileInfo before(path);
    const qint64 group = before.exists() ? qint64(before.groupId()) : -1; // before the rename changes it
    QSaveFile file(path);
    // A folder without create rights has no room for the temporary file, yet an existing writable file
    // in it may be rewritten: only then is it written in place. Everywhere else the write stays atomic.
    file.setDirectWriteFallback(true);
    // Unbuffered, so a short write (disk full) shows in write()'s count: a buffered flush takes a
    // partial write for success and the truncated file would replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    restoreGroup(path, group);
    return true;
}

} // namespace orv
