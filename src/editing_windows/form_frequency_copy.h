#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace t40 {

class RadioDocument;

// Sets a channel's transmit frequency, proposing its receive frequency.
class FormFrequencyCopy : public QDialog {
    Q_OBJECT
public:
    FormFrequencyCopy(RadioDocument& document, int channel, const QString& receiveText, QWidget* parent = nullptr);

    QLabel* LabelRxFreq;
    QLineEdit* TextRxFreq;
    QLabel* LabelTxFreq;
    QLineEdit* TextTxFreq;
    QPushButton* CommandOK;
    QPushButton* CommandCancel;
    QPushButton* CommandHelp;

    void CommandOK_Click();
    void CommandHelp_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RadioDocument& document_;
    void Form_Load();

    int channel_;
};

} // namespace t40
