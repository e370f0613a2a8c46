// read and write: a whole-image session with the radio.

#include "band_table.h"
#include "cli_bench.h"
#include "cli_command.h"
#include "cli_files.h"
#include "cli_session.h"
#include "data_file.h"
#include "port_catalog.h"
#include "programming_log.h"
#include "read_backups.h"
#include "write_verify.h"

#include <QFileInfo>

#include <cstdio>

namespace t40 {

namespace {
QString DeviceFor(const QString& port)
{
    const int number = PortNumberFromName(port);
    return number > 0 ? CurrentPortCatalog().deviceFor(number) : port;
}

int RunSession(const QString& port, RadioImage& image, const SessionRequest& request, bool forceBand,
               const QString& fileName, ProgrammingLogEntry* entry = nullptr)
{
    const QString device = DeviceFor(port);
    if (device.isEmpty()) {
        CliFail(QStringLiteral("cannot open the port %1: no such port").arg(port));
        return ExitPort;
    }
    CliSession session(device, image, forceBand);
    session.setLogNames(port, fileName);
    QString message;
    const int status = session.run(request, &message, entry);
    if (status != ExitOk)
        CliFail(message);
    return status;
}

// Reads the radio back in a new session (it restarts after the end frame;
// the handshake's retries wait for it) and compares what the write sent.
// The read-back belongs to the write's line in the log: verify gets its words.
int VerifyWrite(const QString& port, const SessionRequest& write, const RadioImage& sent, const QString& fileName,
                QString* verify)
{
    std::fputs("Verifying\n", stderr);
    RadioImage readBack;
    ProgrammingLogEntry notLogged;
    const int status = RunSession(port, readBack, VerifyReadFor(write), false, fileName, &notLogged);
    if (status != ExitOk) {
        CliFail(QStringLiteral("the written data could not be read back for the check"));
        *verify = ProgrammingLog::VerifyNoReadBack;
        return status;
    }
    const int address = FirstWriteMismatch(write, sent, readBack);
    if (address < 0) {
        *verify = ProgrammingLog::VerifyOk;
        return ExitOk;
    }
    *verify = ProgrammingLog::VerifyDiffersAt(address);
    CliFail(WriteMismatchText(address, sent, readBack));
    return ExitVerify;
}

struct WriteOutcome {
    int status = ExitOk;
    bool written = false; // every block went into the radio (whatever the verify found)
};

// A whole-image write, read back when asked, as one line of the log.
WriteOutcome WriteImage(const QString& port, const RadioImage& image, bool forceBand, bool verify,
                        const QString& fileName, const QString& operation = QString())
{
    BandState band;
    AnalyseModelBlock(image, band);
    const SessionRequest request { SessionKind::Whole, Direction::Write, band.lowMHz };
    RadioImage sent = image;
    ProgrammingLogEntry entry;
    WriteOutcome outcome;
    outcome.status = RunSession(port, sent, request, forceBand, fileName, &entry);
    outcome.written = outcome.status == ExitOk;
    if (!operation.isEmpty())
        entry.operation = operation;
    if (outcome.written && verify) {
        outcome.status = VerifyWrite(port, request, sent, fileName, &entry.verify);
        if (outcome.status == ExitVerify)
            entry.result = ProgrammingLog::ResultVerifyFailed;
    }
    AppendToLog(entry);
    return outcome;
}

// The radio's memory before a write that may have to be undone; kept as a
// read backup like every whole read.
int ReadRadioFirst(const QString& port, RadioImage& previous, const QString& fileName)
{
    ProgrammingLogEntry entry;
    const int status = RunSession(port, previous, { SessionKind::Whole, Direction::Read }, false, fileName, &entry);
    entry.operation = ProgrammingLog::OperationBeforeWrite;
    AppendToLog(entry);
    if (status != ExitOk) {
        CliFail(QStringLiteral("the radio could not be read before the write; nothing was written"));
        return status;
    }
    QString kept, reason;
    if (SaveReadBackup(previous, ReadBackupFolder(), port, &kept, &reason) == DataFileStatus::Ok)
        std::fprintf(stderr, "Backup: %s\n", qPrintable(kept));
    else
        CliFail(QStringLiteral("cannot write the backup %1: %2").arg(kept, reason));
    return ExitOk;
}
} // namespace

int RunRead(const QCommandLineParser& args)
{
    QString port, output;
    if (!RequireOption(args, QStringLiteral("port"), &port) || !RequireOption(args, QStringLiteral("o"), &output))
        return ExitUsage;
    RadioImage image;
    const SessionRequest request { SessionKind::Whole, Direction::Read };
    const int status = RunSession(port, image, request, false, QFileInfo(output).fileName());
    if (status != ExitOk)
        return status;
    QString error;
    if (!SaveDataFileArgument(output, image, &error)) {
        CliFail(QStringLiteral("cannot write %1").arg(error));
        return ExitOutput;
    }
    if (!args.isSet(QStringLiteral("no-backup"))) {
        QString kept, reason;
        if (SaveReadBackup(image, ReadBackupFolder(), port, &kept, &reason) != DataFileStatus::Ok) {
            CliFail(QStringLiteral("cannot write the backup %1: %2 (--no-backup goes without)").arg(TerminalText(kept), reason));
            return ExitOutput;
        }
        std::fprintf(stderr, "Backup: %s\n", qPrintable(TerminalText(kept)));
    }
    std::fprintf(stderr, "Read Data OK: %s\n", qPrintable(DisplayName(output)));
    return ExitOk;
}

int RunWrite(const QCommandLineParser& args)
{
    QString port;
    if (!RequireOption(args, QStringLiteral("port"), &port))
        return ExitUsage;
    const bool repeat = args.isSet(QStringLiteral("repeat"));
    int count = 0;
    if (args.isSet(QStringLiteral("count"))) {
        bool ok = false;
        count = args.value(QStringLiteral("count")).toInt(&ok);
        if (!repeat || !ok || count < 1) {
            CliFail(QStringLiteral("--count needs --repeat and a number of radios from 1"));
            return ExitUsage;
        }
    }
    for (const char* single : { "force-band", "restore-on-failure" })
        if (repeat && args.isSet(QString::fromLatin1(single))) {
            CliFail(QStringLiteral("--%1 cannot be used with --repeat").arg(QString::fromLatin1(single)));
            return ExitUsage;
        }
    RadioImage image;
    const QString file = args.positionalArguments().first();
    if (!LoadImageArgument(file, image, false))
        return ExitBadFile;
    WarnOfRuleBreaches(image);
    if (repeat) {
        const QString device = DeviceFor(port);
        if (device.isEmpty()) {
            CliFail(QStringLiteral("cannot open the port %1: no such port").arg(port));
            return ExitPort;
        }
        return RunRow(port, device, image, QFileInfo(file).fileName(), count, args.isSet(QStringLiteral("verify")));
    }
    const QString fileName = QFileInfo(file).fileName();
    const bool verify = args.isSet(QStringLiteral("verify"));
    const bool restore = args.isSet(QStringLiteral("restore-on-failure"));
    RadioImage previous;
    if (restore) {
        const int status = ReadRadioFirst(port, previous, fileName);
        if (status != ExitOk)
            return status;
    }
    const WriteOutcome outcome = WriteImage(port, image, args.isSet(QStringLiteral("force-band")), verify, fileName);
    // A write that broke off, or that the radio does not hold as sent, is
    // undone; one refused at the start (port, band) changed nothing.
    const bool damaged = outcome.status == ExitVerify
        || (!outcome.written && outcome.status != ExitPort && outcome.status != ExitBandMismatch);
    if (restore && damaged) {
        std::fputs("Restoring the radio's previous data\n", stderr);
        const WriteOutcome back = WriteImage(port, previous, true, verify, fileName, ProgrammingLog::OperationRestore);
        CliFail(back.status == ExitOk ? (verify ? QStringLiteral("the radio's previous data was restored and verified")
                                                : QStringLiteral("the radio's previous data was restored"))
                                      : QStringLiteral("the radio's previous data could not be restored"));
    }
    if (outcome.status != ExitOk)
        return outcome.status;
    std::fputs(verify ? "Write Data OK\nVerified: the radio holds the data\n" : "Write Data OK\n", stderr);
    return ExitOk;
}

} // namespace t40
