#pragma once

#include "radio_band.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace t40 {

// Chooses the radio's band family and frequency band; the main window
// applies a confirmed change, ChosenBand().
class FormModelInformation : public QDialog {
    Q_OBJECT
public:
    explicit FormModelInformation(QWidget* parent = nullptr);

    void AnalyseModelInformation();
    void ComboModel_Click();
    void CommandOK_Click();
    void CommandCancel_Click();

    // The band the user confirmed a change to; none when nothing changes.
    const std::optional<BandState>& ChosenBand() const { return chosenBand_; }

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
    std::optional<BandState> chosenBand_;
};

} // namespace t40
