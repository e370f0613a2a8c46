// Fuzz target: the channel CSV reader over any bytes (and the import into a
// document), and the programming log's writer and reader: fields written as
// a record, and appended to a log file, come back as they were.

#include "channel_csv.h"
#include "programming_log.h"
#include "radio_document.h"

#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>
#include <unistd.h>

using namespace t40;

namespace {
void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// Fields of the input: its text split at the unit separator; a log field keeps no line break.
QStringList Fields(const QByteArray& bytes)
{
    QStringList fields = QString::fromUtf8(bytes).split(QChar(0x1F));
    for (QString& f : fields)
        f.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return fields;
}

QString LogPath()
{
    static const QString path = QDir::tempPath() + QStringLiteral("/t40-fuzz-log-%1.csv").arg(::getpid());
    return path;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const BandState band { QStringLiteral("UHF"), 400, 480, 470 };
    const ChannelCsvImport parsed = ParseChannelsCsv(bytes, band);
    RadioDocument document;
    document.setBand(band);
    ApplyImportedChannels(document, parsed.rows);
    Require(ParseChannelsCsv(ExportChannelsCsv(document), band).problems.empty());

    const QStringList fields = Fields(bytes);
    Require(ProgrammingLog::SplitCsvLine(ProgrammingLog::CsvRecord(fields)) == fields);
    if (size < 4096) {
        ProgrammingLogEntry entry;
        entry.operation = QStringLiteral("read");
        entry.fileName = fields.first();
        entry.result = fields.last();
        QFile::remove(LogPath());
        Require(ProgrammingLog::Append(entry, LogPath()));
        const QList<QStringList> records = ProgrammingLog::Read(LogPath());
        Require(records.size() == 1 && records.first().size() == ProgrammingLog::Columns().size());
        Require(records.first().at(4) == entry.fileName && records.first().at(5) == entry.result);
    }
    return 0;
}
