// diff: what differs between two data files.

#include "cli_command.h"
#include "cli_session.h"
#include "document_diff.h"

#include <cstdio>

namespace t40 {

int RunDiff(const QCommandLineParser& args)
{
    const QStringList files = args.positionalArguments();
    RadioImage before, after;
    if (!LoadImageArgument(files.at(0), before, true) || !LoadImageArgument(files.at(1), after, true))
        return ExitBadFile;
    const QStringList lines = CompareImages(before, after);
    for (const QString& line : lines)
        std::printf("%s\n", TerminalText(line).toUtf8().constData());
    // As diff(1): 0 the same, 1 different, 2 trouble.
    return lines.isEmpty() ? ExitOk : ExitDiffer;
}

} // namespace t40
