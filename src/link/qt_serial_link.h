#pragma once

#include "session_ports.h"

#include <QObject>
#include <QSerialPort>

namespace t40 {

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
