#include "channel_pages.h"

#include "prompts.h"
#include "shared_state.h"

#include <QCoreApplication>

namespace t40 {

BandLimits CurrentBand(const RadioDocument& document)
{
    const BandState& band = document.band();
    return { band.lowMHz, band.highMHz, band.effectiveHighMHz };
}

QString NoneText()
{
    return QCoreApplication::translate("t40::ChannelPages", "None");
}

void ShowFrequencyWarning(const QString& caption)
{
    ShowMessageBox(QCoreApplication::translate("t40::ChannelPages", "Frequency is out of range!"), BoxIcon::Warning, BoxButtons::Ok, caption);
}

} // namespace t40
