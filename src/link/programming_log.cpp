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
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace t40::ProgrammingLog {

namespace {
// A cell that starts like a formula is a formula to a spreadsheet: such a
// cell (a file may be named "=cmd|...") gets a leading apostrophe, which
// spreadsheets take as "text" and SplitCsvLine takes away again. Apostrophes
// already in front of such a start get one more, so that every field comes back.
bool FormulaAfterApostrophes(const QString& field, int atLeast)
{
    qsizetype n = 0;
    while (n < field.size() && field.at(n) == QLatin1Char('\''))
        ++n;
    return n >= atLeast && n < field.size() && QStringLiteral("=+-@\t").contains(field.at(n));
}

QString Quoted(QString field)
{
    if (FormulaAfterApostrophes(field, 0))
        field.prepend(QLatin1Char('\''));
    // One record, one line: a line break in a field (a file may hold one) becomes a space.
    field.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) && !field.startsWith(QLatin1Char('\'')))
        return field;
    QString doubled = field;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString Unquoted(QString field)
{
    if (FormulaAfterApostrophes(field, 1))
        field.remove(0, 1);
    return field;
}

QString JoinCsv(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& f : fields)
        quoted << Quoted(f);
    return quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
}

#ifdef Q_OS_UNIX
QString ErrnoText(int error = errno) { return QString::fromLocal8Bit(std::strerror(error)); }

bool Fail(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
    return false;
}

// The log is only ever a regular file of its own: no link is followed, and a
// pipe or device in its place is refused at once instead of waiting for a reader.
int OpenLog(const QByteArray& name, int flags, QString* reason)
{
    const int fd = ::open(name.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
        return fd;
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    if (fd >= 0 || error == ELOOP || error == ENXIO || (::lstat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode)))
        Fail(reason, QStringLiteral("%1 is not a regular file (a link, a pipe or a device)").arg(QFile::decodeName(name)));
    else
        Fail(reason, ErrnoText(error));
    return -1;
}

// A new log is made whole with its header beside its place and then linked
// in, so that it never exists without the header on its first line.
bool CreateWithHeader(const QByteArray& name, const QByteArray& header, QString* reason)
{
    const qsizetype slash = name.lastIndexOf('/');
    QByteArray temp = (slash >= 0 ? name.left(slash + 1) : QByteArray()) + ".t40-log-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return Fail(reason, ErrnoText());
    errno = 0;
    const bool written = ::fchmod(fd, 0644) == 0 && ::write(fd, header.constData(), size_t(header.size())) == header.size();
    const int error = written ? 0 : errno ? errno : ENOSPC;
    ::close(fd);
    const bool linked = written && (::link(temp.constData(), name.constData()) == 0 || errno == EEXIST);
    const int linkError = errno;
    ::unlink(temp.constData());
    if (!written)
        return Fail(reason, ErrnoText(error));
    return linked || Fail(reason, ErrnoText(linkError));
}

// One write of the whole line; O_APPEND puts it whole at the end. A line the
// disk had room for only in part is taken back, so the next line does not
// join it, and the reason is the system's for the part that did not fit.
bool AppendLine(int fd, const QByteArray& line, QString* reason)
{
    const ssize_t n = ::write(fd, line.constData(), size_t(line.size()));
    if (n == line.size())
        return true;
    if (n < 0)
        return Fail(reason, ErrnoText());
    const off_t end = ::lseek(fd, 0, SEEK_CUR);
    const ssize_t more = ::write(fd, line.constData() + n, size_t(line.size() - n));
    const int error = more < 0 ? errno : ENOSPC;
    struct stat st {};
    if (end >= n && ::fstat(fd, &st) == 0 && st.st_size == end)
        (void)::ftruncate(fd, end - n);
    return Fail(reason, ErrnoText(error));
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
            fields << Unquoted(field);
            field.clear();
        } else if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            field += c;
        }
    }
    fields << Unquoted(field);
    return fields;
}

bool Append(const ProgrammingLogEntry& entry, const QString& path, QString* reason)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray header = CsvHeader().toUtf8();
    const QByteArray line = CsvLine(entry).toUtf8();
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0 && errno == ENOENT && !CreateWithHeader(name, header, reason))
        return false;
    const int fd = OpenLog(name, O_WRONLY | O_APPEND, reason);
    if (fd < 0)
        return false;
    const bool ok = AppendLine(fd, line, reason);
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
#ifdef Q_OS_UNIX
    const int fd = OpenLog(QFile::encodeName(path), O_RDONLY, reason);
    if (fd < 0) {
        if (reason && !QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            reason->clear();
        return records;
    }
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
#else
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = file.exists() ? file.errorString() : QString();
        return records;
    }
#endif
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
