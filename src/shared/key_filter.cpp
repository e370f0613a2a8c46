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

// Ctrl and Ctrl+Shift keys are commands (copy, paste, the pages' shortcuts):
// a line edit types nothing for them. Every other modifier mix can type.
bool IsCommandChord(Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~Qt::KeypadModifier;
    return modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
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

KeyPressFilter::KeyPressFilter(QObject* watched, QLineEdit* edit, KeyRule rule)
    : QObject(watched)
    , edit_(edit)
    , rule_(std::move(rule))
{
    watched->installEventFilter(this);
}

bool KeyPressFilter::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (IsCommandChord(keyEvent->modifiers()))
        return false;
    int key = 0;
    switch (keyEvent->key()) {
    case Qt::Key_Backspace: key = KeyBackspace; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: key = KeyEnter; break;
    default: {
        const QString typed = keyEvent->text();
        if (typed.isEmpty() || !typed.at(0).isPrint())
            return false; // navigation and other non-character keys
        if (typed.size() != 1)
            return true; // several characters from one key: not a typed digit
        key = typed.at(0).unicode();
    }
    }
    const int typed = key;
    rule_(edit_->text(), edit_->hasSelectedText(), key);
    if (key == 0)
        return true;
    if (key != typed && key != KeyBackspace && key != KeyEnter) {
        edit_->insert(QString(QChar(key))); // the rule changed the character (upper case)
        return true;
    }
    return false;
}

KeyRuleValidator::KeyRuleValidator(QLineEdit* edit, KeyRule rule)
    : QValidator(edit)
    , edit_(edit)
    , rule_(std::move(rule))
    , accepted_(edit->text())
{
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { accepted_ = text; });
}

QValidator::State KeyRuleValidator::validate(QString& input, int&) const
{
    // Text set by the program (and an undo back to it) is not the user's typing.
    if (!edit_->isModified())
        return Acceptable;
    const QString& before = accepted_;
    qsizetype prefix = 0;
    while (prefix < before.size() && prefix < input.size() && before.at(prefix) == input.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < before.size() - prefix && suffix < input.size() - prefix
           && before.at(before.size() - 1 - suffix) == input.at(input.size() - 1 - suffix))
        ++suffix;
    const bool grows = input.size() > before.size();
    for (qsizetype i = prefix; i < input.size() - suffix; ++i) {
        if (!input.at(i).isPrint())
            return Invalid;
        QString rest = input;
        rest.remove(i, 1);
        int key = input.at(i).unicode();
        rule_(rest, !grows, key);
        if (key == 0 || key == KeyBackspace || key == KeyEnter)
            return Invalid;
        input[i] = QChar(key);
    }
    return Acceptable;
}

void GuardLineEdit(QLineEdit* edit, const KeyRule& rule, QObject* keyOwner)
{
    new KeyPressFilter(edit, edit, rule);
    if (keyOwner)
        new KeyPressFilter(keyOwner, edit, rule);
    edit->setValidator(new KeyRuleValidator(edit, rule));
}

void InstallKeyFilter(QLineEdit* edit, int mode)
{
    GuardLineEdit(edit, [mode](const QString& text, bool hasSelection, int& key) {
        FilterKeyPress(text, hasSelection, key, mode, State().DecimalSeparator);
    });
}

} // namespace t40
