#include "window_menu.h"

#include "shared_state.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

namespace t40 {

namespace {
const char* const PageIdProperty = "t40PageId";

QList<QAction*> PageActions()
{
    QList<QAction*> actions;
    if (QMenu* menu = State().WindowMenuHandle) {
        for (QAction* action : menu->actions())
            if (action->property(PageIdProperty).isValid())
                actions.append(action);
    }
    return actions;
}
} // namespace

void AppendPageItem(int id, const QString& caption, QWidget* page)
{
    QMenu* menu = State().WindowMenuHandle;
    if (!menu)
        return;
    QAction* action = menu->addAction(caption);
    action->setCheckable(true);
    action->setProperty(PageIdProperty, id);
    QPointer<QWidget> target(page);
    QObject::connect(action, &QAction::triggered, action, [target, id] {
        if (target)
            BringPageToFront(target);
        CheckPageItem(id); // keeps the check on the chosen page even if it was already active
    });
}

void CheckPageItem(int id)
{
    for (QAction* action : PageActions())
        action->setChecked(action->property(PageIdProperty).toInt() == id);
}

void RemovePageItem(int id)
{
    for (QAction* action : PageActions()) {
        if (action->property(PageIdProperty).toInt() == id) {
            if (QMenu* menu = State().WindowMenuHandle)
                menu->removeAction(action);
            action->deleteLater();
        }
    }
}

void RenamePageItem(int id, const QString& caption)
{
    for (QAction* action : PageActions())
        if (action->property(PageIdProperty).toInt() == id)
            action->setText(caption);
}

void BringPageToFront(QWidget* page)
{
    QWidget* window = page;
    for (QWidget* w = page; w; w = w->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            window = sub;
            if (QMdiArea* area = sub->mdiArea())
                area->setActiveSubWindow(sub);
            break;
        }
    }
    window->raise();
    window->activateWindow();
}

} // namespace t40
