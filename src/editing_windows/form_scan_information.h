#pragma once

#include "page_window.h"
#include "page_settings.h"

#include <functional>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace t40 {

class RadioDocument;

// The scan page: priority-scan type, priority channels, revert channel,
// look-back, dropout-delay and transmit-dwell times. The decode writes only
// a priority channel that names no present channel. Priority channels 2 and 3 share their bytes with the VOX switch
// and level of the optional features, so this page shows them disabled and
// never writes them.
class FormScanInformation : public PageWindow {
    Q_OBJECT
public:
    explicit FormScanInformation(RadioDocument& document, QWidget* parent = nullptr);

    void AnalyseScanInformation();
    void RefreshAfterRead() override { AnalyseScanInformation(); }

    // Priority channels whose bytes belong to the VOX settings.
    static bool IsVoxShared(int index) { return IsVoxSharedPriority(index); }

    QLabel* LabelPriority;
    QComboBox* ComboPriority;
    std::array<QLabel*, 2> LabelScanBackTime {};
    std::array<QComboBox*, 2> ComboScanBackTime {};
    std::array<QLabel*, 2> LabelRevertScanDelay {};
    std::array<QComboBox*, 2> ComboScanDelay {};
    QLabel* LabelRevertChannel;
    QComboBox* ComboRevertChannel;
    std::array<QLabel*, 8> LabelPriorityChannel {};
    std::array<QComboBox*, 8> ComboPriorityChannel {};
    QPushButton* CommandClose;
    QPushButton* CommandHelp;

public slots:
    void ComboPriority_Click();
    void ComboScanBackTime_Click(int index);
    void ComboScanDelay_Click(int index);
    void ComboRevertChannel_Click();
    void ComboPriorityChannel_Click(int index);
    void CommandClose_Click();
    void CommandHelp_Click();

private:
    void fillCaptions() override;
    void applyPriorityType(int type);
    void showPriorityChannel(int index, ScanSettings& settings);
    void store(const std::function<void(ScanSettings&)>& change);

    RadioDocument& document_;
    bool Decoding = false;
};

} // namespace t40
