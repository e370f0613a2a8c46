#pragma once

namespace t40 {

class PageWindow;

// Builds a new page window for a Window-menu id (ChannelPageId .. TunePageId);
// the page decodes itself from the image and registers itself as it loads.
// nullptr for an id without a page.
PageWindow* CreatePage(int pageId);

} // namespace t40
