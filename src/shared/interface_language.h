#pragma once

#include <QLocale>

namespace t40 {

// Sets the interface language: another language than English installs the
// program's translation into it (and Qt's own, for its buttons and dialogs),
// English removes them. Every open window has retranslated itself (on its
// LanguageChange event) when this returns.
void SetInterfaceLanguage(QLocale::Language language);

// The interface language as last set (or chosen in the language dialog).
QLocale::Language InterfaceLanguage();

// The locale dates and times are shown in: the system's when it speaks the
// interface language, else the interface language's own.
QLocale InterfaceLocale();

// Where the program's translation into a language is kept (in the resources).
QString TranslationFile(QLocale::Language language);

} // namespace t40
