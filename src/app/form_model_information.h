#pragma once

#include "band_table.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace t40 {

// Chooses the radio's band family and frequency band. A confirmed change
// sets ModelChanged; the main window then applies chosenBand().
class FormModelInformation : public QDialog {
    Q_OBJECT
public:
    explicit FormModelInformation(QWidget* parent = nullptr);

    // The band the user confirmed; the current band until then.
    const BandState& chosenBand() const { return chosen_; }

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
    BandState chosen_;
};

} // namespace t40
