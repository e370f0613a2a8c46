#pragma once

class QLineEdit;
class QString;

namespace t40 {

class RadioDocument;

// A password entry: masked, at most six characters, single-byte characters
// only (typed or pasted), no input method.
void SetUpPasswordField(QLineEdit* edit);

// Writes a password into image bytes 752..757: its character codes, then 0xFF.
void StorePassword(RadioDocument& document, const QString& password);

} // namespace t40
