#pragma once

#include "data_file.h"

#include <QDateTime>
#include <QString>

namespace t40 {

namespace ReadBackups {
constexpr int Kept = 100; // the newest ones by modification time; older backups are removed
}

// "backups" in the program's data folder (the desktop program's
// AppDataLocation: organisation "ZEV", application "T40"), whichever tool runs.
QString ReadBackupFolder();

// Keeps a whole image read from a radio as
// folder/YYYY-MM-DD_HHMMSS-mmm_<band>_<port>.rdat (a counter is added should
// the name be taken), readable by the user only (the image holds the radio's
// password), and removes all but the newest ReadBackups::Kept by modification
// time, never the one just made. path gets the file's name (the folder's when
// the folder cannot be made).
DataFileStatus SaveReadBackup(const RadioImage& image, const QString& folder, const QString& port, QString* path,
                              QString* reason, const QDateTime& when = QDateTime::currentDateTime());

} // namespace t40
