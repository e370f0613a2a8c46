// t40-cli: reads, writes and shows T40 radio data without the desktop program.

#include "cli_session.h"
#include "data_file.h"
#include "band_table.h"
#include "image_report.h"
#include "port_catalog.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

using namespace t40;

namespace {
void Fail(const QString& text) { std::fprintf(stderr, "t40-cli: %s\n", qPrintable(text)); }

int Usage()
{
    std::fputs("usage: t40-cli read --port PORT -o FILE.rdat\n"
               "       t40-cli write --port PORT FILE.rdat [--force-band]\n"
               "       t40-cli show FILE.rdat\n"
               "PORT is COMn or a device path such as /dev/ttyUSB0.\n",
               stderr);
    return ExitUsage;
}

bool Load(const QString& path, RadioImage& image)
{
    QString reason;
    switch (LoadDataFile(path, image, &reason)) {
    case DataFileStatus::Ok: return true;
    case DataFileStatus::WrongHeader: Fail(QStringLiteral("%1 is not a T40 data file").arg(path)); break;
    case DataFileStatus::TooShort: Fail(QStringLiteral("%1 is too short to be a T40 data file").arg(path)); break;
    default: Fail(QStringLiteral("cannot read %1: %2").arg(path, reason)); break;
    }
    return false;
}

QString DeviceFor(const QString& port)
{
    const int number = PortNumberFromName(port);
    return number > 0 ? CurrentPortCatalog().deviceFor(number) : port;
}

int RunSession(const QString& port, RadioImage& image, const SessionRequest& request, bool forceBand)
{
    const QString device = DeviceFor(port);
    if (device.isEmpty()) {
        Fail(QStringLiteral("cannot open the port %1: no such port").arg(port));
        return ExitPort;
    }
    CliSession session(device, image, forceBand);
    QString message;
    const int status = session.run(request, &message);
    if (status != ExitOk)
        Fail(message);
    return status;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return Usage();
    const QString command = args.takeFirst();
    QString port, output;
    bool forceBand = false;
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--port") && i + 1 < args.size())
            port = args.at(++i);
        else if (a == QLatin1String("-o") && i + 1 < args.size())
            output = args.at(++i);
        else if (a == QLatin1String("--force-band"))
            forceBand = true;
        else if (a.startsWith(QLatin1Char('-')))
            return Usage();
        else
            files << a;
    }

    if (command == QLatin1String("show")) {
        if (files.size() != 1)
            return Usage();
        RadioImage image;
        if (!Load(files.first(), image))
            return ExitBadFile;
        std::fputs(qPrintable(ImageReport(image)), stdout);
        return ExitOk;
    }

    if (command == QLatin1String("read")) {
        if (port.isEmpty() || output.isEmpty() || !files.isEmpty())
            return Usage();
        RadioImage image;
        const SessionRequest request { SessionKind::Whole, Direction::Read };
        const int status = RunSession(port, image, request, false);
        if (status != ExitOk)
            return status;
        QString reason;
        if (SaveDataFile(output, image, &reason) != DataFileStatus::Ok) {
            Fail(QStringLiteral("cannot write %1: %2").arg(output, reason));
            return ExitOutput;
        }
        std::fprintf(stderr, "Read Data OK: %s\n", qPrintable(output));
        return ExitOk;
    }

    if (command == QLatin1String("write")) {
        if (port.isEmpty() || files.size() != 1)
            return Usage();
        RadioImage image;
        if (!Load(files.first(), image))
            return ExitBadFile;
        BandState band;
        AnalyseModelBlock(image, band);
        const SessionRequest request { SessionKind::Whole, Direction::Write, band.lowMHz };
        const int status = RunSession(port, image, request, forceBand);
        if (status == ExitOk)
            std::fputs("Write Data OK\n", stderr);
        return status;
    }
    return Usage();
}
