#pragma once

#include "print_report.h"
#include "printer_list.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace t40 {

// Chooses the sections of the report; OK shows it in a print preview from which
// it goes to the printer chosen in the printer setup; Export PDF saves it.
class FormPrint : public QDialog {
    Q_OBJECT
public:
    explicit FormPrint(QWidget* parent = nullptr);

    void CommandPrinterSetting_Click();
    void CommandClearAll_Click();
    void CommandSelectAll_Click();
    void CommandOK_Click();
    void CommandExportPdf_Click();
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
    QPushButton* CommandExportPdf = nullptr;
    QPushButton* CommandCancel = nullptr;
    QPushButton* CommandHelp = nullptr;

    // The report of the open image for the ticked sections.
    QString reportHtml() const;

private:
    void setAllSections(bool ticked);

    PrinterChoice printer_;
};

} // namespace t40
