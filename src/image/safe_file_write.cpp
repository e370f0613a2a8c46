#include "safe_file_write.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
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
QString SystemError(int error = errno) { return QString::fromLocal8Bit(std::strerror(error)); }

QByteArray Folder(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArrayLiteral(".") : slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// The kernel's rule for links in shared folders: in a sticky folder that
// everyone may write to, only a link of the user's own or of the folder's
// owner is followed. Enforced here whatever the system's setting.
bool MayFollow(const QByteArray& link, const struct stat& linkStat)
{
    struct stat folder {};
    if (::stat(Folder(link).constData(), &folder) != 0)
        return false;
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !shared || linkStat.st_uid == ::geteuid() || linkStat.st_uid == folder.st_uid;
}

// Follows a chain of links to the name that is finally written: the path
// itself when it is no link, the end of the chain otherwise (which may not
// exist yet: a save through a dangling link creates the file it names).
FileWriteStatus ResolveLinks(const QByteArray& path, QByteArray* target, QString* why)
{
    QByteArray current = path;
    for (int hops = 0; hops <= 40; ++hops) {
        struct stat st {};
        if (::lstat(current.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            *target = current;
            return FileWriteStatus::Ok;
        }
        if (!MayFollow(current, st)) {
            *why = QStringLiteral("it is a link another user made in a shared folder");
            return FileWriteStatus::UnsafeLink;
        }
        QByteArray buffer(4096, Qt::Uninitialized);
        const ssize_t n = ::readlink(current.constData(), buffer.data(), size_t(buffer.size()));
        if (n < 0 || n >= buffer.size()) {
            *why = SystemError();
            return FileWriteStatus::IoError;
        }
        buffer.truncate(n);
        current = buffer.startsWith('/') ? buffer : Folder(current) + '/' + buffer;
    }
    *why = SystemError(ELOOP);
    return FileWriteStatus::UnsafeLink;
}

bool WriteAll(int fd, const char* data, qint64 size)
{
    for (qint64 done = 0; done < size;) {
        const ssize_t n = ::write(fd, data + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

// Copies the old file's bytes from offset on, a piece at a time.
bool CopyTail(int from, qint64 offset, int to)
{
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::pread(from, buffer.data(), size_t(buffer.size()), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!WriteAll(to, buffer.constData(), n))
            return false;
        offset += n;
    }
}

const QByteArray TempPrefix = QByteArrayLiteral(".t40-save-");

// A temporary file of a save is locked while the save runs; one that can be
// locked was left by a save that was killed, and goes.
void RemoveLeftovers(const QByteArray& folder)
{
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strncmp(entry->d_name, TempPrefix.constData(), size_t(TempPrefix.size())) != 0)
            continue;
        const QByteArray path = folder + '/' + entry->d_name;
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()
            && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
        ::close(fd);
    }
    ::closedir(dir);
}

// A locked temporary file beside the target, readable by the user only.
int CreateTemp(const QByteArray& folder, QByteArray* temp)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        *temp = folder + '/' + TempPrefix + "XXXXXX";
        const int fd = ::mkostemp(temp->data(), O_CLOEXEC);
        if (fd < 0)
            return -1;
        struct stat mine {}, named {};
        // Another save's clean-up may have taken it before the lock was held.
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &mine) == 0 && ::stat(temp->constData(), &named) == 0
            && mine.st_ino == named.st_ino && mine.st_dev == named.st_dev)
            return fd;
        ::close(fd);
    }
    errno = EBUSY;
    return -1;
}
} // namespace

FileWriteStatus WriteNativeFileSafely(const QByteArray& nativePath, const QByteArray& bytes,
                                      const FileWriteOptions& options, QString* reason)
{
    QByteArray target;
    QString why;
    if (const FileWriteStatus status = ResolveLinks(nativePath, &target, &why); status != FileWriteStatus::Ok)
        return Failed(status, reason, why);
    // Opened without following links or waiting: what is examined is what the tail comes from.
    const int old = ::open(target.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat oldStat {};
    bool exists = old >= 0 && ::fstat(old, &oldStat) == 0;
    if (old < 0 && errno != ENOENT) {
        // A file that may be written but not read still has a type and an owner to look at.
        if (::lstat(target.constData(), &oldStat) != 0)
            return Failed(FileWriteStatus::IoError, reason, SystemError());
        exists = true;
    }
    auto closeOld = [&] {
        if (old >= 0)
            ::close(old);
    };
    if (exists && !S_ISREG(oldStat.st_mode)) {
        closeOld();
        return Failed(FileWriteStatus::NotRegularFile, reason, QStringLiteral("not a regular file"));
    }
    // Write-protected for everyone, or for this user: replacing it would defeat the protection.
    if (exists && ((oldStat.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)) {
        closeOld();
        return Failed(FileWriteStatus::ReadOnly, reason, QStringLiteral("the file is read-only"));
    }
    if (options.keepTail && exists && oldStat.st_size > bytes.size() && old < 0)
        return Failed(FileWriteStatus::IoError, reason, SystemError(EACCES));

    const QByteArray folder = Folder(target);
    RemoveLeftovers(folder);
    QByteArray temp;
    const int fd = CreateTemp(folder, &temp);
    if (fd < 0) {
        const QString error = SystemError();
        closeOld();
        return Failed(FileWriteStatus::IoError, reason, error);
    }
    auto abandon = [&](FileWriteStatus status, const QString& text) {
        ::unlink(temp.constData());
        ::close(fd);
        closeOld();
        return Failed(status, reason, text);
    };
    // The old file's owner and group first (a change of owner clears some mode bits), then its mode.
    if (exists && (oldStat.st_uid != ::geteuid() || oldStat.st_gid != ::getegid())
        && ::fchown(fd, oldStat.st_uid, oldStat.st_gid) != 0)
        return abandon(FileWriteStatus::OtherOwner,
                       oldStat.st_uid != ::geteuid() ? QStringLiteral("the file belongs to another user")
                                                     : QStringLiteral("the file belongs to a group the new file cannot keep"));
    mode_t mode = 0600;
    if (!options.ownerOnly) {
        if (exists) {
            mode = oldStat.st_mode & 07777;
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode = 0666 & ~mask;
        }
    }
    if (!WriteAll(fd, bytes.constData(), bytes.size())
        || (options.keepTail && exists && oldStat.st_size > bytes.size() && !CopyTail(old, bytes.size(), fd))
        || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)
        return abandon(FileWriteStatus::IoError, SystemError());
    closeOld();
    // A second descriptor holds the lock until the file has its place.
    const int lock = ::dup(fd);
    const bool closed = ::close(fd) == 0;
    const bool renamed = closed && ::rename(temp.constData(), target.constData()) == 0;
    const QString error = SystemError();
    if (!renamed)
        ::unlink(temp.constData());
    if (lock >= 0)
        ::close(lock);
    return renamed ? FileWriteStatus::Ok : Failed(FileWriteStatus::IoError, reason, error);
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
    if (exists && !info.isWritable())
        return Failed(FileWriteStatus::ReadOnly, reason, QStringLiteral("the file is read-only"));

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
