#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDataWidgetMapper;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace t40 {

class ChannelCellDelegate;
class ChannelTableModel;
class RadioDocument;

// One channel at a time, one control per field; every change is written to
// the document at once. A second view of the channel table beside the grid:
// it shows the channel selected there, and choosing a channel here selects it
// there.
class FormChannelEdit : public QWidget {
    Q_OBJECT
public:
    explicit FormChannelEdit(RadioDocument& document, QWidget* parent = nullptr);
    ~FormChannelEdit() override;

    // Opens the editor on the current channel (beside the page that asks, in
    // the same window area), or brings the open one to the front.
    static FormChannelEdit* ShowEditor(RadioDocument& document, QWidget* from);
    static FormChannelEdit* Instance();

    // Shows the current channel in the controls.
    void AnalyseOneChannel();
    // The channel the controls show.
    int shownChannel() const { return shown_; }
    // Commits the text of the box being typed in.
    void commitOpenEdit();

    QLabel* LabelChannel;
    QComboBox* ComboChannel;
    QLabel* LabelRxFreq;
    QLineEdit* TextRxFreq;
    QLabel* LabelTxFreq;
    QLineEdit* TextTxFreq;
    QLabel* LabelDecode;
    QComboBox* ComboDecode;
    QLabel* LabelEncode;
    QComboBox* ComboEncode;
    QLabel* LabelTxPower;
    QComboBox* ComboTxPower;
    QLabel* LabelSpace;
    QComboBox* ComboSpace;
    QLabel* LabelBusyLock;
    QComboBox* ComboBusyLock;
    QCheckBox* CheckScanAdd;
    QToolButton* CommandEncodeAsDecode;
    QPushButton* CommandClose;
    QPushButton* CommandHelp;
    // In the page's definition but never shown on this model.
    QCheckBox* CheckReverse;
    QCheckBox* CheckTalkAround;
    QLabel* LabelScramble;
    QComboBox* ComboScramble;

    void ComboChannel_Click(int index);
    void CommandClose_Click();
    void CommandHelp_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    void fillCaptions();
    void showChannel(int c);
    // Which controls a channel can use: none but the receive frequency for an
    // absent one, no encode code without a transmit frequency.
    void updateControls();
    void dropOpenEdit();

    RadioDocument& document_;
    ChannelTableModel& channels_;
    ChannelCellDelegate* delegate_;
    QDataWidgetMapper* mapper_;
    int shown_ = 1;
};

} // namespace t40
