#include "channel_cell_delegate.h"

#include "channel_pages.h"
#include "channel_table_model.h"
#include "code_entry.h"
#include "key_filter.h"
#include "value_texts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

namespace t40 {

namespace {
// What a box remembers between showing a value and committing it.
constexpr char ShownProperty[] = "t40ShownText";  // the text it showed
constexpr char EnterProperty[] = "t40ByEnter";    // the commit comes from Enter
constexpr char PickedProperty[] = "t40Picked";    // a list entry was just picked
constexpr char ClosingProperty[] = "t40Closing";  // its commit is under way
constexpr char InPlaceProperty[] = "t40InPlace";  // a grid cell's own box, typed over at once

// Typing replaces what a box shows: in a cell's box, and in a window's box
// that has the focus (the others show no selection).
void SelectForTyping(QWidget* box, QLineEdit* edit)
{
    if (box->property(InPlaceProperty).toBool() || edit->hasFocus())
        edit->selectAll();
}

bool IsCodeColumn(int column)
{
    return column == ChannelTableModel::DecodeColumn || column == ChannelTableModel::EncodeColumn;
}

bool IsFrequencyColumn(int column)
{
    return column == ChannelTableModel::ReceiveColumn || column == ChannelTableModel::TransmitColumn;
}

// The box a watched object belongs to: a code chooser's own text box
// stands for the chooser.
QWidget* BoxOf(QObject* watched)
{
    auto* w = qobject_cast<QWidget*>(watched);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        if (auto* combo = qobject_cast<QComboBox*>(edit->parentWidget()); combo && combo->lineEdit() == edit)
            return combo;
    return w;
}

// A typed code that was stored as another: what, and how to type what may
// have been meant. Completing a code ("D23" as D023N) is no correction.
QString CodeNote(const QString& typed, const QString& stored, const SignallingCode& code, const QString& separator)
{
    if (typed.isEmpty() || typed == stored || code == SignallingCode::none())
        return {};
    static const QRegularExpression dcsTyped(QStringLiteral("^D0*([0-7]{1,3})[NI]?$"));
    const auto typedDcs = dcsTyped.match(typed);
    if (code.kind == SignallingCode::Kind::Dcs && typedDcs.hasMatch()
        && stored.mid(1, 3).toInt() == typedDcs.captured(1).toInt() && stored.back() == (typed.back() == QLatin1Char('I') ? QLatin1Char('I') : QLatin1Char('N')))
        return {};
    if (code.kind != SignallingCode::Kind::Ctcss)
        return ChannelCellDelegate::tr("%1 stored as %2").arg(typed, stored);
    QString note = ChannelCellDelegate::tr("%1 stored as %2 Hz").arg(typed, stored);
    // Digits that name a DCS code were perhaps meant as one.
    static const QRegularExpression octal(QStringLiteral("^[0-7]{1,3}$"));
    const QString dcs = QStringLiteral("D") + typed.rightJustified(3, QLatin1Char('0'));
    QString asDcs;
    if (octal.match(typed).hasMatch()) {
        SignallingCode::fromTyped(dcs, separator, &asDcs);
        if (asDcs == dcs + QLatin1Char('N'))
            note += ChannelCellDelegate::tr("; type D%1 for DCS %1").arg(dcs.mid(1));
    }
    if (code.nonStandardTone())
        note += ChannelCellDelegate::tr(" (not a standard tone)");
    return note;
}

bool Within(const QWidget* box, const QWidget* w)
{
    if (!w)
        return false;
    if (w == box || box->isAncestorOf(w))
        return true;
    // The list of a combo box is a window of its own.
    if (auto* combo = qobject_cast<const QComboBox*>(box))
        return w->window() == combo->view()->window();
    return false;
}
} // namespace

ChannelCellDelegate::ChannelCellDelegate(ChannelTableModel& model, QObject* parent)
    : QStyledItemDelegate(parent)
    , model_(model)
{
}

QWidget* ChannelCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const int column = index.column();
    QWidget* editor = nullptr;
    if (IsFrequencyColumn(column)) {
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(QStringLiteral("Text1"));
        edit->setFrame(false);
        editor = edit;
    } else if (ChannelTableModel::isFieldColumn(column)) {
        auto* combo = new QComboBox(parent);
        combo->setObjectName(QStringLiteral("Combo1_%1").arg(column - ChannelTableModel::DecodeColumn));
        editor = combo;
    } else {
        return nullptr;
    }
    editor->setProperty(InPlaceProperty, true);
    adopt(editor, column);
    return editor;
}

void ChannelCellDelegate::adopt(QWidget* control, int column) const
{
    auto* self = const_cast<ChannelCellDelegate*>(this);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        InstallKeyFilter(edit, FrequencyKeys);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (IsCodeColumn(column)) {
            SetUpCodeChooser(combo);
            // Enter and leaving reach the chooser's text box, not the chooser.
            combo->lineEdit()->installEventFilter(self);
        }
        fill(combo, column);
        connect(combo, &QComboBox::activated, self, [self, combo](int index) {
            if (combo->currentIndex() != index)
                combo->setCurrentIndex(index);
            combo->setProperty(PickedProperty, combo->isEditable());
            emit self->commitData(combo);
        });
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        connect(check, &QCheckBox::clicked, self, [self, check] { emit self->commitData(check); });
    }
}

