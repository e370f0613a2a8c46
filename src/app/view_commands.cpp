// Setting > Set Language; View > Tree View, Toolbar, Statusbar; Window >
// Cascade, Close All Windows; Help > Help Topics, Programming Log, About.
#include "view_commands.h"

#include "form_language.h"
#include "form_programming_log.h"
#include "frm_about.h"
#include "help_topic.h"
#include "interface_language.h"
#include "mdi_form_main.h"
#include "shared_state.h"

#include <QAction>
#include <QMdiArea>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

namespace t40 {

ViewCommands::ViewCommands(MDIFormMain& main)
    : QObject(&main)
    , main_(main)
{
}

void ViewCommands::MenuLanguage_Click()
{
    {
        FormLanguage dialog(&main_);
        dialog.exec();
    }
    ApplyLanguageChange();
}

void ViewCommands::ApplyLanguageChange()
{
    if (!State().LanguageChanged)
        return;
    // Text still in an editor goes into its data first; every open window
    // then retranslates itself.
    main_.flushChannelEdit();
    SetInterfaceLanguage(InterfaceLanguage());
    main_.LanguageRefresh();
    main_.TreeView1->expandAll();
    main_.LayoutTreePane(qMax(main_.splitterTwips(), main_.treeTwipsNeeded()));
    main_.setWindowTitle(main_.markedTitleText());
    State().LanguageChanged = false;
}

void ViewCommands::MenuTree_Click()
{
    const bool show = !main_.MenuTree->isChecked();
    main_.MenuTree->setChecked(show);
    main_.PictureTree->setVisible(show);
    main_.LayoutTreePane(main_.splitterTwips());
}

void ViewCommands::MenuToolBar_Click()
{
    const bool show = !main_.MenuToolBar->isChecked();
    main_.MenuToolBar->setChecked(show);
    main_.Toolbar1->setVisible(show);
}

void ViewCommands::MenuStatus_Click()
{
    const bool show = !main_.MenuStatus->isChecked();
    main_.MenuStatus->setChecked(show);
    main_.StatusBar1->setVisible(show);
}

void ViewCommands::MenuCeng_Click() { main_.MdiArea->cascadeSubWindows(); }
void ViewCommands::MenuCloseAll_Click() { main_.CloseAllPages(); }

void ViewCommands::MenuHelpPage_Click() { ShowHelpTopic(QStringLiteral("general.htm")); }

void ViewCommands::MenuProgrammingLog_Click()
{
    FormProgrammingLog log(&main_);
    log.exec();
}

void ViewCommands::MenuAbout_Click()
{
    frmAbout about(&main_);
    about.exec();
}

} // namespace t40
