#pragma once

#include <QByteArray>
#include <QString>

namespace t40 {

enum class FileWriteStatus {
    Ok,
    NotRegularFile, // the path names a device, a pipe or a folder
    OtherOwner,     // the file belongs to another user whose ownership cannot be kept
    IoError,        // see the reason text
};

struct FileWriteOptions {
    // An existing longer file keeps its bytes after the new ones.
    bool keepTail = false;
    // The file is readable and writable by its owner only (0600).
    bool ownerOnly = false;
};

// Replaces the file in one step (a temporary file beside it, flushed and
// synced to the disk, then renamed over it): a crash, a full disk or a write
// error at any point leaves the old file whole. Ok is returned only when the
// new bytes are on the disk. A device node or another user's file is never
// replaced by a new file of ours.
FileWriteStatus WriteFileSafely(const QString& path, const QByteArray& bytes, const FileWriteOptions& options,
                                QString* reason = nullptr);

#ifdef Q_OS_UNIX
// The same for a path given as the file system's own bytes, such as a
// command-line name that is not valid UTF-8 and so has no exact QString form.
FileWriteStatus WriteNativeFileSafely(const QByteArray& nativePath, const QByteArray& bytes,
                                      const FileWriteOptions& options, QString* reason = nullptr);
#endif

} // namespace t40
