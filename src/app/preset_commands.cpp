// File > New From Preset... and Edit > Insert Preset Channels...: channels
// from the plans of licence-free services.

#include "channel_presets.h"
#include "channel_rules.h"
#include "channel_table_model.h"
#include "form_channel_preset.h"
#include "exchange_commands.h"
#include "file_commands.h"
#include "mdi_form_main.h"
#include "preset_commands.h"
#include "prompts.h"
#include "radio_document.h"
#include "shared_state.h"
#include "window_menu.h"

#include <QCoreApplication>
#include <QStatusBar>

namespace t40 {

namespace {
// Whatever did not fit is worth a box; a plan that went in whole, a line in the status bar.
void Report(QMainWindow* window, const PresetPlacement& placed, const QString& name)
{
    if (placed.outOfBand.empty() && placed.noRoom.empty())
        window->statusBar()->showMessage(placed.summary(name), 10000);
    else
        ShowMessageBox(placed.summary(name), BoxIcon::Information);
}
} // namespace

void FileCommands::MenuNewFromPreset_Click()
{
    const ChannelPreset* preset = nullptr;
    {
        FormChannelPreset dialog(FormChannelPreset::Purpose::NewFile,
                                 tr("A new data file gets the plan in channels 1 to 16, with the band the plan needs."), &main_);
        if (dialog.exec() != QDialog::Accepted)
            return;
        preset = dialog.ChosenPreset();
    }
    main_.flushChannelEdit();
    if (!maybeSave())
        return;
    PresetPlacement placed;
    {
        const RadioDocument::Unrecorded fresh(AppDocument());
        main_.loadTemplate();
        placed = NewDocumentFromPreset(AppDocument(), AppDocument().memory(), *preset);
        CurrentFilePath.clear();
        AppDocument().setPath(QString(), QStringLiteral("new.rdat"));
        main_.CloseAllPages();
        main_.OpenPage(ChannelPageId);
    }
    startFreshHistory();
    // Not saved anywhere yet: leaving asks first.
    AppDocument().setModified(true);
    Report(&main_, placed, preset->name);
}

void ExchangeCommands::MenuInsertPreset_Click()
{
    main_.flushChannelEdit();
    const QList<int> selected = ChannelTableModel::of(AppDocument()).selectedChannels();
    QStringList numbers;
    for (int c : selected)
        numbers << QString::number(c);
    const QString destination = selected.size() > 1
        ? tr("The plan goes into the selected channels %1, in order.").arg(numbers.join(QStringLiteral(", ")))
        : tr("The plan goes into the empty channels, from the first one on. Select several rows of the channel grid "
             "to choose the channels yourself.");
    const ChannelPreset* preset = nullptr;
    {
        FormChannelPreset dialog(FormChannelPreset::Purpose::Insert, destination, &main_);
        if (dialog.exec() != QDialog::Accepted)
            return;
        preset = dialog.ChosenPreset();
    }
    const BandState& band = AppDocument().band();
    if (BandFamilyName(preset->band) != band.name) {
        ShowMessageBox(tr("%1 is a %2 channel plan; this radio's band is %3 %4-%5 MHz. File > New From Preset... "
                          "makes a data file of the plan's band.")
                           .arg(preset->name, BandFamilyName(preset->band), band.name)
                           .arg(band.lowMHz)
                           .arg(band.highMHz),
                       BoxIcon::Warning);
        return;
    }
    const PresetPlacement placed = InsertPresetChannels(AppDocument(), *preset, selected);
    main_.OpenPage(ChannelPageId);
    Report(&main_, placed, preset->name);
}

bool ConfirmRuleFindings()
{
    const QStringList findings = RuleFindingLines(AppDocument().memory());
    if (findings.isEmpty())
        return true;
    QString text = QCoreApplication::translate("t40::RadioCommands", "These channels break the rules of a licence-free service:") + QLatin1Char('\n');
    for (const QString& line : findings)
        text += QStringLiteral("\n• ") + line;
    text += QStringLiteral("\n\n") + QCoreApplication::translate("t40::RadioCommands", "Write them as they are?");
    return ShowMessageBox(text, BoxIcon::Warning, BoxButtons::OkCancelSafe) == BoxAnswer::Ok;
}

} // namespace t40
