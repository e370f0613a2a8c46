#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace t40 {

class RadioDocument;

// The DTMF remote stun/kill settings, shown after a stun/kill read and written
// back with a stun/kill write.
class FormDtmf : public QDialog {
    Q_OBJECT
public:
    explicit FormDtmf(RadioDocument& document, QWidget* parent = nullptr);

    void Form_Load();
    void ComboStatus_Click();
    void ComboAckType_Click();
    void CheckStunEnable_Click();
    void TextStun_LostFocus();
    void TextKill_LostFocus();
    void CommandWrite_Click();
    void CommandClose_Click();

    QLabel* LabelStatus = nullptr;
    QComboBox* ComboStatus = nullptr;
    QGroupBox* FrameDtmf = nullptr;
    QLabel* LabelStun = nullptr;
    QLineEdit* TextStun = nullptr;
    QLabel* LabelKill = nullptr;
    QLineEdit* TextKill = nullptr;
    QLabel* LabelAckType = nullptr;
    QComboBox* ComboAckType = nullptr;
    QCheckBox* CheckStunEnable = nullptr;
    QPushButton* CommandWrite = nullptr;
    QPushButton* CommandClose = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void setCaptions();
    void decode();
    void followEnable();
    // Stores a code box whose text differs from what the document holds.
    void commitCode(QLineEdit* box);
    bool codeTooShort(QLineEdit* box);
    void storeCode(QLineEdit* box);

    RadioDocument& document_;
    bool Decoding = false;
};

} // namespace t40
