#pragma once

#include <QTableView>

namespace t40 {

class ChannelCellDelegate;
class ChannelTableModel;

// The channel grid: a view of the document's channel table that edits in
// place. A click or a typed key edits the cell (the key goes into the cell,
// never into a search for another row), F2 and a double click edit too;
// Enter commits and moves on, and the next Enter edits there; Escape drops
// the edit. A cell of an empty row edits its receive frequency, the encode
// cell of a receive-only channel its transmit frequency. Several cells (and
// so channels) can be selected with Shift and Ctrl.
class ChannelGridView : public QTableView {
    Q_OBJECT
public:
    explicit ChannelGridView(ChannelTableModel& model, QWidget* parent = nullptr);
    using QTableView::edit;

    ChannelTableModel& channels() const { return model_; }
    ChannelCellDelegate* cellDelegate() const { return delegate_; }
    // The box open over the current cell, if any.
    QWidget* openEditor() const;
    // Commits the open box, as leaving it does.
    void commitOpenEditor();
    // Closes the open box without writing (its text belonged to other data).
    void dropOpenEditor();
    // Whether the next Enter edits the current cell.
    bool reopenPending() const { return reopen_; }
    // Selects the given channels after they moved by shift places.
    void selectChannels(const QList<int>& channels, int shift);
    // The selected channels moved to a drop at pos (in the viewport), and
    // selected there; false when they stay where they are.
    bool dropSelectedChannels(const QPoint& pos);

signals:
    // A box was opened over a cell (the page watches its keys).
    void editorOpened(QWidget* editor);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyboardSearch(const QString&) override { }
    // A click on a channel number selects the whole channel.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override;
    // Channels dragged by their numbers move to where they are dropped.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The cell the entry rules edit instead of the one asked for.
    QModelIndex editableCell(const QModelIndex& index) const;
    void moveAfterEnter(const QModelIndex& from);
    // The channel a drop at pos puts the dragged channels before.
    int dropBefore(const QPoint& pos) const;

    ChannelTableModel& model_;
    ChannelCellDelegate* delegate_;
    bool reopen_ = false;
    Qt::KeyboardModifiers pressModifiers_;
    Qt::MouseButton pressButton_ = Qt::NoButton;
};

} // namespace t40
