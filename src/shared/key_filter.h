#pragma once

#include <QObject>
#include <QString>

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

// Applies FilterKeyPress to every character typed into a line edit, with the
// shared decimal separator.
class KeyPressFilter : public QObject {
    Q_OBJECT
public:
    KeyPressFilter(QLineEdit* edit, int mode);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int mode_;
};

void InstallKeyFilter(QLineEdit* edit, int mode);

} // namespace t40
