#pragma once

#include "radio_image.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

namespace t40 {

struct CliPositional {
    QString name;
    QString description;
    bool optional = false;
};

// One command of t40-cli. To add an option, add it to the command's list in
// cli_commands.cpp and read it in the command's run function; the parser,
// the help texts and the checks of unknown options follow from the table.
struct CliCommand {
    QString name;
    QString summary;
    QList<CliPositional> positionals;
    QList<QCommandLineOption> options;
    int (*run)(const QCommandLineParser& args);
    // The status of a command line the command cannot take; diff keeps 1 for "the files differ".
    int usageStatus = 1;
};

// Every command, in the order the help lists them.
const QList<CliCommand>& CliCommands();

// The text with every character a terminal would act on (control
// characters, line and direction marks) written as \xHH or \uHHHH, so that a
// file name or a cell of a file cannot move the cursor or fake a line.
QString TerminalText(const QString& text, bool keepLineBreaks = false);
// "t40-cli: text" on stderr, made safe for the terminal; line breaks stay
// (the program's own), those of names are escaped by DisplayName.
void CliFail(const QString& text);
// "warning: Channel 1: PMR446 allows at most Low power ..." on stderr for each
// channel that breaks a licence-free service's rule. Changes nothing: the
// command goes on and its exit status stays its own.
void WarnOfRuleBreaches(const RadioImage& image);
// The value of an option the command cannot do without; reports its absence.
bool RequireOption(const QCommandLineParser& args, const QString& name, QString* value);

// Loads a data file (or, with bareImage, also a plain 1024-byte image such as
// Init.dat) named on the command line; reports failures itself.
bool LoadImageArgument(const QString& argument, RadioImage& image, bool bareImage);

int RunRead(const QCommandLineParser& args);
int RunWrite(const QCommandLineParser& args);
int RunShow(const QCommandLineParser& args);
int RunDiff(const QCommandLineParser& args);
int RunPorts(const QCommandLineParser& args);
int RunDetect(const QCommandLineParser& args);
int RunDoctor(const QCommandLineParser& args);
int RunExport(const QCommandLineParser& args);
int RunImport(const QCommandLineParser& args);
int RunNew(const QCommandLineParser& args);
int RunPresetList(const QCommandLineParser& args);

} // namespace t40
