#include "code_entry.h"

#include "shared_state.h"
#include "signalling_codes.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace t40 {

void FillSignallingCodeList(QComboBox* list)
{
    list->addItems(SignallingCodeListTexts(State().DecimalSeparator, Lang("None", "无")));
}

CodeKeyFilter::CodeKeyFilter(QComboBox* combo)
    : QObject(combo)
    , combo_(combo)
{
    // Keys reach the line edit either directly or through the combo box,
    // which hands them on without showing them to the edit's filters.
    combo->installEventFilter(this);
    if (combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
}

bool CodeKeyFilter::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    QLineEdit* edit = combo_->lineEdit();
    if (!edit || (keyEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    int key = 0;
    switch (keyEvent->key()) {
    case Qt::Key_Backspace: key = 8; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: key = 13; break;
    default: {
        const QString typed = keyEvent->text();
        if (typed.size() != 1 || !typed.at(0).isPrint())
            return false;
        key = typed.at(0).unicode();
    }
    }
    FilterCodeKeyPress(edit->text(), edit->hasSelectedText(), key, State().DecimalSeparator);
    return key == 0;
}

void SetUpCodeChooser(QComboBox* combo)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setMaxVisibleItems(20);
    new CodeKeyFilter(combo);
}

} // namespace t40
