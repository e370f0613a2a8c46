#pragma once

#include <QLocale>

namespace t40 {

// Sets the interface language: Chinese installs the program's translation
// (and Qt's own, for its buttons and dialogs), English removes them. Every
// widget then gets a LanguageChange event and retranslates itself.
void SetInterfaceLanguage(bool english);

// The locale dates and times are shown in: the system's when it speaks the
// interface language, else the interface language's own.
QLocale InterfaceLocale();

// Where the program's translation for a language is kept (in the resources).
inline constexpr const char* ChineseTranslation = ":/i18n/t40_zh_CN.qm";

} // namespace t40
