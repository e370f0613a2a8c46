#pragma once

#include "print_report.h"
#include "printer_list.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
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
    // Optional lines of the report's header, kept per data file.
    QLineEdit* TextCustomer = nullptr;
    QLineEdit* TextNote = nullptr;

    // The report of the open image for the ticked sections.
    QString reportHtml() const;

private:
    void setAllSections(bool ticked);
    // Keeps the customer and note typed for this data file, for its next report.
    void rememberHeaderLines() const;

    PrinterChoice printer_;
};

} // namespace t40
