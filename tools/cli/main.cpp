// t40-cli: reads, writes and shows T40 radio data without the desktop program.

#include "cli_command.h"
#include "cli_files.h"
#include "cli_session.h"

#include <QCoreApplication>

#include <cstdio>

using namespace t40;

namespace {
const QString Program = QStringLiteral("t40-cli");

const CliCommand* FindCommand(const QString& name)
{
    for (const CliCommand& c : CliCommands())
        if (c.name == name)
            return &c;
    return nullptr;
}

QString Synopsis(const CliCommand& c)
{
    QString s = Program + QLatin1Char(' ') + c.name;
    if (!c.options.isEmpty())
        s += QStringLiteral(" [options]");
    for (const CliPositional& p : c.positionals)
        s += QLatin1Char(' ') + (p.optional ? QLatin1Char('[') + p.name + QLatin1Char(']') : p.name);
    return s;
}

QString GeneralHelp()
{
    QString text = QStringLiteral("Usage: %1 COMMAND [options] [arguments]\n\n"
                                  "Reads, writes and shows T40 radio data without the desktop program.\n\nCommands:\n").arg(Program);
    for (const CliCommand& c : CliCommands())
        text += QStringLiteral("  %1%2\n").arg(c.name, -10).arg(c.summary);
    text += QStringLiteral("\n%1 help COMMAND (or %1 COMMAND --help) describes a command.\n"
                           "Options:\n  -h, --help     Show this help.\n  -v, --version  Show the version.\n\n"
                           "PORT is COMn or a device path such as /dev/ttyUSB0.\n"
                           "Exit status: 0 done, 1 usage, 2 bad data or CSV file, 3 port cannot be opened,\n"
                           "4 the radio does not answer, 5 band differs (write), 6 output cannot be written,\n"
                           "7 a radio of a write --repeat row failed, 8 the radio read back after --verify\n"
                           "differs from what was written.\n"
                           "diff: 0 the same, 1 different, 2 a file or the command line is wrong;\n"
                           "with --port also 3 and 4 as above.\n"
                           "new: 1 also for an unknown preset or a preset of the other band.\n"
                           "doctor: 0 a radio answers, 3 a port cannot be opened (missing, busy, no\n"
                           "permission), 4 no radio answers.\n").arg(Program);
    return text;
}

void Configure(QCommandLineParser& parser, const CliCommand& c)
{
    parser.setApplicationDescription(c.summary);
    parser.addOption({ { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this help.") });
    parser.addOptions(c.options);
    for (const CliPositional& p : c.positionals)
        parser.addPositionalArgument(p.name, p.description, p.optional ? QLatin1Char('[') + p.name + QLatin1Char(']') : p.name);
}

QString CommandHelp(const CliCommand& c)
{
    QCommandLineParser parser;
    Configure(parser, c);
    // Qt's first line names the program only; the rest (options, arguments) is kept.
    QString text = parser.helpText();
    text = text.mid(text.indexOf(QLatin1Char('\n')) + 1);
    return QStringLiteral("Usage: %1\n").arg(Synopsis(c)) + text;
}

int Out(const QString& text, std::FILE* stream, int status)
{
    std::fputs(text.toUtf8().constData(), stream);
    return status;
}

int RunCommand(const CliCommand& c, const QStringList& rest)
{
    QCommandLineParser parser;
    Configure(parser, c);
    if (!parser.parse(QStringList { Program } + rest)) {
        QString error = parser.errorText();
        if (error.endsWith(QLatin1Char('.')))
            error.chop(1);
        CliFail(QStringLiteral("%1: %2 (see %3 help %1)").arg(c.name, error, Program));
        return c.usageStatus;
    }
    if (parser.isSet(QStringLiteral("help")))
        return Out(CommandHelp(c), stdout, ExitOk);
    qsizetype required = 0;
    for (const CliPositional& p : c.positionals)
        required += p.optional ? 0 : 1;
    const qsizetype given = parser.positionalArguments().size();
    if (given < required || given > c.positionals.size()) {
        CliFail(QStringLiteral("%1: expects %2 (see %3 help %1)").arg(c.name, Synopsis(c), Program));
        return c.usageStatus;
    }
    return c.run(parser);
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(Program);
    QCoreApplication::setApplicationVersion(QStringLiteral(T40_VERSION));
#ifdef Q_OS_UNIX
    const QStringList args = NativeArguments(argc, argv); // keeps file names that are not UTF-8
#else
    const QStringList args = app.arguments().mid(1);
#endif
    if (args.isEmpty())
        return Out(GeneralHelp(), stderr, ExitUsage);
    const QString first = args.first();
    if (first == QLatin1String("-h") || first == QLatin1String("--help") || first == QLatin1String("-?"))
        return Out(GeneralHelp(), stdout, ExitOk);
    if (first == QLatin1String("-v") || first == QLatin1String("--version"))
        return Out(QStringLiteral("%1 %2\n").arg(Program, QCoreApplication::applicationVersion()), stdout, ExitOk);
    if (first == QLatin1String("help")) {
        if (args.size() == 1)
            return Out(GeneralHelp(), stdout, ExitOk);
        if (const CliCommand* c = FindCommand(args.at(1)))
            return Out(CommandHelp(*c), stdout, ExitOk);
        CliFail(QStringLiteral("unknown command '%1' (see %2 --help)").arg(DisplayName(args.at(1)), Program));
        return ExitUsage;
    }
    if (first.startsWith(QLatin1Char('-'))) {
        CliFail(QStringLiteral("unknown option '%1'; a command comes first (see %2 --help)").arg(DisplayName(first), Program));
        return ExitUsage;
    }
    const CliCommand* command = FindCommand(first);
    if (!command) {
        CliFail(QStringLiteral("unknown command '%1' (see %2 --help)").arg(DisplayName(first), Program));
        return ExitUsage;
    }
    return RunCommand(*command, args.mid(1));
}
