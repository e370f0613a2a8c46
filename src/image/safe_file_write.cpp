#include "safe_file_write.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
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

QString SystemError()
{
#ifdef Q_OS_UNIX
    return QString::fromLocal8Bit(std::strerror(errno));
#else
    return QString();
#endif
}
} // namespace

FileWriteStatus WriteFileSafely(const QString& path, const QByteArray& bytes, const FileWriteOptions& options,
                                QString* reason)
{
    // A link is followed, so that the file it names is replaced and the link stays.
    const QFileInfo given(path);
    const QString target = given.isSymLink() ? given.symLinkTarget() : path;
    const QFileInfo info(target);
    const bool exists = info.exists();
#ifdef Q_OS_UNIX
    struct stat old {};
    const QByteArray native = QFile::encodeName(target);
    if (exists) {
        if (::stat(native.constData(), &old) != 0)
            return Failed(FileWriteStatus::IoError, reason, SystemError());
        if (!S_ISREG(old.st_mode))
            return Failed(FileWriteStatus::NotRegularFile, reason, QStringLiteral("not a regular file"));
    }
#else
    if (exists && !info.isFile())
        return Failed(FileWriteStatus::NotRegularFile, reason, QStringLiteral("not a regular file"));
#endif

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
#ifdef Q_OS_UNIX
    if (exists && old.st_uid != ::geteuid()) {
        // Only the superuser can hand the new file to the old owner; anyone
        // else would take the file over, so it is left alone.
        if (::fchown(file.handle(), old.st_uid, old.st_gid) != 0)
            return Failed(FileWriteStatus::OtherOwner, reason, QStringLiteral("the file belongs to another user"));
        if (!options.ownerOnly)
            ::fchmod(file.handle(), old.st_mode & 07777);
    }
#endif
    // Buffered bytes meet a full disk only when they are flushed; QSaveFile's
    // commit() would still rename after such an error, so it is caught here.
    if (file.write(bytes) != bytes.size() || (!tail.isEmpty() && file.write(tail) != tail.size()) || !file.flush()
        || file.error() != QFileDevice::NoError) {
        const QString why = file.errorString();
        file.cancelWriting();
        return Failed(FileWriteStatus::IoError, reason, why);
    }
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0) {
        const QString why = SystemError();
        file.cancelWriting();
        return Failed(FileWriteStatus::IoError, reason, why);
    }
#endif
    if (!file.commit() || file.error() != QFileDevice::NoError)
        return Failed(FileWriteStatus::IoError, reason, file.errorString());
    return FileWriteStatus::Ok;
}

} // namespace t40
