#pragma once

#include <QStyledItemDelegate>

class QComboBox;

namespace t40 {

class ChannelTableModel;

// The entry rule of each channel column, for the grid's in-place editors and
// the channel editor's boxes alike: frequencies in a filtered text box, codes
// in a chooser that also takes typing, options in their lists, scan add also
// as a check box. Passing through a box writes nothing; Enter always
// commits; picking a list entry commits at once; Escape puts back what the
// box showed.
class ChannelCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ChannelCellDelegate(ChannelTableModel& model, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Gives a window's own control the rule of a column (a QLineEdit for a
    // frequency, a QComboBox for a code or a list, a QCheckBox for scan add).
    void adopt(QWidget* control, int column) const;
    // The lists anew in the interface language, keeping their selection.
    void retranslate(QWidget* control, int column) const;
    // Commits what the box holds and closes it, as leaving it does.
    void commitAndClose(QWidget* editor);
    // Whether the box is being closed by Enter (for the view that moves on).
    static bool closedByEnter(const QWidget* editor);

signals:
    // What was stored instead of what was typed, and why.
    void corrected(const QString& note);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    enum class Finish { Leave, Enter, Escape };
    void finish(QWidget* editor, Finish how);
    void fill(QComboBox* combo, int column) const;

    ChannelTableModel& model_;
};

} // namespace t40
