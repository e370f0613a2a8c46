#include "page_factories.h"

#include "form_channel_information.h"
#include "window_menu.h"

namespace t40 {

PageWindow* CreatePage(int pageId)
{
    switch (pageId) {
    case ChannelPageId: return new FormChannelInformation;
    case OptionPageId: return nullptr;
    case KeyPageId: return nullptr;
    case ScanPageId: return nullptr;
    case MessagePageId: return nullptr;
    case TunePageId: return nullptr;
    default: return nullptr;
    }
}

} // namespace t40
