#pragma once

#include "radio_document.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace t40 {

class RadioDocument;

struct Channel;

// One channel at a time, one control per field; every change is written to
// the image at once.
class FormChannelEdit : public QWidget {
    Q_OBJECT
public:
    explicit FormChannelEdit(RadioDocument& document, QWidget* parent = nullptr);
    ~FormChannelEdit() override;

    // Opens the editor on CurrentChannel (beside the page that asks, in the
    // same window area), or brings the open one to the front.
    static FormChannelEdit* ShowEditor(RadioDocument& document, QWidget* from);
    static FormChannelEdit* Instance();

    // Decodes CurrentChannel into the controls.
    void AnalyseOneChannel();
    // The channel the controls show.
    int shownChannel() const { return shown_; }

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
    QPushButton* CommandClose;
    QPushButton* CommandHelp;
    QTimer* Timer1;
    // In the page's definition but never shown on this model.
    QCheckBox* CheckReverse;
    QCheckBox* CheckTalkAround;
    QLabel* LabelScramble;
    QComboBox* ComboScramble;

    void ComboChannel_Click(int index);
    void TextRxFreq_LostFocus(bool byEnter = false);
    void TextTxFreq_LostFocus(bool byEnter = false);
    void ComboDecode_Click(int index);
    void ComboDecode_LostFocus();
    void ComboEncode_Click(int index);
    void ComboEncode_LostFocus();
    void ComboTxPower_Click(int index);
    void ComboSpace_Click(int index);
    void ComboBusyLock_Click(int index);
    void CheckScanAdd_Click(bool checked);
    void CommandClose_Click();
    void CommandHelp_Click();
    void Timer1_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    RadioDocument& document_;
    void Form_Load();
    void fillCaptions();
    void commitCode(QComboBox* combo, int field, QString& shownText);
    void pickCode(QComboBox* combo, int field, int index);
    void commitOpenEdit();
    void dropOpenEdit();
    // Applies a change to the shown channel when it is present and a list entry is picked.
    void changeChannel(int listIndex, const std::function<void(Channel&)>& change);
    void afterWrite();

    bool Decoding = false;
    bool enterCommit_ = false;
    bool committing_ = false;
    void commitFrequency(const QString& text, const QString& shownText, bool byEnter, FrequencyField field);

    int shown_ = 1;
    QString shownRx_, shownTx_, shownDecode_, shownEncode_;
    // Leaving a box commits it; the watch ends before the controls go.
    QMetaObject::Connection focusWatch_;
};

} // namespace t40
