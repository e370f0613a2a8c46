#include "cli_files.h"

#include "cli_command.h"

#include "data_file.h"
#include "safe_file_write.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace t40 {

namespace {
constexpr char16_t EscapeBase = 0xDC00;

// Length of the valid UTF-8 sequence at s[i], or 0.
int ValidSequenceLength(const QByteArray& s, qsizetype i)
{
    const auto b = [&](qsizetype k) { return k < s.size() ? std::uint8_t(s[k]) : 0u; };
    const unsigned lead = b(i);
    auto cont = [&](qsizetype k) { return (b(k) & 0xC0) == 0x80; };
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return cont(i + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned second = b(i + 1);
        if (!cont(i + 1) || !cont(i + 2))
            return 0;
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0)) // overlong, surrogate
            return 0;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned second = b(i + 1);
        if (!cont(i + 1) || !cont(i + 2) || !cont(i + 3))
            return 0;
        if ((lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) // overlong, above U+10FFFF
            return 0;
        return 4;
    }
    return 0;
}

QString Sentence(const QString& argument, const QString& what)
{
    return QStringLiteral("%1: %2").arg(DisplayName(argument), what);
}

#ifdef Q_OS_UNIX
QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }
#endif
} // namespace

QString ArgumentFromNative(const QByteArray& raw)
{
    QString out;
    for (qsizetype i = 0; i < raw.size();) {
        const int n = ValidSequenceLength(raw, i);
        if (n == 0) {
            out.append(QChar(char16_t(EscapeBase + std::uint8_t(raw[i]))));
            ++i;
        } else {
            out.append(QString::fromUtf8(raw.constData() + i, n));
            i += n;
        }
    }
    return out;
}

QByteArray NativeFromArgument(const QString& argument)
{
    QByteArray out;
    QString run;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const char16_t u = argument[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < argument.size() && argument[i + 1].isLowSurrogate()) {
            run.append(argument[i]);
            run.append(argument[++i]);
        } else if (u >= 0xDC80 && u <= 0xDCFF) {
            out.append(run.toUtf8());
            run.clear();
            out.append(char(u - EscapeBase));
        } else {
            run.append(argument[i]);
        }
    }
    out.append(run.toUtf8());
    return out;
}

QStringList NativeArguments(int argc, char* argv[])
{
    QStringList out;
    for (int i = 1; i < argc; ++i)
        out << ArgumentFromNative(QByteArray(argv[i]));
    return out;
}

QString DisplayName(const QString& argument)
{
    QString out = argument;
    for (QChar& c : out)
        if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF)
            c = QChar(QChar::ReplacementCharacter);
    return TerminalText(out);
}

#ifdef Q_OS_UNIX
bool ReadRegularFile(const QString& argument, qint64 maxBytes, QByteArray* bytes, QString* error)
{
    const QByteArray path = NativeFromArgument(argument);
    // Non-blocking, so that opening a FIFO cannot wait for a writer.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = Sentence(argument, SystemReason(errno));
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        *error = Sentence(argument, QStringLiteral("not a regular file"));
        return false;
    }
    QByteArray data;
    char buffer[4096];
    while (data.size() < maxBytes) {
        const ssize_t n = ::read(fd, buffer, size_t(std::min<qint64>(sizeof buffer, maxBytes - data.size())));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = Sentence(argument, SystemReason(errno));
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        data.append(buffer, n);
    }
    ::close(fd);
    *bytes = data;
    return true;
}

bool SaveDataFileArgument(const QString& argument, const RadioImage& image, QString* error)
{
    FileWriteOptions options;
    options.keepTail = true; // as SaveDataFile: a longer file keeps its remaining bytes
    QString reason;
    if (WriteNativeFileSafely(NativeFromArgument(argument), BuildDataFile(image), options, &reason) == FileWriteStatus::Ok)
        return true;
    *error = Sentence(argument, reason);
    return false;
}
#else
bool ReadRegularFile(const QString& argument, qint64 maxBytes, QByteArray* bytes, QString* error)
{
    QFile file(argument);
    if (!QFileInfo(argument).isFile()) {
        *error = Sentence(argument, QStringLiteral("not a regular file"));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = Sentence(argument, file.errorString());
        return false;
    }
    *bytes = file.read(maxBytes);
    return true;
}

bool SaveDataFileArgument(const QString& argument, const RadioImage& image, QString* error)
{
    QString reason;
    if (SaveDataFile(argument, image, &reason) == DataFileStatus::Ok)
        return true;
    *error = Sentence(argument, reason);
    return false;
}
#endif

} // namespace t40
