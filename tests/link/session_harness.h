#pragma once

#include "programming_session.h"
#include "pty_radio_server.h"
#include "qt_serial_link.h"
#include "virtual_radio.h"

#include <QEventLoop>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
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

// The engine on a real QSerialPort, against the virtual radio on a
// pseudo-terminal, with a real watchdog timer.
class LoopHost : public SessionHost {
public:
    LoopHost() { watchdog.setSingleShot(true); }
    void startWatchdog(int intervalMs) override { watchdog.start(intervalMs); }
    void stopWatchdog() override { watchdog.stop(); }
    void setCaption(const QString&) override { }
    void showProgress(double) override { }
    void completionReport(bool succeeded) override
    {
        reports.push_back(succeeded);
        loop.quit();
    }

    QTimer watchdog;
    QEventLoop loop;
    std::vector<bool> reports;
};

struct PtyBench {
    VirtualRadio radio;
    RadioImage image;
    PtyRadioServer server { radio };
    ScriptedPrompts prompts;
    LoopHost host;
    std::unique_ptr<QtSerialLink> link;
    std::unique_ptr<ProgrammingSession> session;

    // Runs one session to its completion report; false when the terminal cannot be made.
    bool start(const SessionRequest& request, int timeoutMs = 20000)
    {
        if (!server.open(nullptr))
            return false;
        link = std::make_unique<QtSerialLink>(server.devicePath());
        session = std::make_unique<ProgrammingSession>(*link, prompts, host, image);
        QObject::connect(&host.watchdog, &QTimer::timeout, [this] { session->Timer1_Timer(); });
        QObject::connect(link.get(), &QtSerialLink::receiveReady, [this] { session->OnComm(); });
        server.startThread();
        session->setRequest(request);
        session->Begin(QStringLiteral("Read data from radio"));
        QTimer::singleShot(timeoutMs, &host.loop, &QEventLoop::quit);
        host.loop.exec();
        server.stop();
        return true;
    }
};

} // namespace t40::test
