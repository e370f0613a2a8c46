#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace t40 {

// Lists the serial ports that can be opened and stores the chosen one.
class FormComPort : public QDialog {
    Q_OBJECT
public:
    explicit FormComPort(QWidget* parent = nullptr);

    void CommandOK_Click();
    void CommandCancel_Click();

    QLabel* LabelComPort = nullptr;
    QComboBox* ComboComPort = nullptr;
    // "Cable lines": whether DTR and RTS are asserted while the port is open.
    QGroupBox* FrameCableLines = nullptr;
    QCheckBox* CheckDtr = nullptr;
    QCheckBox* CheckRts = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

} // namespace t40
