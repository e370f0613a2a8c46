#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace t40 {

class RadioDocument;

// The programming password: the user types it here, or opens the change
// dialog from here. programPassword is the opener's, kept for the run.
class FormPassword : public QDialog {
    Q_OBJECT
public:
    FormPassword(RadioDocument& document, QString& programPassword, QWidget* parent = nullptr);

    void CommandOK_Click();
    void CommandCancel_Click();
    void CommandChange_Click();

    QLabel* LabelPassword = nullptr;
    QLineEdit* TextPassword = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandChange = nullptr;
    QPushButton* CommandCancel = nullptr;

private:
    QString& programPassword_;
    RadioDocument& document_;
};

} // namespace t40
