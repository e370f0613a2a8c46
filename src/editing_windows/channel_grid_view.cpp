#include "channel_grid_view.h"

#include "channel_cell_delegate.h"
#include "channel_table_model.h"

#include <QComboBox>
#include <QDropEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace t40 {

ChannelGridView::ChannelGridView(ChannelTableModel& model, QWidget* parent)
    : QTableView(parent)
    , model_(model)
    , delegate_(new ChannelCellDelegate(model, this))
{
    setModel(&model_);
    setSelectionModel(model_.selectionModel());
    setItemDelegate(delegate_);
    verticalHeader()->hide();
    setEditTriggers(AnyKeyPressed | EditKeyPressed | DoubleClicked);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(true);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        // A plain click edits; Shift and Ctrl only select.
        if (pressButton_ == Qt::LeftButton && pressModifiers_ == Qt::NoModifier && state() != EditingState)
            edit(index, AllEditTriggers, nullptr);
    });
}

QWidget* ChannelGridView::openEditor() const
{
    return state() == EditingState ? indexWidget(currentIndex()) : nullptr;
}

void ChannelGridView::commitOpenEditor()
{
    if (QWidget* editor = openEditor())
        delegate_->commitAndClose(editor);
}

void ChannelGridView::dropOpenEditor()
{
    if (QWidget* editor = openEditor())
        closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QModelIndex ChannelGridView::editableCell(const QModelIndex& index) const
{
    if (!index.isValid() || !ChannelTableModel::isFieldColumn(index.column()))
        return index;
    const int row = index.row();
    if (!model_.index(row, ChannelTableModel::ReceiveColumn).data(ChannelTableModel::PresentRole).toBool())
        return model_.index(row, ChannelTableModel::ReceiveColumn);
    // An encode code needs a transmit frequency.
    if (index.column() == ChannelTableModel::EncodeColumn
        && !model_.index(row, ChannelTableModel::ReceiveColumn).data(ChannelTableModel::TransmitPresentRole).toBool())
        return model_.index(row, ChannelTableModel::TransmitColumn);
    return index;
}

bool ChannelGridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool opening = trigger == AllEditTriggers || trigger == AnyKeyPressed || trigger == EditKeyPressed
        || trigger == DoubleClicked;
    if (!opening || state() == EditingState)
        return QTableView::edit(index, trigger, event);
    const QModelIndex cell = editableCell(index);
    if (cell != currentIndex())
        setCurrentIndex(cell);
    if (!QTableView::edit(cell, trigger, event))
        return false;
    if (QWidget* editor = indexWidget(cell))
        emit editorOpened(editor);
    return true;
}

void ChannelGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool byEnter = ChannelCellDelegate::closedByEnter(editor);
    const QModelIndex edited = currentIndex();
    // The view stops watching the box before it takes the focus back; a
    // code chooser's text box is watched too.
    if (auto* combo = qobject_cast<QComboBox*>(editor); combo && combo->lineEdit())
        combo->lineEdit()->removeEventFilter(delegate_);
    QTableView::closeEditor(editor, hint);
    if (byEnter)
        moveAfterEnter(edited);
}

void ChannelGridView::moveAfterEnter(const QModelIndex& from)
{
    if (!from.isValid())
        return;
    const int lastRow = model_.rowCount() - 1;
    if (from.column() == ChannelTableModel::BusyLockColumn && from.row() < lastRow)
        setCurrentIndex(model_.index(from.row() + 1, ChannelTableModel::ReceiveColumn));
    else
        setCurrentIndex(model_.index(from.row(), qMin(from.column() + 1, int(ChannelTableModel::BlankColumn))));
    setFocus();
    reopen_ = true;
}

void ChannelGridView::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != EditingState) {
        if (reopen_) {
            reopen_ = false;
            edit(currentIndex(), AllEditTriggers, nullptr);
        }
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ChannelGridView::selectChannels(const QList<int>& channels, int shift)
{
    const int column = qMax(1, currentIndex().column());
    QItemSelection selection;
    for (int c : channels) {
        const QModelIndex cell = model_.index(ChannelTableModel::rowOf(c + shift), column);
        selection.select(cell, cell);
    }
    if (channels.isEmpty())
        return;
    selectionModel()->setCurrentIndex(model_.index(ChannelTableModel::rowOf(channels.first() + shift), column),
                                      QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

QItemSelectionModel::SelectionFlags ChannelGridView::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    QItemSelectionModel::SelectionFlags flags = QTableView::selectionCommand(index, event);
    if (index.column() == ChannelTableModel::NumberColumn)
        flags |= QItemSelectionModel::Rows;
    return flags;
}

int ChannelGridView::dropBefore(const QPoint& pos) const
{
    const QModelIndex at = indexAt(pos);
    if (!at.isValid())
        return ChannelTableModel::channelOf(model_.rowCount()); // below the last row: at the end
    const QRect cell = visualRect(at);
    const int row = pos.y() < cell.center().y() ? at.row() : at.row() + 1;
    return ChannelTableModel::channelOf(row);
}

void ChannelGridView::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->source() == this)
        QTableView::dragEnterEvent(event);
    else
        event->ignore();
}

void ChannelGridView::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QTableView::dragMoveEvent(event);
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void ChannelGridView::dropEvent(QDropEvent* event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    // The document moves the channels; the view removes nothing itself.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    setState(NoState);
    dropSelectedChannels(event->position().toPoint());
    viewport()->update();
}

bool ChannelGridView::dropSelectedChannels(const QPoint& pos)
{
    const QList<int> moved = model_.selectedChannels();
    const int before = dropBefore(pos);
    if (!model_.document().moveChannelsTo(moved, before))
        return false;
    const int first = before - int(std::count_if(moved.cbegin(), moved.cend(), [before](int c) { return c < before; }));
    QList<int> placed;
    for (int i = 0; i < moved.size(); ++i)
        placed << first + i;
    selectChannels(placed, 0);
    return true;
}

void ChannelGridView::mousePressEvent(QMouseEvent* event)
{
    pressModifiers_ = event->modifiers();
    pressButton_ = event->button();
    QTableView::mousePressEvent(event);
}

} // namespace t40
