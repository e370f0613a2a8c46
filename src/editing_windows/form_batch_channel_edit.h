#pragma once

#include "batch_fill.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace t40 {

enum class FrequencyField;

class RadioDocument;

// Fills a range of channels at once: stepped frequencies, stepped or random
// codes and fixed flags, optionally clearing the channels outside the range.
class FormBatchChannelEdit : public QDialog {
    Q_OBJECT
public:
    explicit FormBatchChannelEdit(RadioDocument& document, QWidget* parent = nullptr);
    ~FormBatchChannelEdit() override;

    // Help context of the panel on show.
    static constexpr int ValuesHelpContext = 74;
    static constexpr int SelectionHelpContext = 75;
    int HelpContextID = ValuesHelpContext;

    void OptionArea_Click(int index);
    void TextStartChannel_LostFocus();
    void TextEndChannel_LostFocus();
    void TextRxStartFreq_LostFocus();
    void TextTxStartFreq_LostFocus();
    void TextRxStep_LostFocus();
    void TextTxStep_LostFocus();
    void TextTxOffset_LostFocus();
    void TextDecodeStep_LostFocus();
    void TextEncodeStep_LostFocus();
    void OptionTx_Click();
    void CheckDecodeRandom_Click();
    void CheckEncodeDefault_Click();
    void CommandSelectAll_Click();
    void CommandSelectNone_Click();
    void CommandEdit_Click();
    void CommandApply_Click();
    void CommandClose_Click();

    // True while the values panel is shown.
    bool ValuesPanelShown() const { return valuesShown_; }
    int RangeStart() const { return rangeStart_; }
    int RangeEnd() const { return rangeEnd_; }
    // Random codes come from here (a clock-seeded generator unless replaced).
    RandomSource Random;

    // Range.
    QLabel* LabelArea = nullptr;
    std::array<QRadioButton*, 2> OptionArea {};
    QLineEdit* TextStartChannel = nullptr;
    QLabel* LabelToChannel = nullptr;
    QLineEdit* TextEndChannel = nullptr;
    QCheckBox* CheckOption = nullptr;
    QLabel* LabelNote = nullptr;

    // Selection panel.
    QGroupBox* FrameEditSetting = nullptr;
    QCheckBox* CheckSetRxFreq = nullptr;
    QCheckBox* CheckSetTxFreq = nullptr;
    QCheckBox* CheckSetDecode = nullptr;
    QCheckBox* CheckSetEncode = nullptr;
    QCheckBox* CheckSetTxPower = nullptr;
    QCheckBox* CheckSetSpace = nullptr;
    QCheckBox* CheckSetBusyLock = nullptr;
    QCheckBox* CheckSetScanAdd = nullptr;
    QCheckBox* CheckSetReverse = nullptr;
    QCheckBox* CheckSetTalkAround = nullptr;
    QPushButton* CommandSelectAll = nullptr;
    QPushButton* CommandSelectNone = nullptr;

    // Values panel.
    QGroupBox* FrameEdit = nullptr;
    QGroupBox* FrameRxFreq = nullptr;
    QLabel* LabelRxStartFreq = nullptr;
    QLineEdit* TextRxStartFreq = nullptr;
    QLabel* LabelRxStep = nullptr;
    QLineEdit* TextRxStep = nullptr;
    QRadioButton* OptionRxStepUp = nullptr;
    QRadioButton* OptionRxStepDown = nullptr;

    QGroupBox* FrameTxFreq = nullptr;
    QRadioButton* OptionTxDefault = nullptr;
    QRadioButton* OptionTxOffset = nullptr;
    QLineEdit* TextTxOffset = nullptr;
    QRadioButton* OptionPlus = nullptr;
    QRadioButton* OptionMinus = nullptr;
    QRadioButton* OptionTxStartFreq = nullptr;
    QLineEdit* TextTxStartFreq = nullptr;
    QLabel* LabelTxStep = nullptr;
    QLineEdit* TextTxStep = nullptr;
    QRadioButton* OptionTxStepUp = nullptr;
    QRadioButton* OptionTxStepDown = nullptr;

    QGroupBox* FrameDecode = nullptr;
    QLabel* LabelDecodeStart = nullptr;
    QComboBox* ComboDecodeStart = nullptr;
    QLabel* LabelDecodeStep = nullptr;
    QLineEdit* TextDecodeStep = nullptr;
    QRadioButton* OptionDecodeStepUp = nullptr;
    QRadioButton* OptionDecodeStepDown = nullptr;
    QCheckBox* CheckDecodeRandom = nullptr;

    QGroupBox* FrameEncode = nullptr;
    QLabel* LabelEncodeStart = nullptr;
    QComboBox* ComboEncodeStart = nullptr;
    QLabel* LabelEncodeStep = nullptr;
    QLineEdit* TextEncodeStep = nullptr;
    QRadioButton* OptionEncodeStepUp = nullptr;
    QRadioButton* OptionEncodeStepDown = nullptr;
    QCheckBox* CheckEncodeRandom = nullptr;
    QCheckBox* CheckEncodeDefault = nullptr;

    QLabel* LabelTxPower = nullptr;
    QComboBox* ComboTxPower = nullptr;
    QLabel* LabelSpace = nullptr;
    QComboBox* ComboSpace = nullptr;
    QLabel* LabelBusyLock = nullptr;
    QComboBox* ComboBusyLock = nullptr;
    QCheckBox* CheckScanAdd = nullptr;
    QCheckBox* CheckReverse = nullptr;
    QCheckBox* CheckTalkAround = nullptr;

    QPushButton* CommandEdit = nullptr;
    QPushButton* CommandApply = nullptr;
    QPushButton* CommandClose = nullptr;

private:
    RadioDocument& document_;
    void nameControls();
    void buildRange();
    void buildSelectionPanel();
    void buildValuesPanel();
    void showValueControls();
    void setRangeFromBoxes();
    void repairStartFrequency(QLineEdit* box, FrequencyField field);
    void repairStep(QLineEdit* box, int highest);
    std::array<QCheckBox*, 10> selectionBoxes() const;
    BatchFill fillFromControls() const;

    QStackedWidget* panels_ = nullptr;
    int rangeStart_ = 0;
    int rangeEnd_ = BatchChannelCount - 1;
    bool valuesShown_ = true;
};

} // namespace t40
