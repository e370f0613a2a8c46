#pragma once

#include "radio_image.h"
#include "session_ports.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace t40 {

// Which memory a run moves. The order is the order in which the flags are tested.
enum class SessionKind { Tune, DealerInfo, Special, Dtmf, WholeImage };

// What the caller asks for (copied from the shared state by the host).
struct SessionRequest {
    bool isRead = false;
    bool tune = false;
    bool dealerInfo = false;
    bool special = false;
    bool dtmf = false;
    bool passwordChange = false;
    int bandLowMHz = 400;
};

struct SessionRange {
    SessionKind kind;
    int start;
    int end;
    int readBlock;    // bytes per read request
    int progressBase; // progress runs from here to end
};

SessionKind KindFor(const SessionRequest& request);
SessionRange RangeFor(const SessionRequest& request);

// "###%": the percentage rounded, no leading zeros, so 0 shows the sign alone.
QString PercentText(double fraction);
// "Complete:" / "完成进度:" with the percentage.
QString ProgressText(double fraction, bool english);

namespace Frame {
constexpr char Handshake[] = "PRGK507";
constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t IdentityRequest = 0x02;
constexpr std::uint8_t Read = 0x52;
constexpr std::uint8_t Data = 0x57;
constexpr std::uint8_t End = 0x45;
constexpr int IdentitySize = 8;
constexpr int IdentityBandByte = 5;
constexpr int WriteBlockSize = 16;
constexpr int WriteFrameSize = 4 + WriteBlockSize;
} // namespace Frame

// The radio programming exchange: a state machine fed by receive notifications
// (OnComm) and watchdog ticks (Timer1_Timer). It knows nothing of windows; it
// writes frames through the link, asks through the prompts and arms its
// watchdog through the host.
//
// Reads are gathered in a staging copy of the memory and put into the image
// only when the run completes, so a failed or cancelled read leaves the image
// as it was.
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

    int SessionState() const { return state_; }
    int RetryCount() const { return retryCount_; }
    bool PromptShown() const { return promptShown_; }
    bool AwaitingReply() const { return awaitingReply_; }
    bool SessionFinished() const { return finished_; }
    bool SessionSucceeded() const { return succeeded_; }
    int BlockAddress() const { return blockHigh_ * 256 + blockLow_; }
    int EndAddress() const { return endHigh_ * 256 + endLow_; }
    double Progress() const { return progress_; }
    // After a completed read: whether the band-extension option asks for 520 MHz.
    bool BandExtended() const { return bandExtended_; }

    static bool IsRetry(const QString& caption) { return caption == QLatin1String("Retry"); }

private:
    void handleHandshakeReply(const QByteArray& reply);
    void handleIdentity(const QByteArray& reply);
    void handleAck(const QByteArray& reply);
    void handleData(const QByteArray& reply);
    void wrongReply();
    void finishRun();
    void complete();
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
    SessionRange range_ { SessionKind::WholeImage, 0, 0x400, 64, 0 };

    int state_ = 0;
    int retryCount_ = 0;
    bool promptShown_ = false;
    bool awaitingReply_ = false;
    bool finished_ = false;
    bool succeeded_ = false;
    bool bandExtended_ = false;
    int blockHigh_ = 0;
    int blockLow_ = 0;
    int endHigh_ = 0;
    int endLow_ = 0;
    int watchdogInterval_ = 1000;
    double progress_ = 0;
};

} // namespace t40
