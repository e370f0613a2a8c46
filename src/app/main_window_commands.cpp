// The main window's commands: files, pages, radio, settings, view, window.
#include "mdi_form_main.h"

#include "band_extension.h"
#include "band_table.h"
#include "command_hooks.h"
#include "data_file.h"
#include "document_history.h"
#include "form_channel_edit.h"
#include "form_com_port.h"
#include "form_check_cable.h"
#include "form_detect_radio.h"
#include "form_programming_log.h"
#include "form_language.h"
#include "form_model_information.h"
#include "frm_about.h"
#include "help_topic.h"
#include "page_factories.h"
#include "page_window.h"
#include "prompts.h"
#include "interface_language.h"
#include "read_backups.h"
#include "screen_fit.h"
#include "reg_keys.h"
#include "shared_state.h"
#include "window_menu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

namespace t40 {

// ---- pages ----

PageWindow* MDIFormMain::page(int pageId) const
{
    for (PageWindow* p : openPages())
        if (p->pageId() == pageId)
            return p;
    return nullptr;
}

QList<PageWindow*> MDIFormMain::openPages() const
{
    QList<PageWindow*> pages;
    for (QMdiSubWindow* sub : MdiArea->subWindowList())
        if (auto* p = qobject_cast<PageWindow*>(sub->widget()); p && !sub->isHidden())
            pages.append(p);
    return pages;
}

void MDIFormMain::unloadTunePage()
{
    if (PageWindow* tune = page(TunePageId))
        tune->closePage();
}

void MDIFormMain::OpenPage(int pageId)
{
    unloadTunePage();
    if (PageWindow* open = page(pageId)) {
        BringPageToFront(open);
        return;
    }
    // What a page writes while it decodes on opening is no edit of the user's.
    const RadioDocument::Unrecorded decoding(AppDocument());
    PageWindow* created = CreatePage(pageId);
    if (!created)
        return;
    connect(created, &PageWindow::radioRead, this, &MDIFormMain::afterRadioRead);
    // The size the page gave itself on load; the sub-window is fitted around it.
    const QSize pageSize = created->testAttribute(Qt::WA_Resized) ? created->size() : QSize();
    QMdiSubWindow* sub = MdiArea->addSubWindow(created);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(created->windowIcon().isNull() ? windowIcon() : created->windowIcon());
    const bool mainPage = pageId == ChannelPageId || pageId == OptionPageId || pageId == KeyPageId;
    if (mainPage) {
        // A page minimised last opens the next one normal.
        if (State().ChildWindowState == 2)
            sub->showMaximized();
        else
            sub->showNormal();
    } else {
        sub->show();
    }
    if (pageSize.isValid() && !sub->isMaximized()) {
        const QSize frame = sub->size() - created->size();
        QSize wanted = pageSize + frame;
        if (MdiArea->isVisible())
            wanted = wanted.boundedTo(MdiArea->viewport()->size());
        sub->resize(wanted);
    }
    if (!mainPage)
        MdiArea->cascadeSubWindows();
    FitToArea(sub);
    MdiArea->setActiveSubWindow(sub);
    CheckPageItem(pageId);
}

void MDIFormMain::CloseAllPages()
{
    for (QMdiSubWindow* sub : MdiArea->subWindowList()) {
        sub->close();
        MdiArea->removeSubWindow(sub);
        sub->deleteLater();
    }
}

void MDIFormMain::flushChannelEdit()
{
    // Text still in an editor (the grid's cell, a message line, a box of the
    // channel editor) goes into the data it was typed for, before anything
    // reads that data or puts other data in its place.
    for (PageWindow* p : openPages())
        p->FreshData();
    if (FormChannelEdit* editor = FormChannelEdit::Instance())
        editor->commitOpenEdit();
}

void MDIFormMain::afterRadioRead()
{
    AnalyseModel();
    for (int id = ChannelPageId; id <= TunePageId; ++id)
        if (PageWindow* p = page(id))
            p->RefreshAfterRead();
}

void MDIFormMain::AnalyseModel()
{
    AppDocument().analyseBand();
}

void MDIFormMain::refreshAfterRestore()
{
    for (PageWindow* p : openPages())
        p->RefreshAfterRead();
    setWindowTitle(markedTitleText());
}

void MDIFormMain::showPageCommands()
{
    for (const QPointer<QAction>& action : pageCommands_)
        if (action)
            MenuEdit->removeAction(action);
    pageCommands_.clear();
    const QMdiSubWindow* front = MdiArea->currentSubWindow();
    if (const auto* p = front ? qobject_cast<const PageWindow*>(front->widget()) : nullptr)
        for (QAction* action : p->commandActions())
            pageCommands_.append(action);
    for (const QPointer<QAction>& action : pageCommands_)
        MenuEdit->insertAction(pageCommandsEnd_, action);
    pageCommandsEnd_->setVisible(!pageCommands_.isEmpty());
}

void MDIFormMain::MenuChannel_Click() { OpenPage(ChannelPageId); }
void MDIFormMain::MenuOption_Click() { OpenPage(OptionPageId); }
void MDIFormMain::MenuKey_Click() { OpenPage(KeyPageId); }
void MDIFormMain::MenuScan_Click() { OpenPage(ScanPageId); }
void MDIFormMain::MenuMessage_Click() { OpenPage(MessagePageId); }

void MDIFormMain::TreeView1_NodeClick(const QString& key)
{
    unloadTunePage();
    if (key == QStringLiteral("TreeChannelInforamtion"))
        OpenPage(ChannelPageId);
    else if (key == QStringLiteral("TreeOption"))
        OpenPage(OptionPageId);
    else if (key == QStringLiteral("TreeKey"))
        OpenPage(KeyPageId);
    else if (key == QStringLiteral("TreeScan"))
        OpenPage(ScanPageId);
    else if (key == QStringLiteral("TreeMessage"))
        OpenPage(MessagePageId);
    else if (key == QStringLiteral("TreeTuneData"))
        OpenPage(TunePageId);
    else if (key == QStringLiteral("TreeLocalMessage"))
        RunDealerInformation(this, [this] { afterRadioRead(); });
    else if (key == QStringLiteral("TreeDtmf"))
        RunStunKill(this, [this] { afterRadioRead(); });
    else if (key == QStringLiteral("TreeSpecial"))
        RunSpecialOption(this, [this] { afterRadioRead(); });
}

// ---- files ----

bool MDIFormMain::maybeSave()
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

void MDIFormMain::startFreshHistory()
{
    AppDocument().clearHistory();
    AppDocument().setModified(false);
}

void MDIFormMain::MenuNew_Click()
{
    // An edit still open in the grid belongs to the data being replaced.
    flushChannelEdit();
    if (!maybeSave())
        return;
    {
        const RadioDocument::Unrecorded fresh(AppDocument());
        loadTemplate();
        // The new data belongs to no file yet: Save must not overwrite the last one.
        CurrentFilePath.clear();
        AppDocument().setPath(QString(), QStringLiteral("new.rdat"));
        CloseAllPages();
        OpenPage(ChannelPageId);
    }
    startFreshHistory();
}

void MDIFormMain::MenuOpen_Click()
{
    openDataFile(tr("Open"), QString());
}

// The file dialog starts in the folder where every whole read is kept.
void MDIFormMain::MenuOpenBackup_Click()
{
    QDir().mkpath(ReadBackupFolder());
    openDataFile(tr("Open Backup"), ReadBackupFolder());
}

void MDIFormMain::openDataFile(const QString& title, const QString& folder)
{
    flushChannelEdit();
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
void MDIFormMain::OpenDataFile(const QString& path)
{
    flushChannelEdit();
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

bool MDIFormMain::loadDataFile(const QString& path)
{
    QString reason;
    RadioImage memory = AppDocument().memory();
    const DataFileStatus status = LoadDataFile(path, memory, &reason);
    if (status == DataFileStatus::Ok) {
        {
            const RadioDocument::Unrecorded fresh(AppDocument());
            AppDocument().replaceImage(memory, false);
            // The file's model block decides the band, as after a read.
            AnalyseModel();
            AppDocument().applyBandExtensionAfterRead();
            CloseAllPages();
            OpenPage(ChannelPageId);
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

bool MDIFormMain::writeFile(const QString& path)
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

bool MDIFormMain::save(const QString& dialogTitle)
{
    flushChannelEdit();
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

void MDIFormMain::MenuSave_Click()
{
    save(tr("Save"));
}

void MDIFormMain::MenuSaveAs_Click()
{
    saveAs();
}

bool MDIFormMain::saveAs()
{
    flushChannelEdit();
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

void MDIFormMain::MenuPrint_Click()
{
    flushChannelEdit();
    ShowPrintDialog(this);
}

void MDIFormMain::MenuExit_Click() { close(); }

// ---- model ----

void MDIFormMain::MenuModelInformation_Click()
{
    std::optional<BandState> chosen;
    {
        FormModelInformation dialog(this);
        dialog.exec();
        chosen = dialog.ChosenBand();
    }
    if (!chosen)
        return;
    flushChannelEdit();
    if (!maybeSave())
        return;
    const RadioDocument::Step step(AppDocument(), StepNames::ChangeModel());
    loadTemplate();
    const ModelBytes bytes = ModelBytesForBand(chosen->lowMHz, chosen->highMHz);
    AppDocument().setValue(FieldId::ModelFamily, bytes.family);
    AppDocument().setValue(FieldId::ModelBandCode, bytes.code);
    AppDocument().setBand(*chosen);
    CloseAllPages();
    OpenPage(ChannelPageId);
}

// ---- radio ----

void MDIFormMain::MenuRead_Click()
{
    flushChannelEdit();
    if (!maybeSave())
        return;
    ShowProgrammingSession(this, true, ProgramPassword, [this] { afterRadioRead(); });
}

void MDIFormMain::MenuWrite_Click()
{
    flushChannelEdit();
    if (!confirmRuleFindings())
        return;
    ShowProgrammingSession(this, false, ProgramPassword, [this] { afterRadioRead(); });
}

void MDIFormMain::MenuWriteMany_Click()
{
    flushChannelEdit();
    if (!confirmRuleFindings())
        return;
    ShowWriteMany(this);
}

void MDIFormMain::MenuDetect_Click()
{
    {
        FormDetectRadio dialog(this);
        dialog.exec();
    }
    StatusPanels.at(1)->setText(portPanelText());
}

void MDIFormMain::MenuVerify_Click()
{
    const bool on = !State().VerifyAfterWrite;
    State().VerifyAfterWrite = on;
    MenuVerify->setChecked(on);
    RegWriteString(RegHive::LocalMachine, AppRegistryKey, VerifyAfterWriteValue,
                   on ? QStringLiteral("True") : QStringLiteral("False"));
}

void MDIFormMain::MenuShowChanges_Click()
{
    const bool on = !State().ShowChangesBeforeWrite;
    State().ShowChangesBeforeWrite = on;
    MenuShowChanges->setChecked(on);
    RegWriteString(RegHive::LocalMachine, AppRegistryKey, ShowChangesBeforeWriteValue,
                   on ? QStringLiteral("True") : QStringLiteral("False"));
}

void MDIFormMain::MenuCheckCable_Click()
{
    FormCheckCable dialog(this);
    dialog.exec();
}

void MDIFormMain::MenuPassword_Click() { ShowPasswordDialog(this, ProgramPassword); }
void MDIFormMain::MenuLocalMessage_Click() { RunDealerInformation(this, [this] { afterRadioRead(); }); }
void MDIFormMain::MenuStun_Click() { RunStunKill(this, [this] { afterRadioRead(); }); }
void MDIFormMain::MenuBank_Click() { ShowBatchChannelEdit(this); }

// ---- settings ----

void MDIFormMain::MenuCom_Click()
{
    {
        FormComPort dialog(this);
        dialog.exec();
    }
    StatusPanels.at(1)->setText(portPanelText());
}

void MDIFormMain::MenuLanguage_Click()
{
    {
        FormLanguage dialog(this);
        dialog.exec();
    }
    ApplyLanguageChange();
}

void MDIFormMain::ApplyLanguageChange()
{
    if (!State().LanguageChanged)
        return;
    // Text still in an editor goes into its data first; every open window
    // then retranslates itself.
    flushChannelEdit();
    SetInterfaceLanguage(InterfaceLanguage());
    LanguageRefresh();
    TreeView1->expandAll();
    LayoutTreePane(qMax(splitterTwips(), treeTwipsNeeded()));
    setWindowTitle(markedTitleText());
    State().LanguageChanged = false;
}

// ---- view and window ----

void MDIFormMain::MenuTree_Click()
{
    const bool show = !MenuTree->isChecked();
    MenuTree->setChecked(show);
    PictureTree->setVisible(show);
    LayoutTreePane(splitterTwips());
}

void MDIFormMain::MenuToolBar_Click()
{
    const bool show = !MenuToolBar->isChecked();
    MenuToolBar->setChecked(show);
    Toolbar1->setVisible(show);
}

void MDIFormMain::MenuStatus_Click()
{
    const bool show = !MenuStatus->isChecked();
    MenuStatus->setChecked(show);
    StatusBar1->setVisible(show);
}

void MDIFormMain::MenuCeng_Click() { MdiArea->cascadeSubWindows(); }
void MDIFormMain::MenuCloseAll_Click() { CloseAllPages(); }

void MDIFormMain::MenuHelpPage_Click() { ShowHelpTopic(QStringLiteral("general.htm")); }

void MDIFormMain::MenuProgrammingLog_Click()
{
    FormProgrammingLog log(this);
    log.exec();
}

void MDIFormMain::MenuAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

void MDIFormMain::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QString::fromUtf8("新建"))
        MenuNew_Click();
    else if (key == QString::fromUtf8("打开"))
        MenuOpen_Click();
    else if (key == QString::fromUtf8("保存"))
        save(tr("Save"));
    else if (key == QString::fromUtf8("读取"))
        MenuRead_Click();
    else if (key == QString::fromUtf8("串口"))
        MenuCom_Click();
    else if (key == QString::fromUtf8("写频"))
        MenuWrite_Click();
    else if (key == QString::fromUtf8("帮助"))
        ShowHelpForActiveWindow();
}

} // namespace t40
