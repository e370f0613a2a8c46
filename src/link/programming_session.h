#pragma once

#include "radio_image.h"
#include "session_ports.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace t40 {

// Which memory a run moves. A password change is a whole-image write that
// also sends the password block; read, it is an ordinary whole-image read.
enum class SessionKind { Whole, PasswordChange, Tune, DealerInfo, Special, Dtmf };
enum class Direction { Read, Write };

// What the caller asks for.
struct SessionRequest {
    SessionKind kind = SessionKind::Whole;
    Direction direction = Direction::Read;
    int bandLowMHz = 400; // chooses the tune write's band section

    bool isRead() const { return direction == Direction::Read; }
    bool operator==(const SessionRequest&) const = default;
};

// The radio addresses a run walks: from start up to (not including) end.
struct SessionRange {
    std::uint16_t start;
    std::uint16_t end;
    int readBlock;             // bytes per read request
    std::uint16_t progressBase; // progress runs from here to end

    bool holds(int address, int length) const { return address >= start && address + length <= end; }
};

SessionRange RangeFor(const SessionRequest& request);

// "###%": the percentage rounded, no leading zeros, so 0 shows the sign alone.
QString PercentText(double fraction);
// "Complete:" with the percentage, in the interface language.
QString ProgressText(double fraction);

namespace Frame {
constexpr char Handshake[] = "PRGK507";
constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t IdentityRequest = 0x02;
constexpr std::uint8_t Read = 0x52;
constexpr std::uint8_t Data = 0x57;
constexpr std::uint8_t End = 0x45;
constexpr int IdentitySize = 8;
constexpr int IdentityBandByte = 5;
constexpr int HeaderSize = 4; // "R"/"W", address high, address low, length
constexpr int WriteBlockSize = 16;
constexpr int WriteFrameSize = HeaderSize + WriteBlockSize;
} // namespace Frame

namespace SessionTiming {
constexpr int WatchdogMs = 1000;     // a reply later than this counts as silence
constexpr int ReportNowMs = 1;       // the watchdog tick that runs the completion report
constexpr int PauseBeforeCloseMs = 100; // after the end frame, before the port closes
} // namespace SessionTiming

// Silent handshake repeats before the user is asked; after the handshake the
// count stands at the limit, so the first later fault asks at once.
constexpr int SilentRetryLimit = 10;

// What the run waits for.
enum class SessionState { Idle, HandshakeSent, IdentityRequested, AwaitingAck, AwaitingData };

// The radio programming exchange: a state machine fed by receive notifications
// (OnComm) and watchdog ticks (Timer1_Timer). It knows nothing of windows; it
// writes frames through the link, asks through the prompts and arms its
// watchdog through the host.
//
// A run succeeds only when every block of its range was exchanged under its
// own address. Reads are gathered in a staging copy of the memory, and only
// the run's range of it goes into the image, when the run completes: a failed
// or cancelled read leaves the image as it was.
class ProgrammingSession {
public:
    ProgrammingSession(SerialLink& link, SessionPrompts& prompts, SessionHost& host, RadioImage& image);

    void setRequest(const SessionRequest& request) { request_ = request; }
    const SessionRequest& request() const { return request_; }

    // A Read or Write button press: a fresh run from the handshake.
    void Begin(const QString& caption);
    // Starts (or, with the caption "Retry", restarts) the exchange from the handshake.
    void StartSession(const QString& caption);
    void OnComm();
    void Timer1_Timer();

    SessionState state() const { return state_; }
    int RetryCount() const { return retryCount_; }
    bool PromptShown() const { return promptShown_; }
    bool AwaitingReply() const { return awaitingReply_; }
    bool SessionFinished() const { return finished_; }
    bool SessionSucceeded() const { return succeeded_; }
    std::uint16_t BlockAddress() const { return blockAddress_; }
    std::uint16_t EndAddress() const { return range_.end; }
    double Progress() const { return progress_; }
    // After a completed read: whether the band-extension option asks for 520 MHz.
    bool BandExtended() const { return bandExtended_; }
    // Byte 5 of the identity the radio sent in this run; -1 until it named itself.
    int IdentityBandFlag() const { return identityBand_; }

    static bool IsRetry(const QString& caption) { return caption == QLatin1String("Retry"); }

private:
    void handleHandshakeReply(const QByteArray& reply);
    void handleIdentity(const QByteArray& reply);
    void handleAck(const QByteArray& reply);
    void handleData(const QByteArray& reply);
    void sendReadRequest();
    void sendWriteBlock();
    void awaitReply();
    void wrongReply();
    void finishRun();
    void complete();
    bool walkComplete() const;
    void enableWatchdog() { host_.startWatchdog(watchdogInterval_); }
    void advance(int step, bool tuneStepping);
    void send(const QByteArray& frame) { link_.write(frame); }
    void sendByte(std::uint8_t b) { send(QByteArray(1, char(b))); }

    SerialLink& link_;
    SessionPrompts& prompts_;
    SessionHost& host_;
    RadioImage& image_;
    RadioImage staging_;
    SessionRequest request_;
    SessionRange range_ { 0x0000, 0x0400, 64, 0x0000 };

    SessionState state_ = SessionState::Idle;
    int retryCount_ = 0;
    bool promptShown_ = false;
    bool awaitingReply_ = false;
    bool finished_ = false;
    bool succeeded_ = false;
    bool bandExtended_ = false;
    int identityBand_ = -1;
    std::uint16_t blockAddress_ = 0;
    std::uint16_t requestedAddress_ = 0; // the block the last read request asked for
    int watchdogInterval_ = SessionTiming::WatchdogMs;
    double progress_ = 0;
};

} // namespace t40
