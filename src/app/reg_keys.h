#pragma once

#include <QString>

namespace t40 {

enum class RegHive { LocalMachine, CurrentUser };

// The program's key and its values.
inline const QString AppRegistryKey = QStringLiteral("SoftWare\\ZEV\\T40");
inline const QString LanguageValue = QStringLiteral("Language");
inline const QString ComPortValue = QStringLiteral("ComPort");
inline const QString VerifyAfterWriteValue = QStringLiteral("VerifyAfterWrite"); // "True" or "False"
inline const QString ShowChangesBeforeWriteValue = QStringLiteral("ShowChangesBeforeWrite"); // "False" switches it off

// The stored settings. On Windows the registry key under the hive; elsewhere
// the user's settings file of organisation "ZEV", application "T40" (the
// second and third parts of the key). Values are texts.
bool RegWriteString(RegHive hive, const QString& subKey, const QString& valueName, const QString& value);
// The value's text; empty when the key or value is missing or not a text or
// number.
QString RegReadValue(RegHive hive, const QString& subKey, const QString& valueName);

} // namespace t40
