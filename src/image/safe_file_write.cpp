#include "safe_file_write.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace t40 {

namespace {
FileWriteStatus Failed(FileWriteStatus status, QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
    return status;
}

} // namespace

#ifdef Q_OS_UNIX
namespace {
QString SystemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// The file a link names (the link itself when it cannot be resolved).
QByteArray LinkTarget(const QByteArray& path)
{
    char buffer[4096];
    const ssize_t n = ::readlink(path.constData(), buffer, sizeof buffer - 1);
    if (n <= 0)
        return path;
    const QByteArray target(buffer, n);
    const qsizetype slash = path.lastIndexOf('/');
    return target.startsWith('/') || slash < 0 ? target : path.left(slash + 1) + target;
}

bool WriteAll(int fd, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool ReadTail(const QByteArray& path, qint64 from, qint64 size, QByteArray* tail)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    tail->resize(size - from);
    qint64 done = 0;
    while (done < tail->size()) {
        const ssize_t n = ::pread(fd, tail->data() + done, size_t(tail->size() - done), from + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    ::close(fd);
    return done == tail->size();
}
} // namespace

FileWriteStatus WriteNativeFileSafely(const QByteArray& nativePath, const QByteArray& bytes,
                                      const FileWriteOptions& options, QString* reason)
{
    // A link is followed, so that the file it names is replaced and the link stays.
    struct stat link {};
    const QByteArray target = ::lstat(nativePath.constData(), &link) == 0 && S_ISLNK(link.st_mode)
        ? LinkTarget(nativePath) : nativePath;
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return Failed(FileWriteStatus::IoError, reason, SystemError());
    if (exists && !S_ISREG(old.st_mode))
        return Failed(FileWriteStatus::NotRegularFile, reason, QStringLiteral("not a regular file"));

    QByteArray tail;
    if (options.keepTail && exists && old.st_size > bytes.size() && !ReadTail(target, bytes.size(), old.st_size, &tail))
        return Failed(FileWriteStatus::IoError, reason, SystemError());

    const qsizetype slash = target.lastIndexOf('/');
    QByteArray temp = (slash >= 0 ? target.left(slash + 1) : QByteArray()) + ".t40-save-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return Failed(FileWriteStatus::IoError, reason, SystemError());
    auto abandon = [&](FileWriteStatus status, const QString& why) {
        ::close(fd);
        ::unlink(temp.constData());
        return Failed(status, reason, why);
    };
    mode_t mode = 0600;
    if (!options.ownerOnly) {
        if (exists) {
            mode = old.st_mode & 07777;
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode = 0666 & ~mask;
        }
    }
    if (::fchmod(fd, mode) != 0)
        return abandon(FileWriteStatus::IoError, SystemError());
    // Only the superuser can hand the new file to the old owner; anyone else
    // would take the file over, so it is left alone.
    if (exists && old.st_uid != ::geteuid() && ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return abandon(FileWriteStatus::OtherOwner, QStringLiteral("the file belongs to another user"));
    if (!WriteAll(fd, bytes) || !WriteAll(fd, tail) || ::fsync(fd) != 0)
        return abandon(FileWriteStatus::IoError, SystemError());
    if (::close(fd) != 0) {
        const QString why = SystemError();
        ::unlink(temp.constData());
        return Failed(FileWriteStatus::IoError, reason, why);
    }
    if (::rename(temp.constData(), target.constData()) != 0) {
        const QString why = SystemError();
        ::unlink(temp.constData());
        return Failed(FileWriteStatus::IoError, reason, why);
    }
    return FileWriteStatus::Ok;
}

FileWriteStatus WriteFileSafely(const QString& path, const QByteArray& bytes, const FileWriteOptions& options,
                                QString* reason)
{
    return WriteNativeFileSafely(QFile::encodeName(path), bytes, options, reason);
}
#else
FileWriteStatus WriteFileSafely(const QString& path, const QByteArray& bytes, const FileWriteOptions& options,
                                QString* reason)
{
    // A link is followed, so that the file it names is replaced and the link stays.
    const QFileInfo given(path);
    const QString target = given.isSymLink() ? given.symLinkTarget() : path;
    const QFileInfo info(target);
    const bool exists = info.exists();
    if (exists && !info.isFile())
        return Failed(FileWriteStatus::NotRegularFile, reason, QStringLiteral("not a regular file"));

    QByteArray tail;
    if (options.keepTail && exists && info.size() > bytes.size()) {
        QFile old(target);
        if (!old.open(QIODevice::ReadOnly) || !old.seek(bytes.size()))
            return Failed(FileWriteStatus::IoError, reason, old.errorString());
        tail = old.readAll();
        if (old.error() != QFileDevice::NoError || bytes.size() + tail.size() != info.size())
            return Failed(FileWriteStatus::IoError, reason, old.errorString());
    }

    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return Failed(FileWriteStatus::IoError, reason, file.errorString());
    if (options.ownerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return Failed(FileWriteStatus::IoError, reason, file.errorString());
    // Buffered bytes meet a full disk only when they are flushed; QSaveFile's
    // commit() would still rename after such an error, so it is caught here.
    if (file.write(bytes) != bytes.size() || (!tail.isEmpty() && file.write(tail) != tail.size()) || !file.flush()
        || file.error() != QFileDevice::NoError) {
        const QString why = file.errorString();
        file.cancelWriting();
        return Failed(FileWriteStatus::IoError, reason, why);
    }
    if (!file.commit() || file.error() != QFileDevice::NoError)
        return Failed(FileWriteStatus::IoError, reason, file.errorString());
    return FileWriteStatus::Ok;
}

#endif

} // namespace t40
