#include "PrivateMounts.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace privatemounts {

namespace {

bool fail(QString* why, const QString& what)
{
    if (why)
        *why = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool writeFile(const char* path, const QByteArray& text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    ::close(fd);
    return ok;
}

} // namespace

bool enterPrivateMountNamespace(QString* why)
{
    if (::geteuid() == 0) {
        if (::unshare(CLONE_NEWNS) != 0)
            return fail(why, QStringLiteral("unshare(CLONE_NEWNS)"));
    } else {
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return fail(why, QStringLiteral("unshare(CLONE_NEWUSER | CLONE_NEWNS)"));
        writeFile("/proc/self/setgroups", "deny");
        if (!writeFile("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1") ||
            !writeFile("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1"))
            return fail(why, QStringLiteral("writing the user namespace's id maps"));
    }
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return fail(why, QStringLiteral("making / private"));
    return true;
}

bool mountTmpfs(const QString& folder, qint64 bytes, QString* why)
{
    const QByteArray options = "size=" + QByteArray::number(bytes);
    if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) != 0)
        return fail(why, QStringLiteral("mounting a tmpfs on ") + folder);
    return true;
}

bool remountReadOnly(const QString& folder, QString* why)
{
    if (::mount(nullptr, QFile::encodeName(folder).constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                nullptr) != 0)
        return fail(why, QStringLiteral("remounting read-only ") + folder);
    return true;
}

bool unmount(const QString& folder)
{
    return ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH) == 0;
}

} // namespace privatemounts
