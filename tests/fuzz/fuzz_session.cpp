// Fuzz target: the programming session fed a byte stream and a tick pattern.
// Its frames go to a virtual radio whose answers reach the session through a
// line that the input can cut, stuff, garble and delay.
//
// Input: byte 0 the request, byte 1 the band flags, then one operation a byte
// (high three bits: what, low five: how much); prompts take their answer from
// the next byte.

#include "programming_session.h"
#include "virtual_radio.h"

#include <cstdint>
#include <cstdlib>

using namespace t40;

namespace {
void Require(bool condition)
{
    if (!condition)
        std::abort();
}

struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    bool empty() const { return at >= size; }
    std::uint8_t next() { return empty() ? 0 : data[at++]; }
};

// Every frame the program sends must be one of the protocol's, inside the run's range.
void CheckFrame(const QByteArray& frame, const SessionRequest& request)
{
    const SessionRange range = RangeFor(request);
    if (frame == QByteArray(Frame::Handshake))
        return;
    if (frame.size() == 1) {
        const auto b = std::uint8_t(frame.at(0));
        Require(b == Frame::Ack || b == Frame::IdentityRequest || b == Frame::End);
        return;
    }
    Require(frame.size() >= Frame::HeaderSize);
    const int address = std::uint8_t(frame.at(1)) * 256 + std::uint8_t(frame.at(2));
    if (std::uint8_t(frame.at(0)) == Frame::Read) {
        Require(request.isRead() && frame.size() == Frame::HeaderSize);
        Require(std::uint8_t(frame.at(3)) == range.readBlock && range.holds(address, range.readBlock));
        return;
    }
    Require(std::uint8_t(frame.at(0)) == Frame::Data && !request.isRead());
    Require(frame.size() == Frame::WriteFrameSize && range.holds(address, Frame::WriteBlockSize));
}

class FuzzLine : public SerialLink, public SessionPrompts, public SessionHost {
public:
    FuzzLine(Input& input, const SessionRequest& request) : input_(input), request_(request) { }

    bool isOpen() const override { return open_; }
    bool open(QString* reason) override
    {
        if (input_.next() == 0xFF) { // now and then the port cannot be had
            *reason = QStringLiteral("busy");
            return false;
        }
        open_ = true;
        return true;
    }
    void close() override { open_ = false; }
    void write(const QByteArray& frame) override
    {
        Require(open_);
        CheckFrame(frame, request_);
        received.append(radio.receive(frame));
    }
    QByteArray readAll() override
    {
        const QByteArray all = received;
        received.clear();
        return all;
    }
    void setReceiveThreshold(int bytes) override { threshold = bytes; }
    void drain() override { }

    bool retryConnection() override { return input_.next() & 1; }
    bool overwriteBand() override { return input_.next() & 1; }
    void portOpenFailed(const QString&) override { }

    void startWatchdog(int) override { armed = true; }
    void stopWatchdog() override { armed = false; }
    void setCaption(const QString&) override { }
    void showProgress(double fraction) override { Require(fraction >= 0.0 && fraction <= 1.0); }
    void completionReport(bool succeeded) override
    {
        ++reports;
        lastSucceeded = succeeded;
    }

    VirtualRadio radio;
    QByteArray received;
    int threshold = 0;
    bool armed = false;
    int reports = 0;
    bool lastSucceeded = false;

private:
    Input& input_;
    SessionRequest request_;
    bool open_ = false;
};

SessionRequest RequestOf(std::uint8_t b)
{
    static constexpr SessionKind Kinds[] = { SessionKind::Whole, SessionKind::PasswordChange, SessionKind::Tune,
                                             SessionKind::DealerInfo, SessionKind::Special, SessionKind::Dtmf };
    static constexpr int Bands[] = { 400, 200, 136, 350 };
    return { Kinds[(b & 7) % 6], (b & 8) ? Direction::Write : Direction::Read, Bands[(b >> 4) & 3] };
}

void Fill(RadioImage& memory, int seed)
{
    for (int a = 0; a < RadioImage::MemorySize; ++a)
        memory.setMemoryByte(a, std::uint8_t(a * 7 + seed));
}

// A run's outcome must be honest to the image: a read changes nothing outside
// its range, and nothing at all unless it succeeded; a write changes nothing.
void CheckImage(const RadioImage& before, const RadioImage& after, const SessionRequest& request, bool succeeded)
{
    const SessionRange range = RangeFor(request);
    for (int a = 0; a < RadioImage::MemorySize; ++a)
        if (!(request.isRead() && succeeded && range.holds(a, 1)))
            Require(before.memoryByte(a) == after.memoryByte(a));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input input { data, size };
    const SessionRequest request = RequestOf(input.next());
    const std::uint8_t bands = input.next();
    FuzzLine line(input, request);
    Fill(line.radio.memory(), 3);
    line.radio.setBandFlag((bands & 1) ? 1 : 0x73);
    RadioImage image;
    Fill(image, 5);
    image.setByte(445, (bands & 2) ? 1 : 0x73);
    ProgrammingSession session(line, line, line, image);
    session.setRequest(request);

    int begun = 0;
    RadioImage before = image;
    auto begin = [&] {
        before = image;
        ++begun;
        session.Begin(QStringLiteral("Read data from radio"));
    };
    auto tick = [&] {
        line.armed = false;
        const int reports = line.reports;
        session.Timer1_Timer();
        if (line.reports != reports)
            CheckImage(before, image, request, line.lastSucceeded);
    };
    auto step = [&] {
        if (line.threshold > 0 && line.received.size() >= line.threshold) {
            session.OnComm();
            return true;
        }
        if (line.armed) {
            tick();
            return true;
        }
        return false;
    };

    begin();
    while (!input.empty()) {
        const std::uint8_t op = input.next();
        const int n = (op & 31) + 1;
        switch (op >> 5) {
        case 0: step(); break;
        case 1: // the watchdog runs out before what is waiting is taken
            if (line.armed)
                tick();
            break;
        case 2:
            for (int i = 0; i < n && !input.empty(); ++i)
                line.received.append(char(input.next()));
            break;
        case 3: line.received.remove(0, n); break;
        case 4:
            if (!line.received.isEmpty())
                line.received[n % line.received.size()] = char(input.next());
            break;
        case 5: session.OnComm(); break;
        case 6: line.radio.faults().silent = !line.radio.faults().silent; break;
        case 7:
            if (line.reports == begun) // the buttons are enabled again
                begin();
            break;
        }
        Require(line.reports <= begun);
    }
    // Let the run end: prompts now answer Cancel.
    for (int i = 0; i < 20000 && step(); ++i) { }
    Require(line.reports <= begun);
    return 0;
}
