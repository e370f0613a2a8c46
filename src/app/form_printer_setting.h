#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace t40 {

// Lists the installed printers. The program prints nothing: the other
// controls only show the usual printer-setup layout.
class FormPrinterSetting : public QDialog {
    Q_OBJECT
public:
    explicit FormPrinterSetting(QWidget* parent = nullptr);

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
};

} // namespace t40
