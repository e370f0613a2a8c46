#include "qt_serial_link.h"

#include "port_holders.h"

#include <QFile>
#include <QSettings>
#include <QThread>
#include <QTimer>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <termios.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace t40 {

namespace {
constexpr int WriteTimeoutMs = 2000;

// Qt reports a port that another program holds (its lock file, or an
// exclusive open) as a permission error; a device we may open is then in use.
bool InUse(QSerialPort::SerialPortError error, const QString& device)
{
    if (error != QSerialPort::PermissionError)
        return false;
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0;
#else
    Q_UNUSED(device);
    return true;
#endif
}

// "minicom (process 1234)" for the program that has the device open, where
// the system lets us see it; empty otherwise. A competitor is named before
// the far end of a pseudo-terminal, which holds the line only when it is the one in the way.
QString HolderOf(const QString& device)
{
    const QList<PortHolder> holders = PortHolders(device);
    if (holders.isEmpty())
        return QString();
    auto holder = std::find_if(holders.begin(), holders.end(), [](const PortHolder& h) { return !h.ptyFarEnd; });
    if (holder == holders.end())
        holder = holders.begin();
    return QStringLiteral("%1 (process %2)").arg(holder->name, holder->pid);
}
} // namespace

CableLines StoredCableLines()
{
    const QSettings settings(QStringLiteral("ZEV"), QStringLiteral("T40"));
    CableLines lines;
    lines.dtr = settings.value(QStringLiteral("CableDTR")).toString() != QLatin1String("False");
    lines.rts = settings.value(QStringLiteral("CableRTS")).toString() != QLatin1String("False");
    return lines;
}

void StoreCableLines(const CableLines& lines)
{
    QSettings settings(QStringLiteral("ZEV"), QStringLiteral("T40"));
    settings.setValue(QStringLiteral("CableDTR"), lines.dtr ? QStringLiteral("True") : QStringLiteral("False"));
    settings.setValue(QStringLiteral("CableRTS"), lines.rts ? QStringLiteral("True") : QStringLiteral("False"));
}

QtSerialLink::QtSerialLink(const QString& device, QObject* parent)
    : QObject(parent)
    , device_(device)
{
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialLink::checkThreshold);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialLink::onError);
}

QtSerialLink::~QtSerialLink()
{
    close();
}

bool QtSerialLink::open(QString* reason)
{
    if (device_.isEmpty()) {
        if (reason)
            *reason = QStringLiteral("No such serial port");
        return false;
    }
    port_.setPortName(device_);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    accessDenied_ = false;
    if (!port_.open(QIODevice::ReadWrite)) {
        // A port another program holds is no matter of permissions: no advice about groups then.
        const bool inUse = InUse(port_.error(), device_);
        accessDenied_ = port_.error() == QSerialPort::PermissionError && !inUse;
        if (reason) {
            const QString holder = inUse ? HolderOf(device_) : QString();
            *reason = !inUse ? port_.errorString()
                : holder.isEmpty() ? QStringLiteral("in use by another program")
                                   : QStringLiteral("in use by another program: %1").arg(holder);
        }
        return false;
    }
    // Only a line the user wants low is touched; a terminal without modem
    // lines refuses, which is no reason to stop.
    const CableLines lines = StoredCableLines();
    if (!lines.dtr)
        port_.setDataTerminalReady(false);
    if (!lines.rts)
        port_.setRequestToSend(false);
    port_.clearError();
    requestLowLatency();
    return true;
}

// USB adapters otherwise hold received bytes back for up to 16 ms; each block
// of the exchange waits for its answer, so that would add up. Devices that
// know no such mode (a pseudo-terminal) simply refuse, which is fine.
void QtSerialLink::requestLowLatency()
{
#ifdef Q_OS_LINUX
    serial_struct serial {};
    const int fd = int(port_.handle());
    if (::ioctl(fd, TIOCGSERIAL, &serial) == 0) {
        serial.flags |= ASYNC_LOW_LATENCY;
        ::ioctl(fd, TIOCSSERIAL, &serial);
    }
#endif
}

void QtSerialLink::close()
{
    // A frame still in the output buffer (the end frame of a refused write) goes out first.
    if (port_.isOpen() && port_.error() == QSerialPort::NoError) {
        while (port_.bytesToWrite() > 0 && port_.waitForBytesWritten(WriteTimeoutMs)) { }
    }
    if (port_.isOpen())
        port_.close();
}

void QtSerialLink::write(const QByteArray& frame)
{
    if (port_.isOpen()) {
        port_.write(frame);
        port_.flush(); // hand the frame to the driver now rather than on the next loop turn
    }
}

QByteArray QtSerialLink::readAll()
{
    return port_.isOpen() ? port_.readAll() : QByteArray();
}

void QtSerialLink::setReceiveThreshold(int bytes)
{
    threshold_ = bytes;
    // Bytes already waiting count too: look again once control is back in the loop.
    if (bytes > 0)
        QTimer::singleShot(0, this, &QtSerialLink::checkThreshold);
}

void QtSerialLink::drain()
{
    if (port_.isOpen() && port_.error() == QSerialPort::NoError) {
        while (port_.bytesToWrite() > 0 && port_.waitForBytesWritten(WriteTimeoutMs)) { }
#ifdef Q_OS_UNIX
        ::tcdrain(int(port_.handle()));
#endif
    }
    if (pauseMs_ > 0)
        QThread::msleep(pauseMs_);
}

void QtSerialLink::checkThreshold()
{
    if (threshold_ > 0 && port_.isOpen() && port_.bytesAvailable() >= threshold_)
        emit receiveReady();
}

void QtSerialLink::onError(QSerialPort::SerialPortError error)
{
    // A device that has gone away is closed; the session's watchdog then
    // reports the silence. Other errors (a pseudo-terminal has no modem
    // lines, for one) do not stop the exchange.
    if (error == QSerialPort::ResourceError || error == QSerialPort::PermissionError) {
        if (port_.isOpen())
            QTimer::singleShot(0, this, [this] { close(); });
    }
}

} // namespace t40
