#pragma once

#include "printer_list.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace t40 {

// Lists the installed printers; the chosen printer and orientation are what
// the report is printed with. The paper controls only show the usual layout.
class FormPrinterSetting : public QDialog {
    Q_OBJECT
public:
    explicit FormPrinterSetting(QWidget* parent = nullptr);

    // The printer and orientation shown; an earlier choice is shown again.
    PrinterChoice choice() const;
    void setChoice(const PrinterChoice& choice);

    QGroupBox* FramePrinter = nullptr;
    QLabel* LabelPrinter = nullptr;
    QComboBox* ComboPrinter = nullptr;
    QLabel* LabelPrinterStatus = nullptr;
    QLabel* LabelPrinterType = nullptr;
    QLabel* LabelPrinterAddr = nullptr;
    QLabel* LabelPrinterOther = nullptr;
    QPushButton* CommandPrinter = nullptr;
    QGroupBox* FramePaper = nullptr;
    QLabel* LabelSize = nullptr;
    QComboBox* ComboSize = nullptr;
    QLabel* LabelSource = nullptr;
    QComboBox* ComboSource = nullptr;
    QGroupBox* FrameOrientation = nullptr;
    QRadioButton* OptionHorizontal = nullptr;
    QRadioButton* OptionVertical = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

private:
    void Form_Load();

    PrinterList printers_;
};

} // namespace t40
