#include "port_catalog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QSettings>

namespace t40 {

namespace {
PortCatalog* g_catalog = nullptr;

QMap<int, QString> PortMap()
{
    QMap<int, QString> map;
    QSettings settings(QStringLiteral("ZEV"), QStringLiteral("T40"));
    settings.beginGroup(QStringLiteral("Ports"));
    for (const QString& key : settings.childKeys()) {
        const int n = PortNumberFromName(key);
        const QString device = settings.value(key).toString();
        if (n > 0 && !device.isEmpty())
            map.insert(n, device);
    }
    settings.endGroup();
#ifndef Q_OS_WIN
    int next = 1;
    for (const char* series : { "/dev/ttyS", "/dev/ttyUSB", "/dev/ttyACM" }) {
        for (int i = 0;; ++i) {
            const QString device = QString::fromLatin1(series) + QString::number(i);
            if (!QFileInfo::exists(device))
                break;
            while (map.contains(next))
                ++next;
            map.insert(next, device);
        }
    }
#endif
    return map;
}
} // namespace

QMap<int, QString> NumberedPorts()
{
#ifdef Q_OS_WIN
    QMap<int, QString> map;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        if (const int n = PortNumberFromName(info.portName()); n > 0)
            map.insert(n, info.portName());
    QSettings settings(QStringLiteral("ZEV"), QStringLiteral("T40"));
    settings.beginGroup(QStringLiteral("Ports"));
    for (const QString& key : settings.childKeys())
        if (const int n = PortNumberFromName(key); n > 0 && !settings.value(key).toString().isEmpty())
            map.insert(n, settings.value(key).toString());
    return map;
#else
    return PortMap();
#endif
}

int PortNumberFromName(const QString& name)
{
    static const QRegularExpression com(QStringLiteral("^COM(\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    const auto match = com.match(name.trimmed());
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString SystemPortCatalog::deviceFor(int number) const
{
    if (number <= 0)
        return QString();
#ifdef Q_OS_WIN
    QSettings settings(QStringLiteral("ZEV"), QStringLiteral("T40"));
    const QString over = settings.value(QStringLiteral("Ports/COM%1").arg(number)).toString();
    return over.isEmpty() ? QStringLiteral("COM%1").arg(number) : over;
#else
    return PortMap().value(number);
#endif
}

bool SystemPortCatalog::probe(int number, QString* reason) const
{
    const QString device = deviceFor(number);
    if (device.isEmpty()) {
        if (reason)
            *reason = QStringLiteral("COM%1 does not exist").arg(number);
        return false;
    }
    QSerialPort port(device);
    if (!port.open(QIODevice::ReadWrite)) {
        if (reason)
            *reason = port.errorString();
        return false;
    }
    port.close();
    return true;
}

PortCatalog::Access SystemPortCatalog::access(int number) const
{
    const QString device = deviceFor(number);
    if (device.isEmpty())
        return Access::Unusable;
    QSerialPort port(device);
    if (port.open(QIODevice::ReadWrite)) {
        port.close();
        return Access::Usable;
    }
    return port.error() == QSerialPort::PermissionError && QFileInfo::exists(device) ? Access::Denied : Access::Unusable;
}

QString SystemPortCatalog::describe(int number) const
{
    const QString device = deviceFor(number);
    if (device.isEmpty())
        return QString();
    const QString chip = PortChipText(device);
    return chip.isEmpty() ? device : device + QStringLiteral("  ") + chip;
}

QString PortChipText(const QString& device)
{
    const QSerialPortInfo info(device);
    QStringList words;
    if (!info.description().isEmpty())
        words << info.description();
    if (!info.manufacturer().isEmpty() && !info.description().contains(info.manufacturer()))
        words << info.manufacturer();
    if (info.hasVendorIdentifier() && info.hasProductIdentifier())
        words << QStringLiteral("(%1:%2)")
                     .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                     .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
    return words.join(QLatin1Char(' '));
}

QString PortAccessHint(const QString& device)
{
    return QCoreApplication::translate("t40::PortCatalog",
                                       "You may not use %1. Add your user to the \"dialout\" group "
                                       "(sudo adduser $USER dialout, then log in again), or install the udev rule "
                                       "60-t40-cable.rules that comes with the program and plug the cable in again.")
        .arg(device);
}

PortCatalog& CurrentPortCatalog()
{
    static SystemPortCatalog system;
    return g_catalog ? *g_catalog : system;
}

void SetPortCatalog(PortCatalog* catalog)
{
    g_catalog = catalog;
}

} // namespace t40
