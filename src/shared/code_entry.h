#pragma once

#include <QObject>

class QComboBox;

namespace t40 {

// Appends the 283 CTCSS/DCS list entries in the interface language.
void FillSignallingCodeList(QComboBox* list);

// Lets only code characters into an editable code chooser (digits, the
// decimal separator, capital D, N and I; five characters at most).
class CodeKeyFilter : public QObject {
    Q_OBJECT
public:
    explicit CodeKeyFilter(QComboBox* combo);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* combo_;
};

// Prepares an editable code chooser: no completion, no insertion of typed
// texts into the list, and the code key filter.
void SetUpCodeChooser(QComboBox* combo);

} // namespace t40
