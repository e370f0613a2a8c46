#pragma once

#include <QString>

namespace t40 {

// "True" (exactly) is English; anything else, missing included, is Chinese.
bool LanguageFromSetting(const QString& value);

// The leading number of the stored text, rounded; port 1 when the value is
// empty or gives no usable port number.
int ComPortFromSetting(const QString& value);

} // namespace t40
