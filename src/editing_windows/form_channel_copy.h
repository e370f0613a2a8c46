#pragma once

#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace t40 {

class RadioDocument;

// Copies one channel's whole record (and its scan membership) onto others;
// several selected channels are copied together, in their order, from the
// chosen channel on.
class FormChannelCopy : public QDialog {
    Q_OBJECT
public:
    FormChannelCopy(RadioDocument& document, int channel, QWidget* parent = nullptr);
    FormChannelCopy(RadioDocument& document, const QList<int>& channels, QWidget* parent = nullptr);

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
    QList<int> sources_; // all the channels copied, source_ first
};

} // namespace t40
