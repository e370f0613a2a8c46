// The main window's pages: opening, closing, the page in front, and the
// commands of the tree and the toolbar that lead to them.
#include "mdi_form_main.h"

#include "command_hooks.h"
#include "file_commands.h"
#include "form_channel_edit.h"
#include "form_channel_information.h"
#include "help_topic.h"
#include "page_factories.h"
#include "page_window.h"
#include "radio_commands.h"
#include "screen_fit.h"
#include "shared_state.h"
#include "window_menu.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace t40 {

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
    if (auto* grid = qobject_cast<FormChannelInformation*>(created))
        grid->addGridMenuAction(MenuInsertPreset);
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
void MDIFormMain::MenuBank_Click() { ShowBatchChannelEdit(this); }

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
        radio_->MenuLocalMessage_Click();
    else if (key == QStringLiteral("TreeDtmf"))
        radio_->MenuStun_Click();
    else if (key == QStringLiteral("TreeSpecial"))
        radio_->runSpecialOption();
}

void MDIFormMain::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QString::fromUtf8("新建"))
        files_->MenuNew_Click();
    else if (key == QString::fromUtf8("打开"))
        files_->MenuOpen_Click();
    else if (key == QString::fromUtf8("保存"))
        files_->save(tr("Save"));
    else if (key == QString::fromUtf8("读取"))
        radio_->MenuRead_Click();
    else if (key == QString::fromUtf8("串口"))
        radio_->MenuCom_Click();
    else if (key == QString::fromUtf8("写频"))
        radio_->MenuWrite_Click();
    else if (key == QString::fromUtf8("帮助"))
        ShowHelpForActiveWindow();
}

} // namespace t40
