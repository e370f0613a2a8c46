#include "read_backups.h"

#include "band_table.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace t40 {

QString ReadBackupFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/ZEV/T40/backups");
}

DataFileStatus SaveReadBackup(const RadioImage& image, const QString& folder, QString* path, QString* reason,
                              const QDateTime& when)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        if (reason)
            *reason = QStringLiteral("cannot create the folder %1").arg(folder);
        return DataFileStatus::IoError;
    }
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    BandState band;
    AnalyseModelBlock(image, band);
    const QString stem = when.toString(QStringLiteral("yyyy-MM-dd_HHmmss_"))
        + QStringLiteral("%1%2-%3").arg(band.name).arg(band.lowMHz).arg(band.highMHz);
    QString name = stem + QStringLiteral(".rdat");
    for (int n = 2; dir.exists(name); ++n) // two reads within one second
        name = stem + QStringLiteral("_%1.rdat").arg(n);
    const QString file = dir.filePath(name);
    if (path)
        *path = file;
    const DataFileStatus status = SaveDataFile(file, image, reason, true);
    if (status != DataFileStatus::Ok)
        return status;
    // The names sort by time.
    const QStringList all = dir.entryList({ QStringLiteral("[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]_[0-9]*_*.rdat") }, QDir::Files, QDir::Name);
    for (int i = 0; i + ReadBackups::Kept < all.size(); ++i)
        dir.remove(all.at(i));
    return DataFileStatus::Ok;
}

} // namespace t40
