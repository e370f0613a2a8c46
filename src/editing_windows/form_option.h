#pragma once

#include "page_window.h"

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace t40 {

class RadioDocument;
struct OptionSettings;

// The optional features page: time-out timer, squelch, voice prompt, VOX,
// battery save and roger tone, each written into the document at once.
// The controls for features this model lacks exist hidden: they fix what
// their bytes mean but are never shown.
class FormOption : public PageWindow {
    Q_OBJECT
public:
    explicit FormOption(RadioDocument& document, QWidget* parent = nullptr);

    // Brings the controls into line with the document, storing the default
    // of every setting whose stored value is out of range.
    void AnalyseOption();
    void RefreshAfterRead() override { AnalyseOption(); }

    QComboBox* ComboTOT;
    QComboBox* ComboTOTWarning;
    QComboBox* ComboSQ;
    QComboBox* ComboVoice;
    QGroupBox* FrameVox;
    QCheckBox* CheckVox;
    QComboBox* ComboVoxLevel;
    QCheckBox* CheckSave;
    QCheckBox* CheckRoger;
    QLabel* LabelTOT;
    QLabel* LabelTOTWarning;
    QLabel* LabelSQ;
    QLabel* LabelVoice;
    QLabel* LabelVoxLevel;
    QPushButton* CommandClose;
    QPushButton* CommandHelp;

    // Hidden: features this radio model does not offer.
    QComboBox* ComboCall;
    QComboBox* ComboMicReduction;
    QComboBox* ComboVoxDelay;
    QCheckBox* CheckVoxCancel;
    QCheckBox* CheckVoxTone;
    QCheckBox* CheckTail;
    QCheckBox* CheckAlertLock;
    QCheckBox* CheckResetAllow;
    QCheckBox* CheckExtension;
    QCheckBox* CheckScramble;
    QLabel* LabelCall;
    QLabel* LabelMicReduction;
    QLabel* LabelVoxDelay;

public slots:
    void ComboTOT_Click();
    void ComboTOTWarning_Click();
    void ComboSQ_Click();
    void ComboVoice_Click();
    void CheckVox_Click();
    void ComboVoxLevel_Click();
    void CheckSave_Click();
    void CheckRoger_Click();
    void ComboCall_Click();
    void ComboMicReduction_Click();
    void ComboVoxDelay_Click();
    void CheckVoxCancel_Click();
    void CheckVoxTone_Click();
    void CheckTail_Click();
    void CheckAlertLock_Click();
    void CheckResetAllow_Click();
    void CheckExtension_Click();
    void CheckScramble_Click();
    void CommandClose_Click();
    void CommandHelp_Click();

private:
    void buildControls();
    void fillCaptions() override;
    void enableVoxControls(bool on);
    // Hands the settings with one value changed to the document.
    void store(const std::function<void(OptionSettings&)>& change);
    void storeIndex(int OptionSettings::*field, const QComboBox* list);
    void storeFlag(std::optional<bool> OptionSettings::*field, const QCheckBox* check);

    RadioDocument& document_;
    bool Decoding = false;
};

} // namespace t40
