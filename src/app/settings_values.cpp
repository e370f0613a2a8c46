#include "settings_values.h"

#include <QRegularExpression>

#include <cmath>

namespace t40 {

namespace {
constexpr int DefaultPort = 1;
constexpr int HighestPort = 255;
} // namespace

QLocale::Language LanguageFromSetting(const QString& value, const QLocale& system)
{
    if (value.isEmpty()) // the language dialog writes "True" or "False"
        return system.language() == QLocale::Chinese ? QLocale::Chinese : QLocale::English;
    return value == QStringLiteral("True") ? QLocale::English : QLocale::Chinese;
}

int ComPortFromSetting(const QString& value)
{
    static const QRegularExpression leadingNumber(QStringLiteral("^\\s*([+-]?(\\d+(\\.\\d*)?|\\.\\d+))"));
    const auto match = leadingNumber.match(value);
    if (!match.hasMatch())
        return DefaultPort;
    const double number = std::nearbyint(match.captured(1).toDouble()); // ties to even
    if (number < 1 || number > HighestPort)
        return DefaultPort;
    return static_cast<int>(number);
}

} // namespace t40
