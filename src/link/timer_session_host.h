#pragma once

#include "session_ports.h"

#include <QTimer>

namespace t40 {

// The host of the runs without a window (the radio row, the command line):
// the watchdog is a single-shot timer whose timeout the host connects, and
// there is no caption to set.
class TimerSessionHost : public SessionHost {
public:
    TimerSessionHost() { watchdog_.setSingleShot(true); }

    void startWatchdog(int intervalMs) override { watchdog_.start(intervalMs); }
    void stopWatchdog() override { watchdog_.stop(); }
    void setCaption(const QString&) override { }

protected:
    QTimer watchdog_;
};

} // namespace t40
