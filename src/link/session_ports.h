#pragma once

#include <QByteArray>
#include <QString>

namespace t40 {

// The serial line as the programming session sees it. The host calls
// ProgrammingSession::OnComm once at least receiveThreshold() bytes are waiting.
class SerialLink {
public:
    virtual ~SerialLink() = default;
    virtual bool isOpen() const = 0;
    // Opens at 9600,N,8,1 without flow control; reason gets the system's words on failure.
    virtual bool open(QString* reason) = 0;
    virtual void close() = 0;
    // One frame, one write.
    virtual void write(const QByteArray& frame) = 0;
    // Everything received so far; the receive buffer is emptied.
    virtual QByteArray readAll() = 0;
    // 0: no notifications.
    virtual void setReceiveThreshold(int bytes) = 0;
    // Gives the last frame time to leave the line before the port closes.
    // (close() itself also sends what is still buffered.)
    virtual void drain() = 0;
};

// The questions a run asks. Hosts answer them with message boxes, flags or a script.
class SessionPrompts {
public:
    virtual ~SessionPrompts() = default;
    // "Check connection!Retry or cancel?": true for Retry.
    virtual bool retryConnection() = 0;
    // "Frequency band is different,Overwrite?": true for OK.
    virtual bool overwriteBand() = 0;
    // The port could not be opened.
    virtual void portOpenFailed(const QString& reason) = 0;
};

// What the window (or tool) around a run provides.
class SessionHost {
public:
    virtual ~SessionHost() = default;
    // Arms the watchdog for one tick after intervalMs; a new call re-arms it.
    virtual void startWatchdog(int intervalMs) = 0;
    virtual void stopWatchdog() = 0;
    virtual void setCaption(const QString& caption) = 0;
    virtual void showProgress(double fraction) = 0;
    // The handshake went out: attempt of attempts before the user is asked.
    virtual void waitingForRadio(int attempt, int attempts) { Q_UNUSED(attempt); Q_UNUSED(attempts); }
    // The watchdog tick after a run ended, whatever its outcome.
    virtual void completionReport(bool succeeded) = 0;
};

} // namespace t40
