#include "form_local_message.h"

#include "button_row.h"
#include "help_topic.h"
#include "page_settings.h"
#include "shared_state.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace t40 {

namespace {
QLineEdit* AddField(QGridLayout* grid, int row, int column, QLabel*& label, QWidget* parent)
{
    label = new QLabel(parent);
    auto* edit = new QLineEdit(parent);
    grid->addWidget(label, row, column);
    grid->addWidget(edit, row, column + 1);
    return edit;
}
} // namespace

FormLocalMessage::FormLocalMessage(RadioDocument& document, QWidget* parent)
    : QDialog(parent)
    , document_(document)
{
    Form_Load();
}

void FormLocalMessage::buildControls()
{
    auto* fields = new QGridLayout;
    LabelRadioType = new QLabel(this);
    ComboRadioType = new QComboBox(this);
    fields->addWidget(LabelRadioType, 0, 0);
    fields->addWidget(ComboRadioType, 0, 1);
    LabelFrequencyArea = new QLabel(this);
    ComboFrequencyArea = new QComboBox(this);
    fields->addWidget(LabelFrequencyArea, 0, 2);
    fields->addWidget(ComboFrequencyArea, 0, 3);
    TextSerialNumber = AddField(fields, 1, 0, LabelSerialNumber, this);
    TextVersion = AddField(fields, 1, 2, LabelVersion, this);
    TextProductedDate = AddField(fields, 2, 0, LabelProductedDate, this);
    TextMaintainedDate = AddField(fields, 2, 2, LabelMaintainedDate, this);
    TextAreaCode = AddField(fields, 3, 0, LabelAreaCode, this);
    TextManufactureCode = AddField(fields, 3, 2, LabelManufactureCode, this);
    TextUserCode = AddField(fields, 4, 0, LabelUserCode, this);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    LabelMaintainedDescription = new QLabel(this);
    TextMaintainedDescription = new QPlainTextEdit(this);
    TextMaintainedDescription->setFixedHeight(70);

    FrameSellerInformation = new QGroupBox(this);
    auto* seller = new QGridLayout(FrameSellerInformation);
    TextDealerCode = AddField(seller, 0, 0, LabelDealerCode, FrameSellerInformation);
    TextSeller = AddField(seller, 0, 2, LabelSeller, FrameSellerInformation);
    TextStockDate = AddField(seller, 1, 0, LabelStockDate, FrameSellerInformation);
    TextSellDate = AddField(seller, 1, 2, LabelSellDate, FrameSellerInformation);
    seller->setColumnStretch(1, 1);
    seller->setColumnStretch(3, 1);

    // Present on the form but never shown: the record is not written back.
    LabelWritePassword = new QLabel(this);
    LabelWritePassword->hide();
    TextWritePassword = new QLineEdit(this);
    TextWritePassword->setEchoMode(QLineEdit::Password);
    TextWritePassword->hide();
    CommandWrite = new QPushButton(this);
    CommandWrite->hide();

    CommandClose = new QPushButton(this);
    CommandHelp = new QPushButton(this);
    connect(CommandClose, &QPushButton::clicked, this, &FormLocalMessage::CommandClose_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &FormLocalMessage::CommandHelp_Click);

    // The buttons close up: only Close and Help stand in the row.
    auto* buttons = ButtonRow({ CommandClose, CommandHelp });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(LabelMaintainedDescription);
    layout->addWidget(TextMaintainedDescription);
    layout->addWidget(FrameSellerInformation);
    layout->addLayout(buttons);
}

void FormLocalMessage::setCaptions()
{
    setWindowTitle(tr("Local Message"));
    setMinimumWidth(520); // room for the caption
    LabelAreaCode->setText(tr("Area Code"));
    LabelManufactureCode->setText(tr("Manufacture Code"));
    LabelUserCode->setText(tr("User Code"));
    LabelRadioType->setText(tr("Radio Typye"));
    LabelFrequencyArea->setText(tr("Frequency Area"));
    LabelSerialNumber->setText(tr("Serial Number"));
    LabelProductedDate->setText(tr("Producted Date"));
    LabelMaintainedDate->setText(tr("Maintained Date"));
    LabelVersion->setText(tr("Version"));
    LabelMaintainedDescription->setText(tr("Maintained Description"));
    FrameSellerInformation->setTitle(tr("Seller Information"));
    LabelDealerCode->setText(tr("Dealer Code"));
    LabelStockDate->setText(tr("Stock Date"));
    LabelSellDate->setText(tr("Sell Date"));
    LabelSeller->setText(tr("Seller"));
    CommandClose->setText(tr("&Close"));
    CommandHelp->setText(tr("&Help"));
}

void FormLocalMessage::decode()
{
    const DealerRecord record = ReadDealerRecord(document_);
    ComboRadioType->addItems(DealerModelNames());
    ComboRadioType->setCurrentIndex(DealerModelIndex(record.modelName));
    ComboFrequencyArea->addItems(FrequencyAreaNames());
    ComboFrequencyArea->setCurrentIndex(record.frequencyArea);
    TextAreaCode->setText(record.areaCode);
    TextSerialNumber->setText(record.serialNumber);
    TextProductedDate->setText(record.productionDate);
    TextManufactureCode->setText(record.manufactureCode);
    TextUserCode->setText(record.userCode);
    TextMaintainedDate->setText(record.maintenanceDate);
    TextDealerCode->setText(record.dealerCode);
    TextStockDate->setText(record.stockDate);
    TextSellDate->setText(record.sellDate);
    TextSeller->setText(record.seller);
    TextMaintainedDescription->setPlainText(record.maintenanceDescription);
    TextVersion->setText(ReadFirmwareVersion(document_, State().DecimalSeparator));
}

void FormLocalMessage::Form_Load()
{
    buildControls();
    setCaptions();
    decode();
    for (QWidget* field : std::initializer_list<QWidget*> {
             ComboRadioType, ComboFrequencyArea, TextAreaCode, TextSerialNumber, TextProductedDate,
             TextManufactureCode, TextUserCode, TextMaintainedDate, TextVersion, TextMaintainedDescription,
             TextDealerCode, TextStockDate, TextSellDate, TextSeller })
        field->setEnabled(false);
    CommandClose->setDefault(true);
}

void FormLocalMessage::CommandClose_Click()
{
    accept();
}

void FormLocalMessage::CommandHelp_Click()
{
    ShowHelpTopic(QStringLiteral("Local/Local.htm"));
}

} // namespace t40
