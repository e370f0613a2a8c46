#pragma once

#include "radio_image.h"

#include <QByteArray>
#include <QString>

namespace t40 {

// A radio data file: the 16-character header, then the 1024-byte image.
namespace DataFile {
constexpr int HeaderSize = 16;
constexpr int Size = HeaderSize + RadioImage::ImageSize; // 1040
constexpr char Header[] = "ZEVT40 Ver1.0.2 ";
constexpr int CheckedHeaderBytes = 6; // "ZEVT40"; the version after it is never examined
} // namespace DataFile

enum class DataFileStatus {
    Ok,
    WrongHeader, // first six bytes are not "ZEVT40"
    TooShort,    // fewer than 1040 bytes
    IoError,     // could not open, read or write; see the reason text
    NotRegularFile, // a save onto a device, a pipe or a folder
    OtherOwner,     // a save onto another user's file that could not stay theirs
    ReadOnly,       // a save onto a write-protected file
    UnsafeLink,     // a save through a link another user planted in a shared folder
};

// The file bytes for an image.
QByteArray BuildDataFile(const RadioImage& image);

// Checks a file's bytes and, when they are good, copies the image out of them.
// The header is checked before the length, so a short file that is not a data
// file at all is reported as the wrong file.
DataFileStatus ParseDataFile(const QByteArray& bytes, RadioImage& image);

// Reads a data file into the image. On any failure the image is unchanged and
// reason (when given) names the cause.
DataFileStatus LoadDataFile(const QString& path, RadioImage& image, QString* reason = nullptr);

// As ParseDataFile, and also a bare image: exactly 1024 bytes without the
// header, such as the factory Init.dat.
DataFileStatus ParseDataFileOrImage(const QByteArray& bytes, RadioImage& image);
// Reads a data file or a bare image (see above) into the image.
DataFileStatus LoadDataFileOrImage(const QString& path, RadioImage& image, QString* reason = nullptr);

// Writes the header and the image over the first 1040 bytes of the file; an
// existing longer file keeps its remaining bytes. The file is replaced in one
// step: on any failure the old file is left whole. ownerOnly creates it
// readable by its owner only.
DataFileStatus SaveDataFile(const QString& path, const RadioImage& image, QString* reason = nullptr,
                            bool ownerOnly = false);

enum class TemplateStatus { Ok, Missing, Short };

// Loads the first 1024 bytes of the template into the image. Bytes the file
// does not supply are set to 0xFF, so the image is always fully defined.
TemplateStatus LoadTemplate(const QString& path, RadioImage& image);

} // namespace t40
