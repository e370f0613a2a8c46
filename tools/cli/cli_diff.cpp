// diff: what differs between two data files, or between the radio and a file.

#include "cli_command.h"
#include "cli_session.h"
#include "document_diff.h"
#include "port_catalog.h"

#include <QFileInfo>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace t40 {

namespace {
// The machine form: one object per value, its key stable across versions
// and languages, raw values as stored beside the texts the pages show.
QByteArray Json(const std::vector<Difference>& differences)
{
    QJsonArray out;
    for (const Difference& d : differences)
        out.append(QJsonObject { { QStringLiteral("key"), d.key },
                                 { QStringLiteral("name"), d.name },
                                 { QStringLiteral("before"), d.before },
                                 { QStringLiteral("after"), d.after },
                                 { QStringLiteral("rawBefore"), d.rawBefore },
                                 { QStringLiteral("rawAfter"), d.rawAfter } });
    return QJsonDocument(out).toJson(QJsonDocument::Indented);
}

// The radio's whole memory, read like any read (and logged), not kept as a backup.
int ReadRadio(const QString& port, RadioImage& radio, const QString& fileName)
{
    const int number = PortNumberFromName(port);
    const QString device = number > 0 ? CurrentPortCatalog().deviceFor(number) : port;
    if (device.isEmpty()) {
        CliFail(QStringLiteral("cannot open the port %1: no such port").arg(port));
        return ExitPort;
    }
    CliSession session(device, radio, false);
    session.setLogNames(port, fileName);
    QString message;
    const int status = session.run({ SessionKind::Whole, Direction::Read }, &message);
    if (status != ExitOk)
        CliFail(message);
    return status;
}
} // namespace

int RunDiff(const QCommandLineParser& args)
{
    const QString format = args.value(QStringLiteral("format"));
    if (format != QLatin1String("text") && format != QLatin1String("json")) {
        CliFail(QStringLiteral("unknown format '%1' (text or json)").arg(format));
        return ExitBadFile;
    }
    const QStringList files = args.positionalArguments();
    const bool fromRadio = args.isSet(QStringLiteral("port"));
    if (fromRadio != (files.size() == 1)) {
        CliFail(QStringLiteral("diff: expects t40-cli diff A.rdat B.rdat, or t40-cli diff --port PORT FILE.rdat (see t40-cli help diff)"));
        return ExitBadFile;
    }
    RadioImage before, after;
    if (fromRadio) {
        // The file is checked before the radio is asked.
        if (!LoadImageArgument(files.at(0), after, true))
            return ExitBadFile;
        const int status = ReadRadio(args.value(QStringLiteral("port")), before, QFileInfo(files.at(0)).fileName());
        if (status != ExitOk)
            return status;
    } else if (!LoadImageArgument(files.at(0), before, true) || !LoadImageArgument(files.at(1), after, true)) {
        return ExitBadFile;
    }
    const std::vector<Difference> differences = DiffImages(before, after);
    if (format == QLatin1String("json"))
        std::fputs(Json(differences).constData(), stdout);
    else
        for (const Difference& d : differences)
            std::printf("%s\n", TerminalText(d.line()).toUtf8().constData());
    // As diff(1): 0 the same, 1 different, 2 trouble.
    return differences.empty() ? ExitOk : ExitDiffer;
}

} // namespace t40
