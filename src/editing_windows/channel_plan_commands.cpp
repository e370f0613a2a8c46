// The channel page's plan commands: move and sort channels, and give every
// selected channel one value.
#include "form_channel_information.h"

#include "channel_grid_view.h"
#include "channel_table_model.h"
#include "code_entry.h"
#include "radio_document.h"
#include "value_texts.h"

#include <QAction>
#include <QComboBox>
#include <QInputDialog>
#include <QMenu>

#include <algorithm>

namespace t40 {

namespace {
// The list columns the Set Selected Channels menu offers.
constexpr std::array<int, 4> ListColumns { ChannelTableModel::PowerColumn, ChannelTableModel::SpacingColumn,
                                           ChannelTableModel::BusyLockColumn, ChannelTableModel::ScanAddColumn };
} // namespace

void FormChannelInformation::buildPlanActions()
{
    auto make = [this](QAction*& action, const QKeySequence& key, auto slot) {
        action = new QAction(this);
        if (!key.isEmpty()) {
            action->setShortcut(key);
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            action->setShortcutVisibleInContextMenu(true);
            addAction(action);
        }
        connect(action, &QAction::triggered, this, slot);
    };
    make(ActionMoveUp, QKeySequence(Qt::ALT | Qt::Key_Up), [this] {
        FreshData();
        const QList<int> moved = channels_.selectedChannels();
        if (document_.moveChannels(moved, -1))
            MSHFlexGridChannel->selectChannels(moved, -1);
    });
    make(ActionMoveDown, QKeySequence(Qt::ALT | Qt::Key_Down), [this] {
        FreshData();
        const QList<int> moved = channels_.selectedChannels();
        if (document_.moveChannels(moved, +1))
            MSHFlexGridChannel->selectChannels(moved, +1);
    });
    make(ActionSortChannels, QKeySequence(), [this] {
        FreshData();
        document_.sortChannels();
    });
    make(ActionEncodeAsDecode, QKeySequence(), [this] {
        FreshData();
        document_.encodeAsDecode(channels_.selectedChannels());
    });
    MenuSetSelected = new QMenu(this);
    MenuSetSelected->setObjectName(QStringLiteral("MenuSetSelected"));
    connect(MenuSetSelected, &QMenu::aboutToShow, this, [this] {
        // The values in the interface language of now.
        MenuSetSelected->clear();
        for (int column : ListColumns) {
            const ChannelFieldId field = ChannelTableModel::fieldOf(column);
            QMenu* values = MenuSetSelected->addMenu(ChannelFieldName(field));
            const QStringList texts = ChannelListTexts(field, channels_.decimalSeparator());
            for (int v = 0; v < texts.size(); ++v)
                values->addAction(texts[v], this, [this, column, v] {
                    setSelected([&](Channel& ch) { ChannelTableModel::applyListPosition(ch, column, v); });
                });
        }
        MenuSetSelected->addAction(ChannelFieldName(ChannelFieldId::Decode) + QStringLiteral("..."), this,
                                   [this] { setSelectedCode(true); });
        MenuSetSelected->addAction(ChannelFieldName(ChannelFieldId::Encode) + QStringLiteral("..."), this,
                                   [this] { setSelectedCode(false); });
    });
    connect(&channels_, &QAbstractItemModel::dataChanged, this, &FormChannelInformation::updateCommandStates);
    connect(channels_.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FormChannelInformation::updateCommandStates);
    connect(channels_.selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FormChannelInformation::updateCommandStates);
}

void FormChannelInformation::captionPlanActions()
{
    ActionMoveUp->setText(tr("Move Channel &Up"));
    ActionMoveDown->setText(tr("Move Channel Do&wn"));
    ActionSortChannels->setText(tr("&Sort Channels by Rx Frequency"));
    ActionEncodeAsDecode->setText(tr("Enc&ode as Decode"));
    MenuSetSelected->setTitle(tr("Set Selected C&hannels"));
    updateCommandStates();
}

void FormChannelInformation::updateCommandStates()
{
    const bool full = channels_.index(ChannelCount - 1, ChannelTableModel::ReceiveColumn)
                          .data(ChannelTableModel::PresentRole).toBool();
    ActionInsertChannel->setEnabled(!full);
    ActionInsertChannel->setStatusTip(full ? tr("Channel 16 is in use: delete or move it to make room")
                                           : tr("Insert an empty channel at the selected one"));
    ActionInsertChannel->setToolTip(ActionInsertChannel->statusTip());
    const QList<int> selected = channels_.selectedChannels();
    ActionEncodeAsDecode->setEnabled(
        std::any_of(selected.cbegin(), selected.cend(), [this](int c) { return document_.channel(c).encodeCanTakeDecode(); }));
}

void FormChannelInformation::setSelected(const std::function<void(Channel&)>& change)
{
    FreshData();
    document_.setChannels(channels_.selectedChannels(), [&](Channel& ch) {
        if (ch.present())
            change(ch);
    }, StepNames::ChangeChannels());
}

void FormChannelInformation::setSelectedCode(bool decode)
{
    QComboBox list;
    FillSignallingCodeList(&list);
    QStringList codes;
    for (int i = 0; i < list.count(); ++i)
        codes << list.itemText(i);
    const ChannelFieldId field = decode ? ChannelFieldId::Decode : ChannelFieldId::Encode;
    bool ok = false;
    const QString typed = QInputDialog::getItem(this, MenuSetSelected->title().remove(QLatin1Char('&')),
                                                ChannelFieldName(field), codes, 0, true, &ok);
    if (!ok)
        return;
    const SignallingCode code = SignallingCode::fromTyped(typed, channels_.decimalSeparator());
    setSelected([&](Channel& ch) {
        if (decode)
            ch.decode = code;
        else if (ch.transmit)
            ch.encode = code; // no encode code without a transmit frequency
    });
}

} // namespace t40
