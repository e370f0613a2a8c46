#include "form_printer_setting.h"

#include "button_row.h"
#include "printer_list.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace t40 {

FormPrinterSetting::FormPrinterSetting(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Print Setup"));

    FramePrinter = new QGroupBox(tr("Printer"), this);
    LabelPrinter = new QLabel(tr("&Name"), FramePrinter);
    ComboPrinter = new QComboBox(FramePrinter);
    ComboPrinter->setMinimumWidth(300);
    LabelPrinter->setBuddy(ComboPrinter);
    CommandPrinter = new QPushButton(tr("Properties"), FramePrinter);
    LabelPrinterStatus = new QLabel(tr("Status"), FramePrinter);
    LabelPrinterType = new QLabel(tr("Type"), FramePrinter);
    LabelPrinterAddr = new QLabel(tr("Where"), FramePrinter);
    LabelPrinterOther = new QLabel(tr("Comment"), FramePrinter);
    auto* printer = new QGridLayout(FramePrinter);
    printer->addWidget(LabelPrinter, 0, 0);
    printer->addWidget(ComboPrinter, 0, 1);
    printer->addWidget(CommandPrinter, 0, 2);
    printer->addWidget(LabelPrinterStatus, 1, 0, 1, 3);
    printer->addWidget(LabelPrinterType, 2, 0, 1, 3);
    printer->addWidget(LabelPrinterAddr, 3, 0, 1, 3);
    printer->addWidget(LabelPrinterOther, 4, 0, 1, 3);
    printer->setColumnStretch(1, 1);

    FramePaper = new QGroupBox(tr("Paper"), this);
    LabelSize = new QLabel(tr("Si&ze:"), FramePaper);
    ComboSize = new QComboBox(FramePaper);
    LabelSize->setBuddy(ComboSize);
    LabelSource = new QLabel(tr("&Source"), FramePaper);
    ComboSource = new QComboBox(FramePaper);
    LabelSource->setBuddy(ComboSource);
    auto* paper = new QGridLayout(FramePaper);
    paper->addWidget(LabelSize, 0, 0);
    paper->addWidget(ComboSize, 0, 1);
    paper->addWidget(LabelSource, 1, 0);
    paper->addWidget(ComboSource, 1, 1);
    paper->setColumnStretch(1, 1);

    FrameOrientation = new QGroupBox(tr("Orientation"), this);
    OptionHorizontal = new QRadioButton(tr("L&andscape"), FrameOrientation);
    OptionVertical = new QRadioButton(tr("Po&rtrait"), FrameOrientation);
    OptionVertical->setChecked(true);
    auto* orientation = new QVBoxLayout(FrameOrientation);
    orientation->addWidget(OptionVertical);
    orientation->addWidget(OptionHorizontal);

    CommandOK = new QPushButton(tr("&OK"), this);
    CommandCancel = new QPushButton(tr("&Cancel"), this);

    auto* lower = new QHBoxLayout;
    lower->addWidget(FramePaper, 1);
    lower->addWidget(FrameOrientation);
    auto* buttons = ButtonRow({ CommandOK, CommandCancel });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FramePrinter);
    layout->addLayout(lower);
    layout->addLayout(buttons);

    connect(CommandOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);

    Form_Load();
}

void FormPrinterSetting::Form_Load()
{
    printers_ = InstalledPrinters();
    ComboPrinter->clear();
    ComboPrinter->addItems(PrinterEntries(printers_));
    ComboPrinter->setCurrentIndex(DefaultPrinterEntry(printers_));
}

PrinterChoice FormPrinterSetting::choice() const
{
    const int i = ComboPrinter->currentIndex();
    return { i >= 0 && i < printers_.printers.size() ? printers_.printers.at(i).device : QString(),
             OptionHorizontal->isChecked() };
}

void FormPrinterSetting::setChoice(const PrinterChoice& choice)
{
    for (int i = 0; i < printers_.printers.size(); ++i)
        if (printers_.printers.at(i).device == choice.device)
            ComboPrinter->setCurrentIndex(i);
    (choice.landscape ? OptionHorizontal : OptionVertical)->setChecked(true);
}

} // namespace t40