void ChannelCellDelegate::fill(QComboBox* combo, int column) const
{
    combo->clear();
    if (IsCodeColumn(column))
        FillSignallingCodeList(combo);
    else
        combo->addItems(ChannelListTexts(ChannelTableModel::fieldOf(column), model_.decimalSeparator()));
}

void ChannelCellDelegate::retranslate(QWidget* control, int column) const
{
    auto* combo = qobject_cast<QComboBox*>(control);
    if (!combo)
        return;
    const QSignalBlocker quiet(combo);
    const int position = combo->currentIndex();
    const QString text = combo->currentText();
    fill(combo, column);
    combo->setCurrentIndex(position);
    if (combo->isEditable())
        combo->setEditText(text);
}

void ChannelCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    editor->setProperty(ShownProperty, text);
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->setModified(false);
        SelectForTyping(editor, edit);
    } else if (auto* check = qobject_cast<QCheckBox*>(editor)) {
        check->setChecked(index.data(ChannelTableModel::ListPositionRole).toInt() == 0);
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const QSignalBlocker quiet(combo);
        if (combo->isEditable()) {
            combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
            combo->setEditText(text);
            SelectForTyping(editor, combo->lineEdit());
        } else {
            combo->setCurrentIndex(index.data(ChannelTableModel::ListPositionRole).toInt());
        }
    }
}

void ChannelCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (model != &model_)
        return;
    const bool byEnter = editor->property(EnterProperty).toBool();
    const QString shown = editor->property(ShownProperty).toString();
    const QString& separator = model_.decimalSeparator();
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        if (edit->text() == shown && !byEnter)
            return;
        const FrequencyEntryResult result = model_.enterFrequency(index, edit->text());
        edit->setText(result.text);
        editor->setProperty(ShownProperty, result.text);
        model_.setNote(index, result.note);
        if (result.note.isEmpty())
            return;
        emit const_cast<ChannelCellDelegate*>(this)->corrected(result.note);
        // After the box shows the corrected value, not in the middle of its commit.
        if (result.warning)
            QTimer::singleShot(0, qApp, [note = result.note] { ShowFrequencyWarning(QString(), note); });
    } else if (auto* check = qobject_cast<QCheckBox*>(editor)) {
        model_.setData(index, check->isChecked() ? 0 : 1);
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (!combo->isEditable()) {
            if (combo->currentIndex() >= 0)
                model_.setData(index, combo->currentIndex());
            return;
        }
        SignallingCode code;
        QString note;
        if (combo->property(PickedProperty).toBool()) {
            combo->setProperty(PickedProperty, false);
            const int position = combo->currentIndex();
            if (position < 0)
                return;
            code = SignallingCode::fromListEntry(position, combo->itemText(position), separator);
        } else {
            if (combo->currentText() == shown && !byEnter)
                return;
            QString normalised;
            const QString typed = combo->currentText();
            code = SignallingCode::fromTyped(typed, separator, &normalised);
            combo->setEditText(normalised);
            note = CodeNote(typed, normalised, code, separator);
        }
        model_.setData(index, QVariant::fromValue(code));
        model_.setNote(index, note);
        if (!note.isEmpty())
            emit const_cast<ChannelCellDelegate*>(this)->corrected(note);
    }
}

void ChannelCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const
{
    QRect cell = option.rect;
    if (qobject_cast<QComboBox*>(editor))
        cell.setHeight(qMax(cell.height(), editor->sizeHint().height()));
    editor->setGeometry(cell);
}

void ChannelCellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.column() == ChannelTableModel::NumberColumn)
        option->backgroundBrush = option->palette.button(); // the channel numbers read as a heading
    if (index.data(ChannelTableModel::NonStandardRole).toBool())
        option->font.setItalic(true); // a tone outside the standard 50: its tooltip says so
}

bool ChannelCellDelegate::closedByEnter(const QWidget* editor)
{
    return editor && editor->property(EnterProperty).toBool();
}

void ChannelCellDelegate::commitAndClose(QWidget* editor)
{
    if (editor && !editor->property(ClosingProperty).toBool())
        finish(editor, Finish::Leave);
}

void ChannelCellDelegate::finish(QWidget* editor, Finish how)
{
    QPointer<QWidget> alive(editor);
    editor->setProperty(ClosingProperty, true);
    if (how != Finish::Escape) {
        editor->setProperty(EnterProperty, how == Finish::Enter);
        emit commitData(editor);
    }
    if (alive)
        emit closeEditor(editor, how == Finish::Escape ? RevertModelCache : NoHint);
    if (!alive)
        return;
    editor->setProperty(EnterProperty, false);
    editor->setProperty(ClosingProperty, false);
    // A box that stays (the channel editor's) shows its committed text selected.
    if (how == Finish::Enter)
        if (auto* combo = qobject_cast<QComboBox*>(editor); combo && combo->lineEdit())
            combo->lineEdit()->selectAll();
}

bool ChannelCellDelegate::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* box = BoxOf(watched);
    if (!box)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            finish(box, Finish::Enter);
            return true;
        }
        if (key == Qt::Key_Escape) {
            finish(box, Finish::Escape);
            return true;
        }
        return false;
    }
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (box->property(ClosingProperty).toBool() || reason == Qt::PopupFocusReason
            || Within(box, QApplication::focusWidget()))
            return false;
        finish(box, Finish::Leave);
        return false;
    }
    case QEvent::ShortcutOverride:
        return QStyledItemDelegate::eventFilter(watched, event);
    default:
        return false;
    }
}

} // namespace t40
