#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace t40 {

class RadioDocument;

// Copies one channel's whole record (and its scan membership) onto others.
class FormChannelCopy : public QDialog {
    Q_OBJECT
public:
    FormChannelCopy(RadioDocument& document, int channel, QWidget* parent = nullptr);

    QLabel* LabelChannelCopy;
    QLineEdit* TextChannelFrom;
    QComboBox* ComboChannelTo;
    QPushButton* CommandCopy;
    QPushButton* CommandCancel;
    QPushButton* CommandHelp;

    int source() const { return source_; }
    int destination() const { return destination_; }

    void ComboChannelTo_Click(int index);
    void CommandCopy_Click();
    void CommandHelp_Click();

private:
    RadioDocument& document_;
    void Form_Load();
    void placeBoxesInCaption();

    int source_;
    int destination_;
};

} // namespace t40
