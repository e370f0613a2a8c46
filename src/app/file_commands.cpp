// File > New, Open, Open Backup, Save, Save As, Print, Exit and Model > Model
// Information: the commands that put data into the document or keep it.
#include "file_commands.h"

#include "command_hooks.h"
#include "data_file.h"
#include "form_model_information.h"
#include "mdi_form_main.h"
#include "prompts.h"
#include "radio_band.h"
#include "read_backups.h"
#include "shared_state.h"
#include "window_menu.h"

#include <QDir>
#include <QFileInfo>
#include <QScopedValueRollback>

namespace t40 {

FileCommands::FileCommands(MDIFormMain& main)
    : QObject(&main)
    , main_(main)
{
}

bool FileCommands::maybeSave()
{
    if (!AppDocument().isModified())
        return true;
    const QScopedValueRollback asking(askingToSave_, true);
    switch (ShowMessageBox(tr("Save changes to %1?").arg(AppDocument().title()),
                           BoxIcon::Warning, BoxButtons::SaveDiscardCancel)) {
    case BoxAnswer::Save:
        return save(tr("Save"));
    case BoxAnswer::Discard:
        return true;
    default:
        return false;
    }
}

void FileCommands::startFreshHistory()
{
    AppDocument().clearHistory();
    AppDocument().setModified(false);
}

void FileCommands::MenuNew_Click()
{
    // An edit still open in the grid belongs to the data being replaced.
    main_.flushChannelEdit();
    if (!maybeSave())
        return;
    {
        const RadioDocument::Unrecorded fresh(AppDocument());
        main_.loadTemplate();
        // The new data belongs to no file yet: Save must not overwrite the last one.
        CurrentFilePath.clear();
        AppDocument().setPath(QString(), QStringLiteral("new.rdat"));
        main_.CloseAllPages();
        main_.OpenPage(ChannelPageId);
    }
    startFreshHistory();
}

void FileCommands::MenuOpen_Click()
{
    openDataFile(tr("Open"), QString());
}

// The file dialog starts in the folder where every whole read is kept.
void FileCommands::MenuOpenBackup_Click()
{
    QDir().mkpath(ReadBackupFolder());
    openDataFile(tr("Open Backup"), ReadBackupFolder());
}

void FileCommands::openDataFile(const QString& title, const QString& folder)
{
    main_.flushChannelEdit();
    if (!maybeSave())
        return;
    const QString previousPath = CurrentFilePath;
    const QString previousTitle = AppDocument().title();
    const auto restore = [&] {
        CurrentFilePath = previousPath;
        AppDocument().setPath(previousPath, previousTitle);
    };
    CurrentFilePath = ShowFileDialog(QStringLiteral("OPEN"), title, QString(), folder);
    if (CurrentFilePath.isEmpty()) {
        restore();
        return;
    }
    AppDocument().setPath(CurrentFilePath, QFileInfo(CurrentFilePath).fileName());
    if (ShowMessageBox(tr("Do you want to cover current data?"), BoxIcon::Warning,
                       BoxButtons::OkCancel)
        != BoxAnswer::Ok) {
        // Declined: the current data still belongs to the previous file.
        restore();
        return;
    }
    if (!loadDataFile(CurrentFilePath))
        restore(); // a rejected file must not become the target of the next Save
}

// A data file named on the command line or opened from the file manager:
// the save question as File > Open asks it, then the file.
void FileCommands::OpenDataFile(const QString& path)
{
    main_.flushChannelEdit();
    if (!maybeSave())
        return;
    const QString previousPath = CurrentFilePath;
    const QString previousTitle = AppDocument().title();
    CurrentFilePath = path;
    AppDocument().setPath(path, QFileInfo(path).fileName());
    if (!loadDataFile(path)) {
        CurrentFilePath = previousPath;
        AppDocument().setPath(previousPath, previousTitle);
    }
}

bool FileCommands::loadDataFile(const QString& path)
{
    QString reason;
    RadioImage memory = AppDocument().memory();
    const DataFileStatus status = LoadDataFile(path, memory, &reason);
    if (status == DataFileStatus::Ok) {
        {
            const RadioDocument::Unrecorded fresh(AppDocument());
            AppDocument().replaceImage(memory, false);
            // The file's model block decides the band, as after a read.
            main_.AnalyseModel();
            AppDocument().applyBandExtensionAfterRead();
            main_.CloseAllPages();
            main_.OpenPage(ChannelPageId);
        }
        startFreshHistory();
        return true;
    }
    if (status == DataFileStatus::IoError)
        ShowMessageBox(tr("Cannot read the file %1: %2").arg(path, reason), BoxIcon::Error);
    else
        ShowMessageBox(tr("Error file！"), BoxIcon::Error, BoxButtons::Ok, tr("Error"));
    return false;
}

bool FileCommands::writeFile(const QString& path)
{
    QString reason;
    switch (SaveDataFile(path, AppDocument().memory(), &reason)) {
    case DataFileStatus::Ok:
        return true;
    case DataFileStatus::NotRegularFile:
        reason = tr("it is not a regular file (a device, a pipe or a folder); choose another name");
        break;
    case DataFileStatus::OtherOwner:
        reason = tr("it belongs to another user; save it under another name");
        break;
    case DataFileStatus::ReadOnly:
        // As editors do: the protected file stays, and the data can go under another name.
        if (ShowMessageBox(tr("The file %1 is read-only. Save the data under another name?").arg(path),
                           BoxIcon::Warning, BoxButtons::OkCancel)
            == BoxAnswer::Ok)
            return saveAs();
        return false;
    case DataFileStatus::UnsafeLink:
        reason = tr("it is a link that another user made in a shared folder, or a loop of links; choose another name");
        break;
    default:
        break;
    }
    ShowMessageBox(tr("Cannot write the file %1: %2").arg(path, reason), BoxIcon::Error);
    return false;
}

bool FileCommands::save(const QString& dialogTitle)
{
    main_.flushChannelEdit();
    if (CurrentFilePath.isEmpty()) {
        CurrentFilePath = ShowFileDialog(QStringLiteral("Save"), dialogTitle, AppDocument().title());
        if (CurrentFilePath.isEmpty())
            return false;
        AppDocument().setPath(CurrentFilePath, QFileInfo(CurrentFilePath).fileName());
    }
    if (!writeFile(CurrentFilePath))
        return false;
    AppDocument().setModified(false);
    return true;
}

void FileCommands::MenuSave_Click()
{
    save(tr("Save"));
}

void FileCommands::MenuSaveAs_Click()
{
    saveAs();
}

bool FileCommands::saveAs()
{
    main_.flushChannelEdit();
    const QString previousPath = CurrentFilePath;
    const QString previousTitle = AppDocument().title();
    CurrentFilePath = ShowFileDialog(QStringLiteral("Save"), tr("Save As"), QString());
    if (CurrentFilePath.isEmpty()) {
        CurrentFilePath = previousPath;
        return false;
    }
    AppDocument().setPath(CurrentFilePath, QFileInfo(CurrentFilePath).fileName());
    if (!writeFile(CurrentFilePath)) {
        CurrentFilePath = previousPath;
        AppDocument().setPath(previousPath, previousTitle);
        return false;
    }
    AppDocument().setModified(false);
    return true;
}

void FileCommands::MenuPrint_Click()
{
    main_.flushChannelEdit();
    ShowPrintDialog(&main_);
}

void FileCommands::MenuExit_Click() { main_.close(); }

void FileCommands::MenuModelInformation_Click()
{
    std::optional<BandState> chosen;
    {
        FormModelInformation dialog(&main_);
        dialog.exec();
        chosen = dialog.ChosenBand();
    }
    if (!chosen)
        return;
    main_.flushChannelEdit();
    if (!maybeSave())
        return;
    const RadioDocument::Step step(AppDocument(), StepNames::ChangeModel());
    main_.loadTemplate();
    StoreModel(AppDocument(), *chosen);
    main_.CloseAllPages();
    main_.OpenPage(ChannelPageId);
}

} // namespace t40
