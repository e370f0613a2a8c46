#include "channel_pages.h"

#include "prompts.h"
#include "shared_state.h"

#include <QCoreApplication>

namespace t40 {

BandState CurrentBand(const RadioDocument& document)
{
    return document.band();
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
