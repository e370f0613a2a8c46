// diff: what differs between two data files.

#include "cli_command.h"
#include "cli_session.h"
#include "document_diff.h"

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
} // namespace

int RunDiff(const QCommandLineParser& args)
{
    const QString format = args.value(QStringLiteral("format"));
    if (format != QLatin1String("text") && format != QLatin1String("json")) {
        CliFail(QStringLiteral("unknown format '%1' (text or json)").arg(format));
        return ExitBadFile;
    }
    const QStringList files = args.positionalArguments();
    RadioImage before, after;
    if (!LoadImageArgument(files.at(0), before, true) || !LoadImageArgument(files.at(1), after, true))
        return ExitBadFile;
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
