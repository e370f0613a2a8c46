#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace t40 {

// The program's title, version and description.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Starts the system's information tool, or shows Qt's own information.
    void StartSysInfo();

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QFrame* Line1 = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
};

// Version text "1.0.2" of the program.
QString ApplicationVersionText();

// The system, Qt, screens and serial ports, as System Info shows them where
// the system has no information program.
QString SystemInformationText();

} // namespace t40
