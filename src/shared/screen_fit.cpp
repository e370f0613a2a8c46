#include "screen_fit.h"

#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace t40 {

namespace {
// The rectangle moved (and first shrunk) so that it lies inside bounds.
QRect Inside(QRect rect, const QRect& bounds)
{
    rect.setSize(rect.size().boundedTo(bounds.size()));
    rect.moveLeft(qBound(bounds.left(), rect.left(), bounds.right() - rect.width() + 1));
    rect.moveTop(qBound(bounds.top(), rect.top(), bounds.bottom() - rect.height() + 1));
    return rect;
}

class ScreenFitFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            const Qt::WindowType type = widget->windowType();
            if (widget->isWindow() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::SubWindow)
                FitToScreen(widget);
        }
        return false;
    }
};
} // namespace

void FitToScreen(QWidget* window)
{
    if (!window || window->isMaximized() || window->isFullScreen())
        return;
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                   outer.bottom() - inner.bottom());
    if (frame.isNull())
        frame = QMargins(4, 30, 4, 4); // not framed yet: the usual border and title bar
    const QRect framed = inner.marginsAdded(frame);
    const QRect fitted = Inside(framed, screen->availableGeometry());
    if (fitted == framed)
        return;
    window->resize(fitted.marginsRemoved(frame).size());
    window->move(fitted.topLeft()); // a window's position is its frame's
}

void FitToArea(QMdiSubWindow* page)
{
    // Before the area shows, its size means nothing yet; the main window fits its pages as it shows.
    if (!page || page->isMaximized() || page->isMinimized() || !page->mdiArea() || !page->mdiArea()->isVisible())
        return;
    const QRect visible(QPoint(0, 0), page->mdiArea()->viewport()->size());
    if (visible.isEmpty())
        return;
    const QRect fitted = Inside(page->geometry(), visible);
    if (fitted != page->geometry())
        page->setGeometry(fitted);
}

void InstallScreenFit()
{
    static QPointer<ScreenFitFilter> filter;
    if (!filter) {
        filter = new ScreenFitFilter(qApp);
        qApp->installEventFilter(filter);
    }
}

} // namespace t40
