#pragma once

#include <QByteArray>
#include <QString>

namespace t40 {

enum class FileWriteStatus {
    Ok,
    NotRegularFile, // the path names a device, a pipe or a folder
    OtherOwner,     // the file belongs to another user (or group) that the new file could not keep
    ReadOnly,       // the file is write-protected; a new name is needed
    UnsafeLink,     // a link another user planted in a shared folder, or a loop of links
    IoError,        // see the reason text
};

struct FileWriteOptions {
    // An existing longer file keeps its bytes after the new ones.
    bool keepTail = false;
    // The file is readable and writable by its owner only (0600).
    bool ownerOnly = false;
};

// Replaces the file in one step (a temporary file beside it, readable by the
// user only, flushed and synced to the disk, then renamed over it): a crash, a
// full disk or a write error at any point leaves the old file whole, and the
// temporary file is removed (one left by a killed save is removed by the next
// save in that folder). Ok is returned only when the new bytes are on the disk.
// Links are followed as the kernel follows them, whole chains, except a link
// in a sticky world-writable folder (such as /tmp) that belongs neither to the
// user nor to the folder's owner. A device, a write-protected file, or a file
// whose owner or group cannot be kept is never replaced; a replaced file keeps
// its owner, group and mode.
FileWriteStatus WriteFileSafely(const QString& path, const QByteArray& bytes, const FileWriteOptions& options,
                                QString* reason = nullptr);

#ifdef Q_OS_UNIX
// The same for a path given as the file system's own bytes, such as a
// command-line name that is not valid UTF-8 and so has no exact QString form.
FileWriteStatus WriteNativeFileSafely(const QByteArray& nativePath, const QByteArray& bytes,
                                      const FileWriteOptions& options, QString* reason = nullptr);
#endif

} // namespace t40
