#include "programming_log.h"

#include "programming_session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace t40::ProgrammingLog {

namespace {
QString Quoted(QString field)
{
    // One record, one line: a line break in a field (a file name may hold one) becomes a space.
    field.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')))
        return field;
    QString doubled = field;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString JoinCsv(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& f : fields)
        quoted << Quoted(f);
    return quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
}

#ifdef Q_OS_UNIX
QString ErrnoText() { return QString::fromLocal8Bit(std::strerror(errno)); }

bool WriteAll(int fd, const QByteArray& bytes)
{
    // A single write: O_APPEND places it whole at the end of the file.
    return ::write(fd, bytes.constData(), size_t(bytes.size())) == ssize_t(bytes.size());
}
#endif
} // namespace

QStringList Columns()
{
    return { QStringLiteral("time"), QStringLiteral("operation"), QStringLiteral("port"), QStringLiteral("band"),
             QStringLiteral("file"), QStringLiteral("result"), QStringLiteral("verify"), QStringLiteral("row count") };
}

QString OperationName(const SessionRequest& request)
{
    const QString direction = request.isRead() ? QStringLiteral("read") : QStringLiteral("write");
    switch (request.kind) {
    case SessionKind::Whole: break;
    case SessionKind::PasswordChange: return direction + QStringLiteral(" password");
    case SessionKind::Tune: return direction + QStringLiteral(" tune data");
    case SessionKind::DealerInfo: return direction + QStringLiteral(" dealer information");
    case SessionKind::Special: return direction + QStringLiteral(" special option");
    case SessionKind::Dtmf: return direction + QStringLiteral(" stun/kill");
    }
    return direction;
}

QString VerifyDiffersAt(int address)
{
    return QStringLiteral("differs at 0x%1").arg(QString::number(address, 16).toUpper().rightJustified(3, QLatin1Char('0')));
}

QString DefaultPath()
{
    // The program's data folder, also when t40-cli (another application name) asks.
    const QString organization = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    QCoreApplication::setOrganizationName(QStringLiteral("ZEV"));
    QCoreApplication::setApplicationName(QStringLiteral("T40"));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setOrganizationName(organization);
    QCoreApplication::setApplicationName(application);
    return folder + QStringLiteral("/programming-log.csv");
}

QString CsvRecord(const QStringList& fields)
{
    return JoinCsv(fields);
}

QString CsvHeader()
{
    return JoinCsv(Columns());
}

QString CsvLine(const ProgrammingLogEntry& e)
{
    return JoinCsv({ e.time.toString(Qt::ISODate), e.operation, e.port, e.band, e.fileName, e.result, e.verify,
                     e.rowCount > 0 ? QString::number(e.rowCount) : QString() });
}

QStringList SplitCsvLine(const QString& line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"'))
                field += line.at(++i);
            else
                quoted = false;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            field += c;
        }
    }
    fields << field;
    return fields;
}

bool Append(const ProgrammingLogEntry& entry, const QString& path, QString* reason)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray header = CsvHeader().toUtf8();
    const QByteArray line = CsvLine(entry).toUtf8();
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    // Whoever creates the file writes the header; nobody else does.
    const int created = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0644);
    if (created >= 0) {
        const bool ok = WriteAll(created, header);
        ::close(created);
        if (!ok) {
            if (reason)
                *reason = ErrnoText();
            return false;
        }
    }
    const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) {
        if (reason)
            *reason = ErrnoText();
        return false;
    }
    const bool ok = WriteAll(fd, line);
    if (!ok && reason)
        *reason = ErrnoText();
    ::close(fd);
    return ok;
#else
    QFile file(path);
    const bool isNew = !file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    const bool ok = (!isNew || file.write(header) == header.size()) && file.write(line) == line.size() && file.flush();
    if (!ok && reason)
        *reason = file.errorString();
    return ok;
#endif
}

QList<QStringList> Read(const QString& path, QString* reason)
{
    QList<QStringList> records;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = file.exists() ? file.errorString() : QString();
        return records;
    }
    bool first = true;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine());
        if (first) {
            first = false;
            if (line.startsWith(QStringLiteral("time,")))
                continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        // A line cut short by a full disk has no end of line; it is shown as it is.
        records << SplitCsvLine(line);
    }
    return records;
}

} // namespace t40::ProgrammingLog
