#include "app/native_file_name.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace orv {

bool openByNativeName(QFile& file, const QByteArray& nativeName)
{
    const QString decoded = QFile::decodeName(nativeName);
    if (QFile::encodeName(decoded) == nativeName) {
        file.setFileName(decoded);
        return file.open(QIODevice::ReadOnly);
    }
#ifdef Q_OS_UNIX
    const int fd = ::open(nativeName.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    return false;
#endif
}

} // namespace orv
