#include "pty_radio_server.h"

#include <cerrno>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace t40 {

namespace {
constexpr long ByteTimeNs = 10L * 1000000000L / 9600; // ten bits a character

timespec Now()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t;
}

long long ToNs(const timespec& t) { return (long long)t.tv_sec * 1000000000LL + t.tv_nsec; }

void SleepUntil(long long ns)
{
    timespec t { time_t(ns / 1000000000LL), long(ns % 1000000000LL) };
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, nullptr) == EINTR) { }
}

QString ErrnoText() { return QString::fromLocal8Bit(std::strerror(errno)); }
} // namespace

PtyRadioServer::PtyRadioServer(VirtualRadio& radio)
    : radio_(radio)
{
}

PtyRadioServer::~PtyRadioServer()
{
    stop();
    closeAll();
}

bool PtyRadioServer::open(QString* reason)
{
    // Neither end is handed down to programs started meanwhile (a test's holder, say).
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        if (reason)
            *reason = ErrnoText();
        closeAll();
        return false;
    }
    path_ = QString::fromLocal8Bit(ptsname(master_));
    termios raw {};
    tcgetattr(master_, &raw);
    cfmakeraw(&raw);
    cfsetispeed(&raw, B9600);
    cfsetospeed(&raw, B9600);
    tcsetattr(master_, TCSANOW, &raw);
    // Holding the terminal's own end open keeps the master readable while no
    // program has the port open.
    slave_ = ::open(path_.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        if (reason)
            *reason = ErrnoText();
        closeAll();
        return false;
    }
    return true;
}

void PtyRadioServer::closeAll()
{
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
}

void PtyRadioServer::sendPaced(const QByteArray& bytes)
{
    if (!paced_) {
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t n = ::write(master_, bytes.constData() + done, size_t(bytes.size() - done));
            if (n <= 0)
                return;
            done += n;
        }
        return;
    }
    long long at = ToNs(Now());
    for (char c : bytes) {
        at += ByteTimeNs;
        SleepUntil(at); // the byte has crossed the line
        if (::write(master_, &c, 1) != 1)
            return;
    }
}

void PtyRadioServer::serve()
{
    long long lastArrival = 0;
    char buffer[512];
    while (!stop_ && master_ >= 0) {
        swapRadio(ToNs(Now()));
        pollfd p { master_, POLLIN, 0 };
        if (poll(&p, 1, 50) <= 0 || !(p.revents & POLLIN))
            continue;
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        QByteArray answer;
        const long long readAt = ToNs(Now());
        lastByteAt_ = readAt;
        for (ssize_t i = 0; i < n; ++i) {
            if (paced_) {
                lastArrival = std::max(lastArrival, readAt) + ByteTimeNs;
                SleepUntil(lastArrival);
            }
            const int endsBefore = radio_.countFrames(RadioFrame::End);
            const QByteArray reply = radio_.receive(QByteArray(1, buffer[i]));
            if (!reply.isEmpty())
                sendPaced(reply);
            if (radio_.countFrames(RadioFrame::End) != endsBefore && onSessionEnd_)
                onSessionEnd_();
            if (radio_.hungUp() && vanishOnHangUp_ && !radio_.rowMode()) {
                closeAll();
                return;
            }
        }
    }
}

void PtyRadioServer::swapRadio(long long now)
{
    constexpr long long NsPerMs = 1000000;
    if (radio_.swapDue() && now - lastByteAt_ >= swapQuietMs_ * NsPerMs) {
        radio_.unplug();
        unpluggedAt_ = now;
    } else if (radio_.rowMode() && radio_.unplugged() && now - unpluggedAt_ >= swapGapMs_ * NsPerMs) {
        radio_.plugInNext();
    }
}

void PtyRadioServer::startThread()
{
    stop_ = false;
    thread_ = std::thread([this] { serve(); });
}

void PtyRadioServer::stop()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

} // namespace t40
