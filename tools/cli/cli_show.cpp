// show and ports: looking at a file and at the machine.

#include "cli_command.h"
#include "cli_session.h"
#include "image_report.h"
#include "port_catalog.h"

#include <QSerialPortInfo>

#include <cstdio>

namespace t40 {

int RunShow(const QCommandLineParser& args)
{
    const QString format = args.value(QStringLiteral("format"));
    QString (*report)(const RadioImage&) = nullptr;
    if (format == QLatin1String("text"))
        report = ImageReport;
    else if (format == QLatin1String("csv"))
        report = ImageReportCsv;
    else if (format == QLatin1String("json"))
        report = ImageReportJson;
    else {
        CliFail(QStringLiteral("unknown format '%1' (text, csv or json)").arg(format));
        return ExitUsage;
    }
    RadioImage image;
    if (!LoadImageArgument(args.positionalArguments().first(), image, true))
        return ExitBadFile;
    std::fputs(report(image).toUtf8().constData(), stdout);
    WarnOfRuleBreaches(image);
    return ExitOk;
}

int RunPorts(const QCommandLineParser&)
{
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    const QMap<int, QString> ports = NumberedPorts();
    if (ports.isEmpty())
        std::fputs("no serial ports found\n", stderr);
    for (auto it = ports.begin(); it != ports.end(); ++it) {
        QString line = QStringLiteral("COM%1  %2").arg(it.key()).arg(it.value());
        for (const QSerialPortInfo& info : infos) {
            if (info.systemLocation() != it.value() && info.portName() != it.value())
                continue;
            if (!info.description().isEmpty())
                line += QStringLiteral("  ") + info.description();
            if (info.hasVendorIdentifier() && info.hasProductIdentifier())
                line += QStringLiteral(" (%1:%2)").arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0')).arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
            break;
        }
        std::printf("%s\n", TerminalText(line).toUtf8().constData());
    }
    return ExitOk;
}

} // namespace t40
