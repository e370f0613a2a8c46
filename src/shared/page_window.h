#pragma once

#include "shared_state.h"

#include <QWidget>

#include <functional>

namespace t40 {

// Base of the editing pages hosted in the main window: keeps the page-open
// flag, the page's Window-menu entry and check mark, and ChildWindowState.
class PageWindow : public QWidget {
    Q_OBJECT
public:
    PageWindow(int pageId, bool SharedState::*openFlag, QWidget* parent = nullptr);
    ~PageWindow() override;

    int pageId() const { return pageId_; }

    // Decodes the page again after a completed read from the radio.
    virtual void RefreshAfterRead() { }
    // Flushes an edit in progress into the image (before save, read, write).
    virtual void FreshData() { }
    // The page's own commands, shown in the Edit menu while it is in front.
    virtual QList<QAction*> commandActions() const { return {}; }

    // Closes the page (its sub-window when it has one).
    void closePage();

signals:
    // The page's own session has read from the radio: the other pages and
    // the band follow, as after every read.
    void radioRead();

protected:
    // Form_Load's last step: sets the open flag and appends the Window-menu
    // entry with the page's caption.
    void registerPage();
    // Runs refresh when a change of the document (another window, an undo)
    // touches the page's bytes while the page is not decoding or storing.
    void followChanges(RadioDocument& document, MemoryRange range, const bool& busy, std::function<void()> refresh);

    // Sets every caption and list text in the interface language; runs on
    // every language switch, lists keeping their selected position.
    virtual void fillCaptions() { }

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void unregisterPage();

    int pageId_;
    bool SharedState::*openFlag_;
    bool registered_ = false;
    QWidget* frame_ = nullptr;
};

} // namespace t40
