#pragma once

#include <QObject>
#include <QString>

namespace t40 {

class MDIFormMain;

// The main window's commands that talk to the radio or the cable, and the
// port they use.
class RadioCommands : public QObject {
    Q_OBJECT
public:
    explicit RadioCommands(MDIFormMain& main);

public slots:
    void MenuRead_Click();
    void MenuWrite_Click();
    void MenuWriteMany_Click();
    void MenuDetect_Click();
    void MenuVerify_Click();
    void MenuShowChanges_Click();
    void MenuCheckCable_Click();
    void MenuPassword_Click();
    void MenuLocalMessage_Click();
    void MenuStun_Click();
    void MenuCom_Click();
    // The special-option read, then its page (from the tree).
    void runSpecialOption();

private:
    MDIFormMain& main_;
    QString ProgramPassword; // last typed in the password dialog; kept for the run only
};

} // namespace t40
