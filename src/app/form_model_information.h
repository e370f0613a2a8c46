#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace t40 {

// Chooses the radio's band family and frequency band.
class FormModelInformation : public QDialog {
    Q_OBJECT
public:
    explicit FormModelInformation(QWidget* parent = nullptr);

    void AnalyseModelInformation();
    void ComboModel_Click();
    void CommandOK_Click();
    void CommandCancel_Click();

    QLabel* LabelModel = nullptr;
    QComboBox* ComboModel = nullptr;
    QLabel* LabelArea = nullptr;
    QComboBox* ComboArea = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

private:
    void fillAreas(int family);

    bool Decoding = false;
    int LastFamily = 1;
};

} // namespace t40
