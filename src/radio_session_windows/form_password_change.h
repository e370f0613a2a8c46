#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace t40 {

class RadioDocument;

// Puts a new programming password into the image and writes the image, the
// password block included, into the radio. Accepted when that write succeeded;
// programPassword then holds the new password.
class FormPasswordChange : public QDialog {
    Q_OBJECT
public:
    FormPasswordChange(RadioDocument& document, QString& programPassword, QWidget* parent = nullptr);

    void CommandOK_Click();
    void CommandCancel_Click();

    QLabel* LabelOldPassword = nullptr;
    QLineEdit* TextOldPassword = nullptr;
    std::array<QLabel*, 2> LabelNewPassword {};
    std::array<QLineEdit*, 2> TextNewPassword {};
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

private:
    QString& programPassword_;
    RadioDocument& document_;
};

} // namespace t40
