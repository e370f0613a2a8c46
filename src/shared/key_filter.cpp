#include "key_filter.h"

#include "shared_state.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace t40 {

namespace {
int MaximumLength(int mode)
{
    switch (mode) {
    case FrequencyKeys: return 9;
    case ThreeDigitKeys: return 3;
    case TwoDigitKeys: return 2;
    default: return 0;
    }
}

bool Accepted(int key, int mode, const QString& separator)
{
    if (key == KeyBackspace || key == KeyEnter || (key >= '0' && key <= '9'))
        return true;
    return mode == FrequencyKeys && !separator.isEmpty() && key == separator.at(0).unicode();
}
} // namespace

void FilterKeyPress(const QString& text, bool hasSelection, int& keyAscii, int mode, const QString& decimalSeparator)
{
    if (!decimalSeparator.isEmpty() && keyAscii == decimalSeparator.at(0).unicode() && text.contains(decimalSeparator)) {
        keyAscii = 0;
        return;
    }
    if (keyAscii >= 'a' && keyAscii <= 'z')
        keyAscii -= 'a' - 'A';
    if (!Accepted(keyAscii, mode, decimalSeparator)) {
        keyAscii = 0;
        return;
    }
    if (text.size() >= MaximumLength(mode) && !hasSelection && keyAscii != KeyEnter && keyAscii != KeyBackspace)
        keyAscii = 0;
}

KeyPressFilter::KeyPressFilter(QLineEdit* edit, int mode)
    : QObject(edit)
    , mode_(mode)
{
    edit->installEventFilter(this);
}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* edit = qobject_cast<QLineEdit*>(watched);
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (!edit || (keyEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false; // shortcuts and editing commands are not typed characters
    int key = 0;
    switch (keyEvent->key()) {
    case Qt::Key_Backspace: key = KeyBackspace; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: key = KeyEnter; break;
    default: {
        const QString typed = keyEvent->text();
        if (typed.size() != 1 || !typed.at(0).isPrint())
            return false; // navigation and other non-character keys
        key = typed.at(0).unicode();
    }
    }
    FilterKeyPress(edit->text(), edit->hasSelectedText(), key, mode_, State().DecimalSeparator);
    return key == 0;
}

void InstallKeyFilter(QLineEdit* edit, int mode)
{
    new KeyPressFilter(edit, mode);
}

} // namespace t40
