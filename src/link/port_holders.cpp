#include "port_holders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace t40 {

namespace {
#ifdef Q_OS_LINUX
// The pseudo-terminal number of the master this descriptor holds, or -1.
int PtyMasterIndex(const QString& pid, const QString& fd)
{
    QFile info(QStringLiteral("/proc/%1/fdinfo/%2").arg(pid, fd));
    if (!info.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : info.readAll().split('\n'))
        if (line.startsWith("tty-index:"))
            return line.mid(10).trimmed().toInt();
    return -1;
}
#endif
} // namespace

QString ProcessName(const QString& pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

QList<PortHolder> PortHolders(const QString& device)
{
    QList<PortHolder> holders;
#ifdef Q_OS_LINUX
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.isEmpty())
        return holders;
    // The far end of a pseudo-terminal holds its master, whose index is the terminal's number.
    bool isPty = false;
    const int ptyNumber = target.startsWith(QStringLiteral("/dev/pts/")) ? target.mid(9).toInt(&isPty) : -1;
    const QString self = QString::number(::getpid());
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList({ QStringLiteral("[0-9]*") }, QDir::Dirs);
    for (const QString& pid : pids) {
        if (pid == self)
            continue;
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        bool holds = false, farEnd = false;
        for (const QString& fd : fds.entryList(QDir::System | QDir::NoDotAndDotDot)) {
            const QString link = QFile::symLinkTarget(fds.filePath(fd));
            if (link == target)
                holds = true;
            else if (isPty && (link == QStringLiteral("/dev/ptmx") || link == QStringLiteral("/dev/pts/ptmx"))
                     && PtyMasterIndex(pid, fd) == ptyNumber)
                farEnd = true;
        }
        if (holds)
            holders << PortHolder { ProcessName(pid), pid, farEnd };
    }
#else
    Q_UNUSED(device);
#endif
    return holders;
}

} // namespace t40
