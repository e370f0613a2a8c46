#pragma once

#include "programming_session.h"
#include "virtual_radio.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace t40::test {

// A line straight into the virtual radio: what the program writes reaches the
// radio at once and the radio's answer waits in the receive buffer.
class RadioLink : public SerialLink {
public:
    explicit RadioLink(VirtualRadio& radio) : radio_(radio) { }
    bool isOpen() const override { return open_; }
    bool open(QString* reason) override
    {
        if (failOpen) {
            *reason = QStringLiteral("Permission denied");
            return false;
        }
        open_ = true;
        ++opens;
        return true;
    }
    void close() override { open_ = false; }
    void write(const QByteArray& frame) override
    {
        written.push_back(frame);
        if (open_)
            received.append(radio_.receive(frame));
    }
    QByteArray readAll() override
    {
        const QByteArray all = received;
        received.clear();
        return all;
    }
    void setReceiveThreshold(int bytes) override { threshold = bytes; }
    void drain() override { ++drains; }

    bool failOpen = false;
    int opens = 0;
    int drains = 0;
    int threshold = 0;
    QByteArray received;
    std::vector<QByteArray> written;

private:
    VirtualRadio& radio_;
    bool open_ = false;
};

class ScriptedPrompts : public SessionPrompts {
public:
    bool retryConnection() override
    {
        ++retryPrompts;
        handshakesAtPrompt.push_back(handshakes ? handshakes() : 0);
        if (duringPrompt)
            duringPrompt();
        if (retryAnswers.empty())
            return false;
        const bool answer = retryAnswers.front();
        retryAnswers.pop_front();
        return answer;
    }
    bool overwriteBand() override
    {
        ++bandPrompts;
        return overwrite;
    }
    void portOpenFailed(const QString& reason) override { portFailures.push_back(reason); }

    std::deque<bool> retryAnswers;
    bool overwrite = false;
    int retryPrompts = 0;
    int bandPrompts = 0;
    std::vector<int> handshakesAtPrompt;
    QStringList portFailures;
    std::function<int()> handshakes;
    std::function<void()> duringPrompt;
};

// The watchdog of an instant clock: an armed tick fires as soon as nothing
// else is waiting.
class InstantHost : public SessionHost {
public:
    void startWatchdog(int intervalMs) override
    {
        armed = true;
        interval = intervalMs;
    }
    void stopWatchdog() override { armed = false; }
    void setCaption(const QString& caption) override { captions << caption; }
    void showProgress(double fraction) override { progress.push_back(fraction); }
    void completionReport(bool succeeded) override { reports.push_back(succeeded); }

    bool armed = false;
    int interval = 0;
    int ticks = 0;
    QStringList captions;
    std::vector<double> progress;
    std::vector<bool> reports;
};

// One engine against one virtual radio.
struct Bench {
    VirtualRadio radio;
    RadioImage image;
    RadioLink link { radio };
    ScriptedPrompts prompts;
    InstantHost host;
    ProgrammingSession session { link, prompts, host, image };

    Bench()
    {
        prompts.handshakes = [this] { return radio.countFrames(RadioFrame::Handshake); };
    }

    // Delivers replies and ticks until nothing more happens.
    void run(int limit = 100000)
    {
        for (int step = 0; step < limit; ++step) {
            if (link.threshold > 0 && link.received.size() >= link.threshold) {
                session.OnComm();
                continue;
            }
            if (host.armed) {
                host.armed = false;
                ++host.ticks;
                session.Timer1_Timer();
                continue;
            }
            return;
        }
    }

    void start(const SessionRequest& request, const QString& caption = QStringLiteral("Read data from radio"))
    {
        session.setRequest(request);
        session.Begin(caption);
        run();
    }
};

} // namespace t40::test
