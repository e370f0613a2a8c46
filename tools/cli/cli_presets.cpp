// new and preset: data files made from the channel plans of licence-free services.

#include "channel_presets.h"
#include "cli_command.h"
#include "cli_files.h"
#include "cli_session.h"
#include "data_file.h"
#include "program_files.h"
#include "radio_document.h"

#include <cstdio>

namespace t40 {

namespace {
QString PresetNames()
{
    QStringList names;
    for (const ChannelPreset& p : ShippedPresets())
        names << p.name;
    return names.join(QStringLiteral(", "));
}
} // namespace

int RunPresetList(const QCommandLineParser& args)
{
    const QString what = args.positionalArguments().first();
    if (what != QLatin1String("list")) {
        CliFail(QStringLiteral("preset: unknown action '%1' (list)").arg(DisplayName(what)));
        return ExitUsage;
    }
    QStringList problems;
    for (const ChannelPreset& p : ShippedPresets(&problems))
        std::printf("%s\n", qPrintable(QStringLiteral("%1  %2  %3 channels  %4")
                                           .arg(p.name, -8)
                                           .arg(BandFamilyName(p.band))
                                           .arg(p.channels.size(), 2)
                                           .arg(p.description)));
    for (const QString& problem : problems)
        CliFail(QStringLiteral("a preset file cannot be used: %1").arg(problem));
    return ExitOk;
}

int RunNew(const QCommandLineParser& args)
{
    QString name, output;
    if (!RequireOption(args, QStringLiteral("preset"), &name) || !RequireOption(args, QStringLiteral("o"), &output))
        return ExitUsage;
    const ChannelPreset* preset = FindPreset(name);
    if (!preset) {
        CliFail(QStringLiteral("no preset '%1' (%2)").arg(DisplayName(name), PresetNames()));
        return ExitUsage;
    }
    if (args.isSet(QStringLiteral("band"))) {
        const QString band = args.value(QStringLiteral("band")).toUpper();
        if (band != QLatin1String("UHF") && band != QLatin1String("VHF")) {
            CliFail(QStringLiteral("--band must be UHF or VHF"));
            return ExitUsage;
        }
        if (band != BandFamilyName(preset->band)) {
            CliFail(QStringLiteral("%1 is a %2 channel plan; a %3 radio cannot use it")
                        .arg(preset->name, BandFamilyName(preset->band), band));
            return ExitUsage;
        }
    }
    RadioImage image;
    const QString templatePath = ProgramDataPath(QStringLiteral("Init.dat"));
    if (LoadTemplate(templatePath, image) != TemplateStatus::Ok)
        CliFail(QStringLiteral("warning: the factory data file %1 is missing or damaged; the missing data is left empty")
                    .arg(templatePath));
    RadioDocument document;
    const PresetPlacement placed = NewDocumentFromPreset(document, image, *preset);
    QString error;
    if (!SaveDataFileArgument(output, document.memory(), &error)) {
        CliFail(QStringLiteral("cannot write %1").arg(error));
        return ExitOutput;
    }
    std::fprintf(stderr, "%s\n", qPrintable(TerminalText(placed.summary(preset->name))));
    return ExitOk;
}

} // namespace t40
