#pragma once

class QComboBox;

namespace t40 {

// Appends the 283 CTCSS/DCS list entries in the interface language.
void FillSignallingCodeList(QComboBox* list);

// Prepares an editable code chooser: no completion, no insertion of typed
// texts into the list, and only code characters let in (digits, the decimal
// separator, capital D, N and I; five characters at most), however they come.
void SetUpCodeChooser(QComboBox* combo);

} // namespace t40
