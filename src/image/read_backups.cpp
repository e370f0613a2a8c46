#include "read_backups.h"

#include "band_table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace t40 {

QString ReadBackupFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/ZEV/T40/backups");
}

namespace {
// "COM5" stays, "/dev/ttyUSB0" becomes "ttyUSB0", "/dev/pts/3" "pts3": letters and digits only.
QString PortPart(const QString& port)
{
    QString part;
    for (const QChar c : port.startsWith(QStringLiteral("/dev/")) ? port.mid(5) : port)
        if (c.isLetterOrNumber() && c.unicode() < 128)
            part += c;
    return part.isEmpty() ? QStringLiteral("port") : part;
}

// Reserves a name no other backup has: the file is created empty, exclusively.
QString ReserveName(const QDir& dir, const QString& stem, QString* reason)
{
    for (int n = 1; n < 1000; ++n) {
        const QString file = dir.filePath(n == 1 ? stem + QStringLiteral(".rdat") : stem + QStringLiteral("_%1.rdat").arg(n));
        QFile reserved(file);
        if (reserved.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file;
        if (!reserved.exists()) {
            if (reason)
                *reason = reserved.errorString();
            return file;
        }
    }
    if (reason)
        *reason = QStringLiteral("no free name");
    return dir.filePath(stem + QStringLiteral(".rdat"));
}

// The newest by modification time stay; a clock once set ahead cannot make the
// backup just made look old.
void Prune(const QDir& dir, const QString& justMade)
{
    QFileInfoList all = dir.entryInfoList({ QStringLiteral("[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]_[0-9]*_*.rdat") },
                                          QDir::Files);
    all.erase(std::remove_if(all.begin(), all.end(),
                             [&](const QFileInfo& f) { return f.absoluteFilePath() == QFileInfo(justMade).absoluteFilePath(); }),
              all.end());
    std::sort(all.begin(), all.end(),
              [](const QFileInfo& a, const QFileInfo& b) { return a.lastModified() > b.lastModified(); });
    for (qsizetype i = ReadBackups::Kept - 1; i < all.size(); ++i)
        QFile::remove(all.at(i).absoluteFilePath());
}
} // namespace

DataFileStatus SaveReadBackup(const RadioImage& image, const QString& folder, const QString& port, QString* path,
                              QString* reason, const QDateTime& when)
{
    if (path)
        *path = folder;
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        if (reason)
            *reason = QStringLiteral("cannot create the folder %1").arg(folder);
        return DataFileStatus::IoError;
    }
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    BandState band;
    AnalyseModelBlock(image, band);
    const QString stem = when.toString(QStringLiteral("yyyy-MM-dd_HHmmss-zzz_"))
        + QStringLiteral("%1%2-%3_%4").arg(band.name).arg(band.lowMHz).arg(band.highMHz).arg(PortPart(port));
    QString failure;
    const QString file = ReserveName(dir, stem, &failure);
    if (path)
        *path = file;
    if (!failure.isEmpty()) {
        if (reason)
            *reason = failure;
        return DataFileStatus::IoError;
    }
    const DataFileStatus status = SaveDataFile(file, image, reason, true);
    if (status != DataFileStatus::Ok) {
        QFile::remove(file);
        return status;
    }
    Prune(dir, file);
    return DataFileStatus::Ok;
}

} // namespace t40
