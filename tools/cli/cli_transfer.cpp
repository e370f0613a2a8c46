// read and write: a whole-image session with the radio.

#include "band_table.h"
#include "cli_command.h"
#include "cli_files.h"
#include "cli_session.h"
#include "data_file.h"
#include "port_catalog.h"

#include <cstdio>

namespace t40 {

namespace {
QString DeviceFor(const QString& port)
{
    const int number = PortNumberFromName(port);
    return number > 0 ? CurrentPortCatalog().deviceFor(number) : port;
}

int RunSession(const QString& port, RadioImage& image, const SessionRequest& request, bool forceBand)
{
    const QString device = DeviceFor(port);
    if (device.isEmpty()) {
        CliFail(QStringLiteral("cannot open the port %1: no such port").arg(port));
        return ExitPort;
    }
    CliSession session(device, image, forceBand);
    QString message;
    const int status = session.run(request, &message);
    if (status != ExitOk)
        CliFail(message);
    return status;
}
} // namespace

int RunRead(const QCommandLineParser& args)
{
    QString port, output;
    if (!RequireOption(args, QStringLiteral("port"), &port) || !RequireOption(args, QStringLiteral("o"), &output))
        return ExitUsage;
    RadioImage image;
    const SessionRequest request { SessionKind::Whole, Direction::Read };
    const int status = RunSession(port, image, request, false);
    if (status != ExitOk)
        return status;
    QString error;
    if (!SaveDataFileArgument(output, image, &error)) {
        CliFail(QStringLiteral("cannot write %1").arg(error));
        return ExitOutput;
    }
    std::fprintf(stderr, "Read Data OK: %s\n", qPrintable(DisplayName(output)));
    return ExitOk;
}

int RunWrite(const QCommandLineParser& args)
{
    QString port;
    if (!RequireOption(args, QStringLiteral("port"), &port))
        return ExitUsage;
    RadioImage image;
    if (!LoadImageArgument(args.positionalArguments().first(), image, false))
        return ExitBadFile;
    BandState band;
    AnalyseModelBlock(image, band);
    const SessionRequest request { SessionKind::Whole, Direction::Write, band.lowMHz };
    const int status = RunSession(port, image, request, args.isSet(QStringLiteral("force-band")));
    if (status == ExitOk)
        std::fputs("Write Data OK\n", stderr);
    return status;
}

} // namespace t40
