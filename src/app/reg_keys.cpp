#include "reg_keys.h"

#include <QSettings>
#include <QStringList>

#include <memory>

namespace t40 {

namespace {
std::unique_ptr<QSettings> OpenKey(RegHive hive, const QString& subKey)
{
#ifdef Q_OS_WIN
    const QString root = hive == RegHive::LocalMachine ? QStringLiteral("HKEY_LOCAL_MACHINE\\")
                                                       : QStringLiteral("HKEY_CURRENT_USER\\");
    return std::make_unique<QSettings>(root + subKey, QSettings::NativeFormat);
#else
    Q_UNUSED(hive);
    const QStringList parts = subKey.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (parts.size() < 3)
        return nullptr;
    auto settings = std::make_unique<QSettings>(parts.at(1), parts.at(2));
    for (int i = 3; i < parts.size(); ++i)
        settings->beginGroup(parts.at(i));
    return settings;
#endif
}
} // namespace

bool RegWriteString(RegHive hive, const QString& subKey, const QString& valueName, const QString& value)
{
    auto settings = OpenKey(hive, subKey);
    if (!settings || !settings->isWritable())
        return false;
    settings->setValue(valueName, value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

QString RegReadValue(RegHive hive, const QString& subKey, const QString& valueName)
{
    auto settings = OpenKey(hive, subKey);
    if (!settings)
        return QString();
    const QVariant value = settings->value(valueName);
    if (!value.isValid())
        return QString();
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        const QString text = value.toString();
        const qsizetype zero = text.indexOf(QChar(0));
        return zero >= 0 ? text.left(zero) : text;
    }
    default:
        return QString();
    }
}

} // namespace t40
