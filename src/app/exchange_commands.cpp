// File > Compare With..., Import Channels... and Export Channels...: the open
// data against a data file, and the channel list as CSV.
#include "exchange_commands.h"

#include "channel_csv.h"
#include "data_file.h"
#include "document_diff.h"
#include "form_compare.h"
#include "form_import_channels.h"
#include "mdi_form_main.h"
#include "prompts.h"
#include "radio_document.h"
#include "safe_file_write.h"
#include "shared_state.h"

#include <QFile>
#include <QFileInfo>

namespace t40 {

ExchangeCommands::ExchangeCommands(MDIFormMain& main)
    : QObject(&main)
    , main_(main)
{
}

namespace {
// Far more than any channel list of any radio: a larger file is not one.
constexpr qint64 MaxCsvBytes = 4 * 1024 * 1024;

QStringList CsvFilters()
{
    return { ExchangeCommands::tr("CSV file(*.csv)"), ExchangeCommands::tr("All files(*)") };
}

// The summary after an import: what changed, and what was stored differently or left aside.
QString ImportSummary(const ChannelCsvImport& parsed, const QString& fileName)
{
    QString text = parsed.rows.empty()
        ? ExchangeCommands::tr("%1 lists no channel of this radio. Nothing has been changed.").arg(fileName)
        : ExchangeCommands::tr("Imported channels %1 from %2. The channels the file does not list are unchanged.")
              .arg(ImportedLocationList(parsed.rows), fileName);
    if (!parsed.notes.empty())
        text += QLatin1Char('\n');
    for (const CsvMessage& note : parsed.notes) {
        const QString place = CsvPlaceText(note);
        text += QStringLiteral("\n• ") + (place.isEmpty() ? QString() : place + QStringLiteral(": ")) + note.text;
    }
    return text;
}
} // namespace

void ExchangeCommands::MenuExportChannels_Click()
{
    AppDocument().commitPendingEdits();
    QString name = AppDocument().title();
    if (name.contains(u'.'))
        name = name.left(name.lastIndexOf(u'.'));
    const QString path = ShowOtherFileDialog(false, tr("Export Channels"), name + QStringLiteral(".csv"),
                                             CsvFilters(), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    QString reason;
    if (WriteFileSafely(path, ExportChannelsCsv(AppDocument()), {}, &reason) != FileWriteStatus::Ok)
        ShowMessageBox(tr("Cannot write the file %1: %2").arg(path, reason), BoxIcon::Error);
}

void ExchangeCommands::MenuImportChannels_Click()
{
    AppDocument().commitPendingEdits();
    const QString path = ShowOtherFileDialog(true, tr("Import Channels"), QString(), CsvFilters());
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        ShowMessageBox(tr("Cannot read the file %1: %2")
                           .arg(path, file.errorString().isEmpty() ? tr("not a regular file") : file.errorString()),
                       BoxIcon::Error);
        return;
    }
    const QByteArray data = file.read(MaxCsvBytes + 1);
    const QString fileName = QFileInfo(path).fileName();
    if (data.size() > MaxCsvBytes) {
        ShowMessageBox(tr("%1 is too large to be a channel list.").arg(fileName), BoxIcon::Error);
        return;
    }
    const ChannelCsvImport parsed = ParseChannelsCsv(data, AppDocument().band());
    if (!parsed.problems.empty()) {
        FormImportChannels dialog(parsed, fileName, &main_);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    // One change of the document: the rows go in together or, above, not at all.
    ApplyImportedChannels(AppDocument(), parsed.rows);
    ShowMessageBox(ImportSummary(parsed, fileName), BoxIcon::Information);
}

void ExchangeCommands::MenuCompare_Click()
{
    const QString path = ShowOtherFileDialog(true, tr("Compare With"), QString(),
                                             { tr("Radio data file(*.rdat *.dat)"),
                                               tr("All file(*.*)") },
                                             QString(), main_.currentFilePath().isEmpty() ? QString() : QFileInfo(main_.currentFilePath()).path());
    if (path.isEmpty())
        return;
    RadioImage other;
    QString reason;
    const DataFileStatus status = LoadDataFileOrImage(path, other, &reason);
    if (status == DataFileStatus::IoError) {
        ShowMessageBox(tr("Cannot read the file %1: %2").arg(path, reason), BoxIcon::Error);
        return;
    }
    if (status != DataFileStatus::Ok) {
        ShowMessageBox(tr("Error file！"), BoxIcon::Error, BoxButtons::Ok, tr("Error"));
        return;
    }
    // Text still in an editor is part of the open data.
    main_.flushChannelEdit();
    AppDocument().commitPendingEdits();
    FormCompare form(AppDocument().title(), QFileInfo(path).fileName(),
                     CompareImages(AppDocument().memory(), other), &main_);
    form.exec();
}

} // namespace t40
