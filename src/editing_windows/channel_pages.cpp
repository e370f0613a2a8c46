#include "channel_pages.h"

#include "prompts.h"
#include "shared_state.h"

namespace t40 {

BandState CurrentBand(const RadioDocument& document)
{
    return document.band();
}

QString NoneText()
{
    return Lang("None", "无");
}

void ShowFrequencyWarning(const QString& caption)
{
    ShowMessageBox(Lang("Frequency is out of range!", "频率超出范围！"), BoxIcon::Warning, BoxButtons::Ok, caption);
}

} // namespace t40
