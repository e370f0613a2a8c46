// The channel page's keyboard commands as menu items: the Edit menu and the
// grid's context menu show them with their keys.
#include "form_channel_information.h"

#include "channel_grid_view.h"

#include <QAction>
#include <QMenu>

namespace t40 {

void FormChannelInformation::buildCommandActions()
{
    struct Command {
        QAction** action;
        QList<QKeySequence> keys;
    };
    const Command commands[] = {
        { &ActionChannelCopy, { Qt::SHIFT | Qt::Key_F3, Qt::CTRL | Qt::Key_E } },
        { &ActionFrequencyCopy, { Qt::SHIFT | Qt::Key_F4, Qt::CTRL | Qt::Key_F } },
        { &ActionQtDqtCopy, { Qt::SHIFT | Qt::Key_F5, Qt::CTRL | Qt::Key_Q } },
        { &ActionInsertChannel, { Qt::SHIFT | Qt::Key_F9, Qt::CTRL | Qt::Key_I } },
        { &ActionDeleteChannel, { Qt::SHIFT | Qt::Key_F10, Qt::CTRL | Qt::Key_D } },
        { &ActionChannelEdit, { QKeySequence(Qt::Key_F11) } },
    };
    for (const Command& command : commands) {
        auto* action = new QAction(this);
        action->setShortcuts(command.keys);
        // The keys belong to the page: elsewhere they mean nothing.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        action->setShortcutVisibleInContextMenu(true);
        const QKeySequence key = command.keys.constFirst();
        connect(action, &QAction::triggered, this, [this, key] {
            const QKeyCombination combination = key[0];
            Form_KeyDown(combination.key(), combination.keyboardModifiers());
        });
        addAction(action);
        *command.action = action;
    }
    buildPlanActions();
    MSHFlexGridChannel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(MSHFlexGridChannel, &QWidget::customContextMenuRequested, this, &FormChannelInformation::showGridMenu);
}

void FormChannelInformation::captionCommandActions()
{
    ActionChannelCopy->setText(tr("Copy &Channel..."));
    ActionFrequencyCopy->setText(tr("&Frequency Copy..."));
    ActionQtDqtCopy->setText(tr("&QT/DQT Copy..."));
    ActionInsertChannel->setText(tr("&Insert Channel"));
    ActionDeleteChannel->setText(tr("&Delete Channel"));
    ActionChannelEdit->setText(tr("Channel &Edit"));
    captionPlanActions();
}

QList<QAction*> FormChannelInformation::commandActions() const
{
    return { ActionChannelCopy, ActionFrequencyCopy, ActionQtDqtCopy,
             ActionInsertChannel, ActionDeleteChannel, ActionChannelEdit,
             ActionMoveUp, ActionMoveDown, ActionSortChannels, ActionEncodeAsDecode, MenuSetSelected->menuAction() };
}

void FormChannelInformation::showGridMenu(const QPoint& position)
{
    const QModelIndex cell = MSHFlexGridChannel->indexAt(position);
    if (!cell.isValid())
        return;
    FreshData();
    // A right click inside a selection of several channels keeps it.
    if (!MSHFlexGridChannel->selectionModel()->isSelected(cell))
        MSHFlexGridChannel->setCurrentIndex(cell);
    else
        MSHFlexGridChannel->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("GridMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(commandActions().mid(0, 3));
    menu->addSeparator();
    menu->addActions(commandActions().mid(3, 2));
    menu->addSeparator();
    menu->addAction(ActionChannelEdit);
    menu->addSeparator();
    menu->addActions({ ActionMoveUp, ActionMoveDown, ActionSortChannels });
    menu->addSeparator();
    menu->addAction(MenuSetSelected->menuAction());
    menu->addAction(ActionEncodeAsDecode);
    for (QAction* extra : gridMenuExtras_)
        if (extra) {
            menu->addSeparator();
            menu->addAction(extra);
        }
    menu->popup(MSHFlexGridChannel->viewport()->mapToGlobal(position));
}

} // namespace t40
