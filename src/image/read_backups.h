#pragma once

#include "data_file.h"

#include <QDateTime>
#include <QString>

namespace t40 {

namespace ReadBackups {
constexpr int Kept = 100; // the newest ones; older backups are removed
}

// "backups" in the program's data folder (the desktop program's
// AppDataLocation: organisation "ZEV", application "T40"), whichever tool runs.
QString ReadBackupFolder();

// Keeps a whole image read from a radio as folder/YYYY-MM-DD_HHMMSS_<band>.rdat,
// readable by the user only (the image holds the radio's password), and
// removes all but the newest ReadBackups::Kept. path gets the file's name.
DataFileStatus SaveReadBackup(const RadioImage& image, const QString& folder, QString* path, QString* reason,
                              const QDateTime& when = QDateTime::currentDateTime());

} // namespace t40
