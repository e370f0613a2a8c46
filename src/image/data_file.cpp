#include "data_file.h"

#include "safe_file_write.h"

#include <QFile>

#include <algorithm>
#include <array>

namespace t40 {

QByteArray BuildDataFile(const RadioImage& image)
{
    QByteArray bytes(DataFile::Header, DataFile::HeaderSize);
    const auto img = image.image();
    bytes.append(reinterpret_cast<const char*>(img.data()), RadioImage::ImageSize);
    return bytes;
}

DataFileStatus ParseDataFile(const QByteArray& bytes, RadioImage& image)
{
    if (bytes.size() < DataFile::CheckedHeaderBytes
        || !std::equal(DataFile::Header, DataFile::Header + DataFile::CheckedHeaderBytes, bytes.constData()))
        return DataFileStatus::WrongHeader;
    if (bytes.size() < DataFile::Size)
        return DataFileStatus::TooShort;
    std::array<std::uint8_t, RadioImage::ImageSize> data {};
    std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.constData()) + DataFile::HeaderSize, data.size(), data.begin());
    image.replaceImage(data);
    return DataFileStatus::Ok;
}

DataFileStatus ParseDataFileOrImage(const QByteArray& bytes, RadioImage& image)
{
    if (bytes.size() != RadioImage::ImageSize || bytes.startsWith(QByteArray(DataFile::Header, DataFile::CheckedHeaderBytes)))
        return ParseDataFile(bytes, image);
    std::array<std::uint8_t, RadioImage::ImageSize> data {};
    std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.constData()), data.size(), data.begin());
    image.replaceImage(data);
    return DataFileStatus::Ok;
}

namespace {
DataFileStatus ReadHead(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = file.errorString();
        return DataFileStatus::IoError;
    }
    *bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError) {
        if (reason)
            *reason = file.errorString();
        return DataFileStatus::IoError;
    }
    return DataFileStatus::Ok;
}
} // namespace

DataFileStatus LoadDataFile(const QString& path, RadioImage& image, QString* reason)
{
    QByteArray bytes;
    const DataFileStatus status = ReadHead(path, DataFile::Size, &bytes, reason);
    return status == DataFileStatus::Ok ? ParseDataFile(bytes, image) : status;
}

DataFileStatus LoadDataFileOrImage(const QString& path, RadioImage& image, QString* reason)
{
    QByteArray bytes;
    // One byte more than a data file, to tell a bare image from a longer file.
    const DataFileStatus status = ReadHead(path, DataFile::Size + 1, &bytes, reason);
    return status == DataFileStatus::Ok ? ParseDataFileOrImage(bytes, image) : status;
}

DataFileStatus SaveDataFile(const QString& path, const RadioImage& image, QString* reason, bool ownerOnly)
{
    FileWriteOptions options;
    options.keepTail = true;
    options.ownerOnly = ownerOnly;
    switch (WriteFileSafely(path, BuildDataFile(image), options, reason)) {
    case FileWriteStatus::Ok: return DataFileStatus::Ok;
    case FileWriteStatus::NotRegularFile: return DataFileStatus::NotRegularFile;
    case FileWriteStatus::OtherOwner: return DataFileStatus::OtherOwner;
    case FileWriteStatus::ReadOnly: return DataFileStatus::ReadOnly;
    case FileWriteStatus::UnsafeLink: return DataFileStatus::UnsafeLink;
    case FileWriteStatus::IoError: break;
    }
    return DataFileStatus::IoError;
}

TemplateStatus LoadTemplate(const QString& path, RadioImage& image)
{
    std::array<std::uint8_t, RadioImage::ImageSize> data {};
    data.fill(RadioImage::Erased);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        image.replaceImage(data);
        return TemplateStatus::Missing;
    }
    const QByteArray bytes = file.read(RadioImage::ImageSize);
    std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size(), data.begin());
    image.replaceImage(data);
    return bytes.size() < RadioImage::ImageSize ? TemplateStatus::Short : TemplateStatus::Ok;
}

} // namespace t40
