#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace t40 {

class RadioDocument;

// The special option (receive voice level), shown after a special-option read
// and written back with a special-option write.
class FormSpecial : public QDialog {
    Q_OBJECT
public:
    explicit FormSpecial(RadioDocument& document, QWidget* parent = nullptr);

    void Form_Load();
    void CommandWrite_Click();
    void CommandClose_Click();

    QLabel* LabelRxVoice = nullptr;
    QComboBox* ComboRxVoice = nullptr;
    QPushButton* CommandWrite = nullptr;
    QPushButton* CommandClose = nullptr;

private:
    RadioDocument& document_;
};

} // namespace t40
