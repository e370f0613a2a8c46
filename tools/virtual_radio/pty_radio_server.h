#pragma once

#include "virtual_radio.h"

#include <QString>

#include <atomic>
#include <functional>
#include <thread>

namespace t40 {

// Serves a virtual radio on a pseudo-terminal: programs open devicePath() as
// their serial port. Paced, the line runs at 9600 baud in both directions:
// bytes the radio sends leave one per 1.04 ms, and bytes it receives count as
// arrived only after their line time.
class PtyRadioServer {
public:
    explicit PtyRadioServer(VirtualRadio& radio);
    ~PtyRadioServer();
    PtyRadioServer(const PtyRadioServer&) = delete;
    PtyRadioServer& operator=(const PtyRadioServer&) = delete;

    bool open(QString* reason);
    QString devicePath() const { return path_; }
    void setPaced(bool paced) { paced_ = paced; }
    // When the radio hangs up, the pseudo-terminal goes away (as an unplugged cable's port would).
    void setVanishOnHangUp(bool vanish) { vanishOnHangUp_ = vanish; }
    // A radio in row mode is taken off once the line has been quiet for
    // quietMs after its exchange, and the next one is plugged in gapMs later.
    void setSwapTimes(int quietMs, int gapMs)
    {
        swapQuietMs_ = quietMs;
        swapGapMs_ = gapMs;
    }
    // Called after every end frame, on the serving thread.
    void setOnSessionEnd(std::function<void()> callback) { onSessionEnd_ = std::move(callback); }

    // Serves until stop() (or a hang-up that removes the terminal).
    void serve();
    void startThread();
    void stop();
    bool vanished() const { return master_ < 0; }

private:
    void closeAll();
    void sendPaced(const QByteArray& bytes);
    void swapRadio(long long now);

    VirtualRadio& radio_;
    QString path_;
    int master_ = -1;
    int slave_ = -1;
    bool paced_ = false;
    bool vanishOnHangUp_ = true;
    int swapQuietMs_ = 300;
    int swapGapMs_ = 1500;
    long long lastByteAt_ = 0;
    long long unpluggedAt_ = 0;
    std::function<void()> onSessionEnd_;
    std::atomic<bool> stop_ { false };
    std::thread thread_;
};

} // namespace t40
