#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace t40 {

// Chooses the sections of a printout. The program defines no print output,
// so OK does nothing.
class FormPrint : public QDialog {
    Q_OBJECT
public:
    explicit FormPrint(QWidget* parent = nullptr);

    void CommandPrinterSetting_Click();
    void CommandClearAll_Click();
    void CommandSelectAll_Click();
    void CommandOK_Click();
    void CommandCancel_Click();
    void CommandHelp_Click();

    QCheckBox* CheckOption = nullptr;
    QCheckBox* CheckKeySetting = nullptr;
    QCheckBox* CheckEmbedMessage = nullptr;
    QCheckBox* CheckChannelInfo = nullptr;
    QPushButton* CommandPrinterSetting = nullptr;
    QPushButton* CommandClearAll = nullptr;
    QPushButton* CommandSelectAll = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
    QPushButton* CommandHelp = nullptr;

private:
    void setAllSections(bool ticked);
};

} // namespace t40
