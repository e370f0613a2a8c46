#include "password_fields.h"

#include "field_table.h"
#include "radio_document.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace t40 {

void SetUpPasswordField(QLineEdit* edit)
{
    edit->setEchoMode(QLineEdit::Password);
    // Masked with "*" whatever the style's own mask character is (42 = "*").
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    edit->setMaxLength(Field(FieldId::Password).length);
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit->setInputMethodHints(Qt::ImhHiddenText | Qt::ImhSensitiveData | Qt::ImhNoPredictiveText);
    // A character that needs more than one byte is refused, at the keyboard and on paste.
    static const QRegularExpression singleByte(QStringLiteral("[\\x{01}-\\x{FF}]{0,6}"));
    edit->setValidator(new QRegularExpressionValidator(singleByte, edit));
}

void StorePassword(RadioDocument& document, const QString& password)
{
    QByteArray bytes(Field(FieldId::Password).length, char(RadioImage::Erased));
    const int n = qMin<int>(int(password.size()), int(bytes.size()));
    for (int i = 0; i < n; ++i) {
        const char16_t code = password.at(i).unicode();
        if (code > 0xFF)
            break; // cannot happen through the entry fields
        bytes[i] = char(code);
    }
    document.setFieldBytes(FieldId::Password, bytes);
}

} // namespace t40
