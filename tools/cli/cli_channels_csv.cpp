// export and import: the channel list as CSV, both ways.

#include "channel_csv.h"
#include "cli_command.h"
#include "cli_files.h"
#include "cli_session.h"
#include "radio_document.h"
#include "safe_file_write.h"

#include <cstdio>

namespace t40 {

namespace {
// Far more than any channel list of any radio: a larger file is not one.
constexpr qint64 MaxCsvBytes = 4 * 1024 * 1024;

bool LoadDocument(const QString& argument, RadioDocument& document)
{
    RadioImage image;
    if (!LoadImageArgument(argument, image, true))
        return false;
    document.replaceImage(image, false);
    document.analyseBand();
    return true;
}

bool WriteOutput(const QString& argument, const QByteArray& bytes)
{
    QString reason;
#ifdef Q_OS_UNIX
    const FileWriteStatus status = WriteNativeFileSafely(NativeFromArgument(argument), bytes, {}, &reason);
#else
    const FileWriteStatus status = WriteFileSafely(argument, bytes, {}, &reason);
#endif
    if (status == FileWriteStatus::Ok)
        return true;
    CliFail(QStringLiteral("cannot write %1: %2").arg(DisplayName(argument), reason));
    return false;
}

// "file.csv:5:4: Duplex: text", as compilers place their messages.
void Report(const QString& file, const CsvMessage& m, const QString& kind)
{
    QString place = file;
    if (m.line > 0)
        place += QStringLiteral(":%1").arg(m.line);
    if (m.column > 0)
        place += QStringLiteral(":%1").arg(m.column);
    const QString column = m.columnName.isEmpty() ? QString() : m.columnName + QStringLiteral(": ");
    std::fprintf(stderr, "%s\n", qPrintable(TerminalText(place + QStringLiteral(": ") + kind + column + m.text)));
}
} // namespace

int RunExport(const QCommandLineParser& args)
{
    RadioDocument document;
    if (!LoadDocument(args.positionalArguments().first(), document))
        return ExitBadFile;
    const QByteArray csv = ExportChannelsCsv(document);
    if (!args.isSet(QStringLiteral("o"))) {
        std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout);
        return ExitOk;
    }
    return WriteOutput(args.value(QStringLiteral("o")), csv) ? ExitOk : ExitOutput;
}

int RunImport(const QCommandLineParser& args)
{
    QString base, output;
    if (!RequireOption(args, QStringLiteral("into"), &base) || !RequireOption(args, QStringLiteral("o"), &output))
        return ExitUsage;
    const QString csvArgument = args.positionalArguments().first();
    const QString csvName = DisplayName(csvArgument);
    QByteArray csv;
    QString error;
    if (!ReadRegularFile(csvArgument, MaxCsvBytes + 1, &csv, &error)) {
        CliFail(QStringLiteral("cannot read %1").arg(error));
        return ExitBadFile;
    }
    if (csv.size() > MaxCsvBytes) {
        CliFail(QStringLiteral("%1 is too large to be a channel list").arg(csvName));
        return ExitBadFile;
    }
    RadioDocument document;
    if (!LoadDocument(base, document))
        return ExitBadFile;
    const ChannelCsvImport parsed = ParseChannelsCsv(csv, document.band());
    for (const CsvMessage& m : parsed.problems)
        Report(csvName, m, QString());
    for (const CsvMessage& m : parsed.notes)
        Report(csvName, m, QStringLiteral("note: "));
    if (!parsed.problems.empty() && (!args.isSet(QStringLiteral("accept-valid")) || parsed.rows.empty())) {
        CliFail(QStringLiteral("problems in %1; nothing written%2")
                    .arg(csvName,
                         parsed.rows.empty() ? QString()
                                             : QStringLiteral(" (--accept-valid imports the rows without problems: channels %1)")
                                                   .arg(ImportedLocationList(parsed.rows))));
        return ExitBadFile;
    }
    ApplyImportedChannels(document, parsed.rows);
    if (!SaveDataFileArgument(output, document.memory(), &error)) {
        CliFail(QStringLiteral("cannot write %1").arg(error));
        return ExitOutput;
    }
    WarnOfRuleBreaches(document.memory());
    std::fprintf(stderr, "%s\n",
                 qPrintable(TerminalText(parsed.rows.empty() ? QStringLiteral("%1 lists no channel of this radio; the channels are unchanged").arg(csvName)
                                                : QStringLiteral("imported channels %1 from %2; the other channels are unchanged")
                                                      .arg(ImportedLocationList(parsed.rows), csvName))));
    return ExitOk;
}

} // namespace t40
