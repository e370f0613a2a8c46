#pragma once

#include "page_window.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace t40 {

class RadioDocument;

// The side-key page: short and long press functions of PF1 and PF2, four
// 4-bit codes in two image bytes.
class FormKeySetting : public PageWindow {
    Q_OBJECT
public:
    explicit FormKeySetting(RadioDocument& document, QWidget* parent = nullptr);

    // Shows the stored functions; never writes the document (an unknown code
    // shows "None" and stays stored until the user picks a function).
    void AnalyseKeySetting();
    void RefreshAfterRead() override { AnalyseKeySetting(); }

    // Index 0 PF1, 1 PF2, 2 PF1_Long, 3 PF2_Long.
    std::array<QLabel*, 4> LabelKeySet {};
    std::array<QComboBox*, 4> ComboKeySet {};
    QPushButton* CommandClose;
    QPushButton* CommandHelp;

public slots:
    void ComboKeySet_Click(int index);
    void CommandClose_Click();
    void CommandHelp_Click();

private:
    void fillCaptions() override;

    RadioDocument& document_;
    bool Decoding = false;
};

} // namespace t40
