#pragma once

#include <QObject>

namespace t40 {

class MDIFormMain;

// The main window's commands that change what it shows and how: the
// language, the panes, the page windows, the help.
class ViewCommands : public QObject {
    Q_OBJECT
public:
    explicit ViewCommands(MDIFormMain& main);

    // The language switch that follows the language dialog.
    void ApplyLanguageChange();

public slots:
    void MenuLanguage_Click();
    void MenuTree_Click();
    void MenuToolBar_Click();
    void MenuStatus_Click();
    void MenuCeng_Click();
    void MenuCloseAll_Click();
    void MenuHelpPage_Click();
    void MenuProgrammingLog_Click();
    void MenuAbout_Click();

private:
    MDIFormMain& main_;
};

} // namespace t40
