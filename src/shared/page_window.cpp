#include "page_window.h"

#include "window_menu.h"

#include <QComboBox>
#include <QEvent>
#include <QLayout>
#include <QMdiSubWindow>

#include <utility>
#include <vector>

namespace t40 {

PageWindow::PageWindow(int pageId, bool SharedState::*openFlag, QWidget* parent)
    : QWidget(parent)
    , pageId_(pageId)
    , openFlag_(openFlag)
{
}

PageWindow::~PageWindow()
{
    unregisterPage();
}

void PageWindow::registerPage()
{
    State().*openFlag_ = true;
    AppendPageItem(pageId_, windowTitle(), this);
    registered_ = true;
}

void PageWindow::followChanges(RadioDocument& document, MemoryRange range, const bool& busy,
                               std::function<void()> refresh)
{
    connect(&document, &RadioDocument::changed, this, [range, &busy, refresh](int offset, int length) {
        if (!busy && offset < range.end && offset + length > range.begin)
            refresh();
    });
}

void PageWindow::unregisterPage()
{
    if (!registered_)
        return;
    registered_ = false;
    State().*openFlag_ = false;
    RemovePageItem(pageId_);
}

void PageWindow::closePage()
{
    unregisterPage();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

bool PageWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ParentChange:
        if (frame_)
            frame_->removeEventFilter(this);
        frame_ = qobject_cast<QMdiSubWindow*>(parentWidget());
        if (frame_)
            frame_->installEventFilter(this);
        break;
    case QEvent::WindowActivate:
        if (!frame_)
            CheckPageItem(pageId_);
        break;
    case QEvent::Close:
        unregisterPage();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void PageWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // A list filled anew in the other language shows the same entry; an
    // editable list keeps what is typed in it, so it is left to its page.
    std::vector<std::pair<QComboBox*, int>> positions;
    for (QComboBox* list : findChildren<QComboBox*>())
        if (!list->isEditable())
            positions.emplace_back(list, list->currentIndex());
    fillCaptions();
    for (const auto& [list, index] : positions)
        if (index < list->count() && list->currentIndex() != index)
            list->setCurrentIndex(index);
    if (registered_)
        RenamePageItem(pageId_, windowTitle());
    // Longer texts in the other language widen the page rather than cut them
    // (the layout learns of the new texts at once, not at its next request).
    if (QLayout* own = layout()) {
        own->invalidate();
        own->activate();
    }
    const QSize grow = sizeHint().expandedTo(size()) - size();
    if (frame_ && !frame_->isMaximized() && !frame_->isMinimized() && !grow.isNull())
        frame_->resize(frame_->size() + grow);
}

bool PageWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == frame_) {
        switch (event->type()) {
        case QEvent::WindowStateChange: {
            const Qt::WindowStates states = frame_->windowState();
            State().ChildWindowState = states & Qt::WindowMinimized ? 1 : states & Qt::WindowMaximized ? 2 : 0;
            // A sub-window learns of its activation through its state, not a WindowActivate event.
            if (states & Qt::WindowActive)
                CheckPageItem(pageId_);
            break;
        }
        case QEvent::WindowActivate:
            CheckPageItem(pageId_);
            break;
        case QEvent::Close:
            unregisterPage();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace t40
