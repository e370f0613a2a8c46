#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace t40 {

class RadioDocument;

// Shows the radio's production and sales record after a dealer-information
// read. A viewer: every field is disabled and nothing is written back.
class FormLocalMessage : public QDialog {
    Q_OBJECT
public:
    explicit FormLocalMessage(RadioDocument& document, QWidget* parent = nullptr);

    void Form_Load();
    void CommandClose_Click();
    void CommandHelp_Click();

    QLabel* LabelRadioType = nullptr;
    QComboBox* ComboRadioType = nullptr;
    QLabel* LabelFrequencyArea = nullptr;
    QComboBox* ComboFrequencyArea = nullptr;
    QLabel* LabelAreaCode = nullptr;
    QLineEdit* TextAreaCode = nullptr;
    QLabel* LabelSerialNumber = nullptr;
    QLineEdit* TextSerialNumber = nullptr;
    QLabel* LabelProductedDate = nullptr;
    QLineEdit* TextProductedDate = nullptr;
    QLabel* LabelManufactureCode = nullptr;
    QLineEdit* TextManufactureCode = nullptr;
    QLabel* LabelUserCode = nullptr;
    QLineEdit* TextUserCode = nullptr;
    QLabel* LabelMaintainedDate = nullptr;
    QLineEdit* TextMaintainedDate = nullptr;
    QLabel* LabelVersion = nullptr;
    QLineEdit* TextVersion = nullptr;
    QLabel* LabelMaintainedDescription = nullptr;
    QPlainTextEdit* TextMaintainedDescription = nullptr;
    QGroupBox* FrameSellerInformation = nullptr;
    QLabel* LabelDealerCode = nullptr;
    QLineEdit* TextDealerCode = nullptr;
    QLabel* LabelStockDate = nullptr;
    QLineEdit* TextStockDate = nullptr;
    QLabel* LabelSellDate = nullptr;
    QLineEdit* TextSellDate = nullptr;
    QLabel* LabelSeller = nullptr;
    QLineEdit* TextSeller = nullptr;
    QLabel* LabelWritePassword = nullptr;
    QLineEdit* TextWritePassword = nullptr;
    QPushButton* CommandWrite = nullptr;
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;

private:
    RadioDocument& document_;
    void buildControls();
    void setCaptions();
    void decode();
};

} // namespace t40
