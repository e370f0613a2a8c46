#include "page_factories.h"

#include "form_channel_information.h"
#include "form_embed_message.h"
#include "form_key_setting.h"
#include "form_option.h"
#include "form_scan_information.h"
#include "form_tune.h"
#include "window_menu.h"

namespace t40 {

PageWindow* CreatePage(int pageId)
{
    switch (pageId) {
    case ChannelPageId: return new FormChannelInformation(AppDocument());
    case OptionPageId: return new FormOption(AppDocument());
    case KeyPageId: return new FormKeySetting(AppDocument());
    case ScanPageId: return new FormScanInformation(AppDocument());
    case MessagePageId: return new FormEmbedMessage(AppDocument());
    case TunePageId: return new FormTune(AppDocument());
    default: return nullptr;
    }
}

} // namespace t40
