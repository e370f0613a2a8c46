#pragma once

#include <QObject>
#include <QString>
#include <QValidator>

#include <functional>

class QLineEdit;

namespace t40 {

// Key codes the filter lets through in every mode.
constexpr int KeyBackspace = 8;
constexpr int KeyEnter = 13;

enum KeyFilterMode {
    FrequencyKeys = 1, // nine characters: digits and the decimal separator
    ThreeDigitKeys = 4,
    TwoDigitKeys = 5,
};

// Decides a typed character for a numeric box. keyAscii is set to 0 when the
// key is rejected (and upper-cased when it is a lower-case letter).
void FilterKeyPress(const QString& text, bool hasSelection, int& keyAscii, int mode,
                    const QString& decimalSeparator);

// A per-key rule: the box's text, whether part of it is selected, the key
// (set to 0 to reject it, or changed to the character to insert).
using KeyRule = std::function<void(const QString& text, bool hasSelection, int& key)>;

// Applies a key rule to every key that would type a character into a line
// edit, whatever modifiers are held (Alt, AltGr and Meta type characters too).
class KeyPressFilter : public QObject {
    Q_OBJECT
public:
    // Watches the edit itself, or a widget that hands its keys on to the
    // edit (an editable combo box).
    KeyPressFilter(QObject* watched, QLineEdit* edit, KeyRule rule);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit_;
    KeyRule rule_;
};

// Holds the same rule for text that arrives without a key press: paste,
// drag-and-drop, input-method commits. A change is judged by the characters
// it adds, each as if typed; a change that only removes text always passes,
// and so does text set by the program. A refused change leaves the text as
// it was.
class KeyRuleValidator : public QValidator {
    Q_OBJECT
public:
    KeyRuleValidator(QLineEdit* edit, KeyRule rule);
    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* edit_;
    KeyRule rule_;
    QString accepted_; // the text before the change being judged
};

// Guards a line edit with a key rule, for keys and for every other way in;
// keyOwner is a widget that takes keys for the edit (its combo box).
void GuardLineEdit(QLineEdit* edit, const KeyRule& rule, QObject* keyOwner = nullptr);

// Guards a numeric box with FilterKeyPress in the given mode and the shared
// decimal separator.
void InstallKeyFilter(QLineEdit* edit, int mode);

} // namespace t40
