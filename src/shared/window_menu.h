#pragma once

#include <QString>

class QWidget;

namespace t40 {

// Command ids of the pages in the main window's Window menu.
enum PageId {
    ChannelPageId = 1000,
    OptionPageId = 1001,
    KeyPageId = 1002,
    ScanPageId = 1003,
    MessagePageId = 1004,
    TunePageId = 1005,
};

// Appends the page's entry (its caption) to the Window menu; choosing the
// entry brings the page to the front.
void AppendPageItem(int id, const QString& caption, QWidget* page);
// Checks the page's entry and clears the check of every other page entry.
void CheckPageItem(int id);
void RemovePageItem(int id);
// Gives the page's entry the page's caption in the interface language.
void RenamePageItem(int id, const QString& caption);

// Brings a page (or the sub-window holding it) to the front.
void BringPageToFront(QWidget* page);

} // namespace t40
