#pragma once

#include "session_ports.h"

#include <QObject>
#include <QSerialPort>

namespace t40 {

// Whether the cable's DTR and RTS lines are asserted while the port is open:
// some cables draw their power from them, some key the radio with them. The
// system asserts both on opening; "CableDTR" / "CableRTS" = "False" among
// the stored settings lowers them.
struct CableLines {
    bool dtr = true;
    bool rts = true;
};
CableLines StoredCableLines();
void StoreCableLines(const CableLines& lines);

// The programming line over QSerialPort: 9600,N,8,1 without flow control.
// receiveReady() is emitted on the thread of the object once at least the
// threshold's number of bytes is waiting.
class QtSerialLink : public QObject, public SerialLink {
    Q_OBJECT
public:
    explicit QtSerialLink(const QString& device, QObject* parent = nullptr);
    ~QtSerialLink() override;

    bool isOpen() const override { return port_.isOpen(); }
    bool open(QString* reason) override;
    void close() override;
    void write(const QByteArray& frame) override;
    QByteArray readAll() override;
    void setReceiveThreshold(int bytes) override;
    void drain() override;

    // A fixed pause after the output has drained, before the port closes.
    void setPauseBeforeClose(int ms) { pauseMs_ = ms; }
    // Another device for the next open() (the port was chosen anew); closes the line first.
    void setDevice(const QString& device)
    {
        close();
        device_ = device;
    }
    QString device() const { return device_; }
    // The last open() failed because the user may not use the device.
    bool accessDenied() const { return accessDenied_; }

signals:
    void receiveReady();

private:
    void checkThreshold();
    void requestLowLatency();
    void onError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    QString device_;
    int threshold_ = 0;
    int pauseMs_ = 0;
    bool accessDenied_ = false;
};

} // namespace t40
