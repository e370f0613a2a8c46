#pragma once

#include <QLocale>
#include <QString>

namespace t40 {

// "True" (exactly) is English; any other stored text is Chinese. With nothing
// stored the interface follows the system's language: Chinese for Chinese
// locales, English for all others.
QLocale::Language LanguageFromSetting(const QString& value, const QLocale& system = QLocale::system());

// The leading number of the stored text, rounded; port 1 when the value is
// empty or gives no usable port number.
int ComPortFromSetting(const QString& value);

} // namespace t40
