#include "document_history.h"

#include "channel.h"
#include "shared_state.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QUndoCommand>
#include <QUndoStack>

namespace t40 {

namespace {
// Each step keeps both whole states: 8 KB a step.
constexpr int UndoLimit = 200;
// Whether the editor with the focus has a step of its own to take back (or
// redo); widgets that are no text editors have none.
bool EditorHasOwnStep(QObject* focus, bool undo)
{
    auto* widget = qobject_cast<QWidget*>(focus);
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget))
        widget = spin->findChild<QLineEdit*>();
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return !line->isReadOnly() && (undo ? line->isUndoAvailable() : line->isRedoAvailable());
    const QTextDocument* text = nullptr;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget); plain && !plain->isReadOnly())
        text = plain->document();
    else if (auto* rich = qobject_cast<QTextEdit*>(widget); rich && !rich->isReadOnly())
        text = rich->document();
    return text && (undo ? text->isUndoAvailable() : text->isRedoAvailable());
}

// A text box claims Undo and Redo whether or not it has anything to take
// back; with nothing of its own the keys go on to the document's history.
class UndoKeyPassage : public QObject {
public:
    UndoKeyPassage(const QAction* undo, const QAction* redo, QObject* parent)
        : QObject(parent)
        , undo_(undo)
        , redo_(redo)
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        const bool undo = undo_->shortcuts().contains(pressed);
        const bool redo = redo_->shortcuts().contains(pressed);
        if (!undo && !redo)
            return false;
        if (EditorHasOwnStep(watched, undo))
            return false;
        event->ignore();
        return true;
    }

private:
    const QAction* undo_;
    const QAction* redo_;
};
} // namespace

class StepCommand : public QUndoCommand {
public:
    StepCommand(DocumentHistory& history, const StepName& name, const DocumentState& before,
                const DocumentState& after)
        : QUndoCommand(name.text())
        , history_(history)
        , name_(name)
        , before_(before)
        , after_(after)
    {
    }

    const StepName& name() const { return name_; }
    // Every step may take in the one after it; only a completing step does.
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const StepCommand*>(other);
        const int c = next->name_.completesDecodeOf;
        if (c == 0 || name_.channel != c || !(next->before_.memory == after_.memory)
            || ReadChannel(before_.memory, c).decode == ReadChannel(after_.memory, c).decode)
            return false;
        after_ = next->after_;
        return true;
    }
    void undo() override { history_.put(before_); }
    // The first redo is the push: the document holds the new state already.
    void redo() override
    {
        if (pushed_)
            history_.put(after_);
        pushed_ = true;
    }

private:
    DocumentHistory& history_;
    StepName name_;
    DocumentState before_;
    DocumentState after_;
    bool pushed_ = false;
};

DocumentHistory::DocumentHistory(RadioDocument& document, QObject* parent)
    : QObject(parent)
    , document_(document)
{
    stack_ = new QUndoStack(this);
    stack_->setUndoLimit(UndoLimit);
    undoAction_ = new QAction(this);
    undoAction_->setShortcut(QKeySequence::Undo);
    connect(undoAction_, &QAction::triggered, this, &DocumentHistory::undo);
    redoAction_ = new QAction(this);
    // Ctrl+Y everywhere, beside the desktop's own key (Ctrl+Shift+Z on Linux).
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y);
    redoKeys.removeAll(ctrlY);
    redoKeys.prepend(ctrlY);
    redoAction_->setShortcuts(redoKeys);
    connect(redoAction_, &QAction::triggered, this, &DocumentHistory::redo);

    qApp->installEventFilter(new UndoKeyPassage(undoAction_, redoAction_, this));

    connect(&document_, &RadioDocument::stepRecorded, this, &DocumentHistory::record);
    connect(&document_, &RadioDocument::historyCleared, stack_, &QUndoStack::clear);
    // Saved (or freshly loaded): the state shown now is the clean one.
    connect(&document_, &RadioDocument::modifiedChanged, this, [this](bool modified) {
        if (!modified)
            stack_->setClean();
    });
    connect(stack_, &QUndoStack::cleanChanged, this, [this](bool clean) { document_.setModified(!clean); });
    connect(stack_, &QUndoStack::indexChanged, this, &DocumentHistory::retranslate);
    retranslate();
}

DocumentHistory::~DocumentHistory() = default;

void DocumentHistory::record(const StepName& name, const DocumentState& before, const DocumentState& after)
{
    stack_->push(new StepCommand(*this, name, before, after));
}

void DocumentHistory::put(const DocumentState& state)
{
    // What the windows write while they show the restored state is theirs,
    // not a new step that would cut the redo history.
    const RadioDocument::Unrecorded quiet(document_);
    document_.restore(state);
    emit restored();
}

void DocumentHistory::undo()
{
    document_.closeOpenStep();
    if (!stack_->canUndo())
        return;
    stack_->undo();
    document_.setModified(!stack_->isClean());
}

void DocumentHistory::redo()
{
    document_.closeOpenStep();
    if (!stack_->canRedo())
        return;
    stack_->redo();
    document_.setModified(!stack_->isClean());
}

int DocumentHistory::count() const
{
    document_.closeOpenStep();
    return stack_->count();
}

StepName DocumentHistory::nameAt(int index) const
{
    if (index < 0 || index >= stack_->count())
        return {};
    return static_cast<const StepCommand*>(stack_->command(index))->name();
}

QString DocumentHistory::undoName() const
{
    document_.closeOpenStep();
    return nameAt(stack_->index() - 1).text();
}

QString DocumentHistory::redoName() const
{
    document_.closeOpenStep();
    return nameAt(stack_->index()).text();
}

void DocumentHistory::retranslate()
{
    const QString undoName = nameAt(stack_->index() - 1).text();
    const QString redoName = nameAt(stack_->index()).text();
    undoAction_->setEnabled(stack_->canUndo());
    redoAction_->setEnabled(stack_->canRedo());
    if (stack_->canUndo()) {
        undoAction_->setText(tr("&Undo %1").arg(undoName));
        undoAction_->setToolTip(tr("Undo %1").arg(undoName));
    } else {
        undoAction_->setText(tr("&Undo"));
        undoAction_->setToolTip(tr("Undo"));
    }
    if (stack_->canRedo()) {
        redoAction_->setText(tr("&Redo %1").arg(redoName));
        redoAction_->setToolTip(tr("Redo %1").arg(redoName));
    } else {
        redoAction_->setText(tr("&Redo"));
        redoAction_->setToolTip(tr("Redo"));
    }
}

} // namespace t40
