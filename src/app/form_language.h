#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace t40 {

// Chooses the interface language and stores it.
class FormLanguage : public QDialog {
    Q_OBJECT
public:
    explicit FormLanguage(QWidget* parent = nullptr);

    void CommandOK_Click();
    void CommandCancel_Click();

    QLabel* LabelLanguage = nullptr;
    QComboBox* ComboLanguage = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

} // namespace t40
