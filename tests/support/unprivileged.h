#pragma once

#include <QFile>
#include <QString>

#include <cstdio>
#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orv::test {

// Folder and file permissions do not bind root, and CI runs as root. A check of what permissions forbid
// runs in a child process that drops to `nobody` first (as any other user it runs as that user).
inline constexpr uid_t kUnprivilegedUser = 65534;
inline constexpr gid_t kUnprivilegedGroup = 65534;

// The check's result; false when the child could not drop its privileges or died.
inline bool runUnprivileged(const std::function<bool()>& check)
{
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(kUnprivilegedGroup) != 0 || setuid(kUnprivilegedUser) != 0))
            _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Makes `path` the unprivileged user's with the given permissions (as another user: that user's).
inline bool prepareForUnprivileged(const QString& path, QFileDevice::Permissions permissions)
{
    if (geteuid() == 0 &&
        chown(QFile::encodeName(path).constData(), kUnprivilegedUser, kUnprivilegedGroup) != 0)
        return false;
    return QFile::setPermissions(path, permissions);
}

} // namespace orv::test
