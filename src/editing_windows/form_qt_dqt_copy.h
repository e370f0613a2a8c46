#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace t40 {

class RadioDocument;

// Sets a channel's transmit code (encode), proposing its receive code.
class FormQtDqtCopy : public QDialog {
    Q_OBJECT
public:
    FormQtDqtCopy(RadioDocument& document, int channel, const QString& decodeText, QWidget* parent = nullptr);
    ~FormQtDqtCopy() override;

    QLabel* LabelDecode;
    QLineEdit* TextDecode;
    QLabel* LabelEncode;
    QComboBox* ComboEncode;
    QPushButton* CommandOK;
    QPushButton* CommandCancel;
    QPushButton* CommandHelp;

    bool okPending() const { return okPending_; }

    void ComboEncode_LostFocus();
    void CommandOK_Click();
    void CommandHelp_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RadioDocument& document_;
    void Form_Load();

    int channel_;
    bool okPending_ = false;
    bool done_ = false;
    // Leaving a box commits it; the watch ends before the controls go.
    QMetaObject::Connection focusWatch_;
};

} // namespace t40
