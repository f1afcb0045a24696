#include "FileCopier.h"

#include "AppError.h"
#include "WindowsHost.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

class FileDescriptor final {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(); }

    int get() const { return m_fd; }
    void reset(int fd)
    {
        close();
        m_fd = fd;
    }
    bool valid() const { return m_fd >= 0; }
    // Closing can report a late write error (on network file systems).
    int close()
    {
        const int result = m_fd >= 0 ? ::close(m_fd) : 0;
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

// The temporary file of a copy in progress; removed unless committed.
class PendingFile final {
public:
    explicit PendingFile(const QString& folder, const QString& targetName)
        : m_path(QFile::encodeName(folder + QStringLiteral("/.") + targetName +
                                   QStringLiteral(".XXXXXX")))
    {
        const int fd = ::mkostemp(m_path.data(), O_CLOEXEC);
        m_created = fd >= 0;
        m_fd.reset(fd);
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile()
    {
        if (m_created && !m_committed) {
            m_fd.close();
            ::unlink(m_path.constData());
        }
    }

    bool valid() const { return m_created; }
    int fd() const { return m_fd.get(); }
    const char* path() const { return m_path.constData(); }
    FileDescriptor& descriptor() { return m_fd; }
    void markCommitted() { m_committed = true; }

private:
    QByteArray m_path;
    FileDescriptor m_fd;
    bool m_created = false;
    bool m_committed = false;
};

// Follows a chain of symbolic links to the file that a write would reach.
QString followLinks(QString path)
{
    for (int hops = 0; hops < 40 && QFileInfo(path).isSymLink(); ++hops) {
        const QString next = QFileInfo(path).symLinkTarget();
        if (next.isEmpty())
            break;
        path = next;
    }
    return path;
}

void writeAll(int fd, const char* data, ssize_t size, const QString& target)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            throw AppError::fromErrno(errno, target);
        if (written == 0)
            throw AppError(ErrorCode::DiskFull, target);
        data += written;
        size -= written;
    }
}

// Copies the open source into the pending file; returns the bytes copied.
off_t copyContent(int from, int to, const QString& source, const QString& target)
{
    char buffer[64 * 1024];
    off_t total = 0;
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw AppError(ErrorCode::DeviceIoError, source);
        if (got == 0)
            return total;
        writeAll(to, buffer, got, target);
        total += got;
    }
}

mode_t modeForNewFile()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

void AtomicFileCopier::copy(const QString& source, const QString& target)
{
    const WindowsHost host;
    const QString sourcePath = host.toHostPath(source);
    const QString targetPath = followLinks(host.toHostPath(target));

    FileDescriptor in(::open(QFile::encodeName(sourcePath).constData(), O_RDONLY | O_CLOEXEC));
    if (!in.valid())
        throw AppError::fromErrno(errno == ENOTDIR ? ENOENT : errno, source);
    struct stat sourceInfo {};
    if (::fstat(in.get(), &sourceInfo) != 0 || !S_ISREG(sourceInfo.st_mode))
        throw AppError(ErrorCode::PathFileAccessError, source);

    const QFileInfo targetInfo(targetPath);
    const QString folder = targetInfo.absolutePath();
    if (!QFileInfo(folder).isDir())
        throw AppError(ErrorCode::PathNotFound, target);
    if (targetInfo.isDir())
        throw AppError(ErrorCode::PathFileAccessError, target);

    // A target that may not be written is refused, although renaming over
    // it would succeed in a writable folder.
    struct stat existing {};
    const QByteArray encodedTarget = QFile::encodeName(targetPath);
    const bool replacing = ::stat(encodedTarget.constData(), &existing) == 0;
    if (replacing && ::access(encodedTarget.constData(), W_OK) != 0)
        throw AppError::fromErrno(errno, target);

    PendingFile pending(folder, targetInfo.fileName());
    if (!pending.valid())
        throw AppError::fromErrno(errno, target);

    const off_t copied = copyContent(in.get(), pending.fd(), source, target);
    struct stat written {};
    if (::fstat(pending.fd(), &written) != 0 || written.st_size != copied ||
        copied != sourceInfo.st_size)
        throw AppError(ErrorCode::DeviceIoError, source);

    const mode_t mode = replacing ? (existing.st_mode & 07777) : modeForNewFile();
    ::fchmod(pending.fd(), mode);
    if (replacing && ::geteuid() == 0 &&
        ::fchown(pending.fd(), existing.st_uid, existing.st_gid) != 0) {
        // Keeping the old owner is a courtesy; the content is what counts.
    }

    // The data (and the size that reads it back) is on disk before the
    // rename, so the target is either the old file or the whole new one.
    if (::fdatasync(pending.fd()) != 0 || pending.descriptor().close() != 0)
        throw AppError::fromErrno(errno, target);
    if (::rename(pending.path(), encodedTarget.constData()) != 0)
        throw AppError::fromErrno(errno, target);
    pending.markCommitted();
}

} // namespace platform
