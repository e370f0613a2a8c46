#include "cli_command.h"

#include "channel_rules.h"
#include "cli_files.h"
#include "cli_session.h"
#include "data_file.h"

#include <cstdio>

namespace t40 {

namespace {
QCommandLineOption PortOption()
{
    return { QStringLiteral("port"), QStringLiteral("The serial port: COMn or a device path such as /dev/ttyUSB0."),
             QStringLiteral("PORT") };
}
} // namespace

const QList<CliCommand>& CliCommands()
{
    static const QList<CliCommand> commands {
        { QStringLiteral("read"), QStringLiteral("Read the radio into a data file."), {},
          { PortOption(), { QStringLiteral("o"), QStringLiteral("The data file to write."), QStringLiteral("FILE.rdat") },
            { QStringLiteral("no-backup"), QStringLiteral("Keep no backup copy of the read in the program's backup folder.") } },
          RunRead },
        { QStringLiteral("write"), QStringLiteral("Write a data file into the radio."),
          { { QStringLiteral("FILE.rdat"), QStringLiteral("The data file to write into the radio.") } },
          { PortOption(),
            { QStringLiteral("force-band"), QStringLiteral("Write even when the radio's frequency band differs from the file's.") },
            { QStringLiteral("verify"), QStringLiteral("Read the radio back after the write and compare; a difference fails with its address (exit 8).") },
            { QStringLiteral("restore-on-failure"), QStringLiteral("Read the radio first; when the write breaks off or its verify differs, write the radio's previous data back.") },
            { QStringLiteral("repeat"), QStringLiteral("Write one radio after another, one line per radio, until --count radios or Ctrl+C; a radio of another band is refused.") },
            { QStringLiteral("count"), QStringLiteral("With --repeat: stop after N radios."), QStringLiteral("N") } },
          RunWrite },
        { QStringLiteral("detect"), QStringLiteral("Find the ports where a radio answers, with its band."), {}, {}, RunDetect },
        { QStringLiteral("doctor"), QStringLiteral("Find out why a radio does not answer: the device, permission, other programs on the port, the handshake; exit 0 a radio answers, 3 a port cannot be opened, 4 no answer."),
          {}, { { QStringLiteral("port"), QStringLiteral("Check only this port (COMn or a device); default: the USB serial adapters and the registered ports."), QStringLiteral("PORT") } },
          RunDoctor },
        { QStringLiteral("show"), QStringLiteral("Show the band, channels and optional features of a data file."),
          { { QStringLiteral("FILE"), QStringLiteral("A data file (.rdat) or a bare 1024-byte image such as Init.dat.") } },
          { { QStringLiteral("format"), QStringLiteral("text (default), csv (the channel table) or json."),
              QStringLiteral("FORMAT"), QStringLiteral("text") } },
          RunShow },
        { QStringLiteral("diff"), QStringLiteral("List the named values that differ between two data files, or between the radio and a file (--port); exit 0 same, 1 different."),
          { { QStringLiteral("A.rdat"), QStringLiteral("A data file (.rdat) or a bare 1024-byte image.") },
            { QStringLiteral("B.rdat"), QStringLiteral("The data file to compare it with (not with --port)."), true } },
          { { QStringLiteral("format"),
              QStringLiteral("text (default): one line per value, \"Name: before -> after\"; json: an array of "
                             "{key, name, before, after, rawBefore, rawAfter}, keys stable for scripts."),
              QStringLiteral("FORMAT"), QStringLiteral("text") },
            { QStringLiteral("port"), QStringLiteral("Read the radio on this port (COMn or a device) and compare it with A.rdat; nothing is written."),
              QStringLiteral("PORT") } },
          RunDiff, ExitBadFile },
        { QStringLiteral("ports"), QStringLiteral("List the serial ports with their COM numbers."), {}, {}, RunPorts },
        { QStringLiteral("export"), QStringLiteral("Write the channels of a data file as CSV (to stdout or -o)."),
          { { QStringLiteral("FILE.rdat"), QStringLiteral("A data file (.rdat) or a bare 1024-byte image.") } },
          { { QStringLiteral("o"), QStringLiteral("The CSV file to write."), QStringLiteral("FILE.csv") } },
          RunExport },
        { QStringLiteral("import"), QStringLiteral("Put the channels of a CSV file into a copy of a data file."),
          { { QStringLiteral("FILE.csv"), QStringLiteral("The channel list; the channels it does not list stay as in BASE.") } },
          { { QStringLiteral("into"), QStringLiteral("The data file the channels go into."), QStringLiteral("BASE.rdat") },
            { QStringLiteral("o"), QStringLiteral("The data file to write."), QStringLiteral("OUT.rdat") },
            { QStringLiteral("accept-valid"), QStringLiteral("Import the valid rows even when other rows have problems.") } },
          RunImport },
        { QStringLiteral("new"), QStringLiteral("Write a new data file with the channels of a preset (see preset list)."), {},
          { { QStringLiteral("preset"), QStringLiteral("The channel plan, e.g. PMR446."), QStringLiteral("NAME") },
            { QStringLiteral("o"), QStringLiteral("The data file to write."), QStringLiteral("FILE.rdat") },
            { QStringLiteral("band"), QStringLiteral("UHF or VHF: the radio's band; refused when the preset is of the other band."),
              QStringLiteral("BAND") } },
          RunNew },
        { QStringLiteral("preset"), QStringLiteral("List the channel plans of licence-free services."),
          { { QStringLiteral("list"), QStringLiteral("The action: list.") } }, {}, RunPresetList },
    };
    return commands;
}

QString TerminalText(const QString& text, bool keepLineBreaks)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool control = u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029
            || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
        if (!control || (keepLineBreaks && u == u'\n'))
            out += c;
        else
            out += u < 0x100 ? QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'))
                             : QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
    }
    return out;
}

void CliFail(const QString& text)
{
    std::fprintf(stderr, "t40-cli: %s\n", qPrintable(TerminalText(text, true)));
}

void WarnOfRuleBreaches(const RadioImage& image)
{
    for (const QString& line : RuleFindingLines(image))
        CliFail(QStringLiteral("warning: ") + line);
}

bool RequireOption(const QCommandLineParser& args, const QString& name, QString* value)
{
    const QString option = (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    if (!args.isSet(name)) {
        CliFail(QStringLiteral("missing %1").arg(option));
        return false;
    }
    *value = args.value(name);
    if (value->isEmpty()) {
        CliFail(QStringLiteral("%1 needs a value").arg(option));
        return false;
    }
    return true;
}

bool LoadImageArgument(const QString& argument, RadioImage& image, bool bareImage)
{
    QByteArray bytes;
    QString error;
    // One byte more than a data file, to tell a bare image from a longer file.
    if (!ReadRegularFile(argument, DataFile::Size + 1, &bytes, &error)) {
        CliFail(QStringLiteral("cannot read %1").arg(error));
        return false;
    }
    const QString name = DisplayName(argument);
    switch (bareImage ? ParseDataFileOrImage(bytes, image) : ParseDataFile(bytes, image)) {
    case DataFileStatus::Ok: return true;
    case DataFileStatus::WrongHeader: CliFail(QStringLiteral("%1 is not a T40 data file").arg(name)); break;
    case DataFileStatus::TooShort: CliFail(QStringLiteral("%1 is too short to be a T40 data file").arg(name)); break;
    default: CliFail(QStringLiteral("cannot read %1").arg(name)); break;
    }
    return false;
}

} // namespace t40
