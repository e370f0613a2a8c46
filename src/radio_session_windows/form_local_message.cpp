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
    setWindowTitle(Lang("Local Message", "本机信息"));
    setMinimumWidth(520); // room for the caption
    LabelAreaCode->setText(Lang("Area Code", "销售区号"));
    LabelManufactureCode->setText(Lang("Manufacture Code", "生产批号"));
    LabelUserCode->setText(Lang("User Code", "客户代码"));
    LabelRadioType->setText(Lang("Radio Typye", "机型"));
    LabelFrequencyArea->setText(Lang("Frequency Area", "频段"));
    LabelSerialNumber->setText(Lang("Serial Number", "序列号"));
    LabelProductedDate->setText(Lang("Producted Date", "出厂日期"));
    LabelMaintainedDate->setText(Lang("Maintained Date", "维修日期"));
    LabelVersion->setText(Lang("Version", "固件版本"));
    LabelMaintainedDescription->setText(Lang("Maintained Description", "维修原因"));
    FrameSellerInformation->setTitle(Lang("Seller Information", "销售商信息"));
    LabelDealerCode->setText(Lang("Dealer Code", "经销商代码"));
    LabelStockDate->setText(Lang("Stock Date", "入库时间"));
    LabelSellDate->setText(Lang("Sell Date", "销售时间"));
    LabelSeller->setText(Lang("Seller", "经手人"));
    CommandClose->setText(Lang("&Close", "关闭(&C)"));
    CommandHelp->setText(Lang("&Help", "帮助(&H)"));
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
