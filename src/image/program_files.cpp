#include "program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace t40 {

QString ProgramDataPath(const QString& name)
{
    const QDir bin(QCoreApplication::applicationDirPath());
    const QString beside = bin.filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir::cleanPath(bin.filePath(QStringLiteral("../share/t40/") + name));
    return QFileInfo::exists(installed) ? installed : beside;
}

} // namespace t40
