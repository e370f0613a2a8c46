// read and write: a whole-image session with the radio.

#include "band_table.h"
#include "cli_bench.h"
#include "cli_command.h"
#include "cli_files.h"
#include "cli_session.h"
#include "data_file.h"
#include "port_catalog.h"
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
               const QString& fileName)
{
    const QString device = DeviceFor(port);
    if (device.isEmpty()) {
        CliFail(QStringLiteral("cannot open the port %1: no such port").arg(port));
        return ExitPort;
    }
    CliSession session(device, image, forceBand);
    session.setLogNames(port, fileName);
    QString message;
    const int status = session.run(request, &message);
    if (status != ExitOk)
        CliFail(message);
    return status;
}
// Reads the radio back in a new session (it restarts after the end frame;
// the handshake's retries wait for it) and compares what the write sent.
int VerifyWrite(const QString& port, const SessionRequest& write, const RadioImage& sent, const QString& fileName)
{
    std::fputs("Verifying\n", stderr);
    RadioImage readBack;
    const int status = RunSession(port, readBack, VerifyReadFor(write), false, fileName);
    if (status != ExitOk) {
        CliFail(QStringLiteral("the written data could not be read back for the check"));
        return status;
    }
    const int address = FirstWriteMismatch(write, sent, readBack);
    if (address < 0)
        return ExitOk;
    CliFail(WriteMismatchText(address, sent, readBack));
    return ExitVerify;
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
    for (const char* single : { "force-band" })
        if (repeat && args.isSet(QString::fromLatin1(single))) {
            CliFail(QStringLiteral("--%1 cannot be used with --repeat").arg(QString::fromLatin1(single)));
            return ExitUsage;
        }
    RadioImage image;
    const QString file = args.positionalArguments().first();
    if (!LoadImageArgument(file, image, false))
        return ExitBadFile;
    if (repeat) {
        const QString device = DeviceFor(port);
        if (device.isEmpty()) {
            CliFail(QStringLiteral("cannot open the port %1: no such port").arg(port));
            return ExitPort;
        }
        return RunRow(port, device, image, QFileInfo(file).fileName(), count, args.isSet(QStringLiteral("verify")));
    }
    BandState band;
    AnalyseModelBlock(image, band);
    const SessionRequest request { SessionKind::Whole, Direction::Write, band.lowMHz };
    const int status = RunSession(port, image, request, args.isSet(QStringLiteral("force-band")), QFileInfo(file).fileName());
    if (status != ExitOk)
        return status;
    if (args.isSet(QStringLiteral("verify"))) {
        const int checked = VerifyWrite(port, request, image, QFileInfo(file).fileName());
        if (checked != ExitOk)
            return checked;
    }
    std::fputs("Write Data OK\n", stderr);
    return ExitOk;
}

} // namespace t40
