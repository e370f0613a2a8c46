#include "programming_session.h"

#include "band_extension.h"
#include "field_table.h"
#include "tune_codec.h"

#include <QCoreApplication>
#include <QtMath>

#include <vector>

namespace t40 {

namespace {
constexpr int PasswordBlockStart = FieldOffset(FieldId::PasswordBlock);
constexpr int PasswordBlockEnd = FieldEnd(FieldId::PasswordBlock) - 1;
constexpr int ModelBandCodeByte = FieldOffset(FieldId::ModelBandCode);
constexpr std::uint8_t VhfBandFlag = 1;
constexpr int LongReadBlock = 64;
constexpr int ShortReadBlock = 16;

// Tune writes send only the model's 16-byte section of each tune group; the
// address moves on within its low byte.
constexpr int TuneSectionSize = 16;
constexpr int TuneGroupsEndLow = FieldOffset(FieldId::TuneCommon) & 0xFF;
constexpr int TuneLastSectionLow = (FieldOffset(FieldId::TuneGroup4) & 0xFF) + TuneSectionSize;
constexpr int TuneSkip = Field(FieldId::TuneGroup1).length - TuneSectionSize;
static_assert(TuneGroupsEndLow == 0xC0 && TuneLastSectionLow == 0xA0 && TuneSkip == 0x20);

SessionRange Range(MemoryRange r, int readBlock, int start = -1)
{
    return { std::uint16_t(start < 0 ? r.begin : start), std::uint16_t(r.end), readBlock, std::uint16_t(r.begin) };
}
} // namespace

SessionRange RangeFor(const SessionRequest& request)
{
    switch (request.kind) {
    case SessionKind::Tune:
        // A tune write starts at the model's band section; the tune data ends
        // with the image, so nothing above it is touched.
        return Range(TransferRange::TuneData, LongReadBlock,
                     request.isRead() ? TransferRange::TuneData.begin : Tune::SectionBase(request.bandLowMHz));
    case SessionKind::DealerInfo:
        return Range(TransferRange::Dealer, ShortReadBlock);
    case SessionKind::Special:
        return Range(TransferRange::Special, ShortReadBlock);
    case SessionKind::Dtmf:
        return Range(TransferRange::StunKill, ShortReadBlock);
    case SessionKind::Whole:
    case SessionKind::PasswordChange:
        break;
    }
    // Writes run to the end of the password block, which only a password
    // change sends.
    return Range(request.isRead() ? TransferRange::WholeImageRead : TransferRange::PasswordWrite, LongReadBlock);
}

QString PercentText(double fraction)
{
    const int percent = qRound(fraction * 100.0);
    return percent == 0 ? QStringLiteral("%") : QString::number(percent) + QLatin1Char('%');
}

QString ProgressText(double fraction)
{
    return QCoreApplication::translate("t40::ProgrammingSession", "Complete:") + PercentText(fraction);
}

ProgrammingSession::ProgrammingSession(SerialLink& link, SessionPrompts& prompts, SessionHost& host, RadioImage& image)
    : link_(link)
    , prompts_(prompts)
    , host_(host)
    , image_(image)
{
}

void ProgrammingSession::Begin(const QString& caption)
{
    retryCount_ = 0;
    succeeded_ = false;
    bandExtended_ = false;
    identityBand_ = -1;
    finished_ = false;
    promptShown_ = false;
    StartSession(caption);
}

void ProgrammingSession::StartSession(const QString& caption)
{
    state_ = SessionState::Idle;
    awaitingReply_ = true;
    // A retry opens the port again when it was lost (a cable pulled out and
    // plugged in again); one that is still gone says so at once.
    QString reason;
    if (!link_.isOpen() && !link_.open(&reason)) {
        awaitingReply_ = false;
        prompts_.portOpenFailed(reason);
        finishRun();
        return;
    }
    if (!IsRetry(caption))
        host_.setCaption(caption);
    watchdogInterval_ = SessionTiming::WatchdogMs;
    enableWatchdog();
    link_.readAll();
    state_ = SessionState::HandshakeSent;
    link_.setReceiveThreshold(1);
    send(QByteArray(Frame::Handshake));
    host_.waitingForRadio(qMin(retryCount_, SilentRetryLimit) + 1, SilentRetryLimit + 1);
}

void ProgrammingSession::OnComm()
{
    const QByteArray reply = link_.readAll();
    // Whatever arrives while a prompt is open, or when no run waits for it
    // (after a run ended, a stray acknowledgement must not restart a write),
    // is dropped.
    if (promptShown_ || state_ == SessionState::Idle || finished_)
        return;
    awaitingReply_ = false;
    host_.stopWatchdog();
    switch (state_) {
    case SessionState::HandshakeSent: handleHandshakeReply(reply); break;
    case SessionState::IdentityRequested: handleIdentity(reply); break;
    case SessionState::AwaitingAck: handleAck(reply); break;
    case SessionState::AwaitingData: handleData(reply); break;
    case SessionState::Idle: break;
    }
}

void ProgrammingSession::awaitReply()
{
    awaitingReply_ = true;
    enableWatchdog();
    retryCount_ = SilentRetryLimit;
}

void ProgrammingSession::handleHandshakeReply(const QByteArray& reply)
{
    if (!reply.isEmpty() && std::uint8_t(reply.at(0)) == Frame::Ack) {
        state_ = SessionState::IdentityRequested;
        sendByte(Frame::IdentityRequest);
        link_.setReceiveThreshold(Frame::IdentitySize);
        awaitingReply_ = true;
        enableWatchdog();
        return;
    }
    if (++retryCount_ > SilentRetryLimit) {
        retryCount_ = 0;
        promptShown_ = true;
        const bool retry = prompts_.retryConnection();
        promptShown_ = false;
        if (!retry) {
            if (link_.isOpen())
                link_.close();
            finishRun();
            return;
        }
    }
    StartSession(QStringLiteral("Retry"));
}

void ProgrammingSession::handleIdentity(const QByteArray& reply)
{
    state_ = SessionState::AwaitingAck;
    std::uint8_t answer = Frame::Ack;
    if (reply.size() > Frame::IdentityBandByte)
        identityBand_ = std::uint8_t(reply.at(Frame::IdentityBandByte));
    if (!request_.isRead()) {
        const bool radioVhf = reply.size() > Frame::IdentityBandByte
            && std::uint8_t(reply.at(Frame::IdentityBandByte)) == VhfBandFlag;
        const bool imageVhf = image_.byte(ModelBandCodeByte) == VhfBandFlag;
        if (radioVhf != imageVhf) {
            promptShown_ = true;
            const bool overwrite = prompts_.overwriteBand();
            promptShown_ = false;
            if (!overwrite) {
                answer = Frame::End;
                finished_ = true;
            }
        }
    }
    range_ = RangeFor(request_);
    blockAddress_ = range_.start;
    if (request_.isRead())
        staging_ = image_;
    sendByte(answer);
    if (finished_) {
        if (link_.isOpen())
            link_.close();
        finishRun();
        return;
    }
    link_.setReceiveThreshold(1);
    awaitReply();
}

// The end test compares the high and the low byte of the addresses each on its own.
bool ProgrammingSession::walkComplete() const
{
    return (blockAddress_ >> 8) >= (range_.end >> 8) && (blockAddress_ & 0xFF) >= (range_.end & 0xFF);
}

void ProgrammingSession::handleAck(const QByteArray& reply)
{
    if (reply.isEmpty() || std::uint8_t(reply.at(0)) != Frame::Ack) {
        wrongReply();
        return;
    }
    if (!request_.isRead() && request_.kind != SessionKind::PasswordChange && blockAddress_ >= PasswordBlockStart
        && blockAddress_ <= PasswordBlockEnd)
        advance(Frame::WriteBlockSize, false);

    const double span = range_.end - range_.progressBase;
    progress_ = qBound(0.0, (blockAddress_ - range_.progressBase) / span, 1.0);
    host_.showProgress(progress_);

    if (walkComplete()) {
        complete();
        return;
    }
    if (request_.isRead())
        sendReadRequest();
    else
        sendWriteBlock();
}

void ProgrammingSession::sendReadRequest()
{
    const int n = range_.readBlock;
    QByteArray frame;
    frame.append(char(Frame::Read)).append(char(blockAddress_ >> 8)).append(char(blockAddress_ & 0xFF)).append(char(n));
    send(frame);
    requestedAddress_ = blockAddress_;
    advance(n, false);
    link_.setReceiveThreshold(Frame::HeaderSize + n);
    state_ = SessionState::AwaitingData;
    awaitReply();
}

void ProgrammingSession::sendWriteBlock()
{
    std::vector<std::uint8_t> data(Frame::WriteBlockSize);
    if (!image_.readBlock(blockAddress_, data)) {
        // Cannot happen for the ranges above; never send what is not there.
        finishRun();
        return;
    }
    QByteArray frame;
    frame.append(char(Frame::Data))
        .append(char(blockAddress_ >> 8))
        .append(char(blockAddress_ & 0xFF))
        .append(char(Frame::WriteBlockSize));
    for (std::uint8_t b : data)
        frame.append(char(b));
    send(frame);
    advance(Frame::WriteBlockSize, request_.kind == SessionKind::Tune);
    awaitReply();
}

// Only a reply of exactly the asked length, for the block asked for, counts.
// One for another block of the run's range is still stored there, but the
// run does not go on as if the asked block had arrived; one whose block
// leaves the range touches nothing.
void ProgrammingSession::handleData(const QByteArray& reply)
{
    const int n = range_.readBlock;
    if (reply.size() != Frame::HeaderSize + n || std::uint8_t(reply.at(0)) != Frame::Data) {
        wrongReply();
        return;
    }
    const int address = std::uint8_t(reply.at(1)) * 256 + std::uint8_t(reply.at(2));
    if (!range_.holds(address, n)) {
        wrongReply();
        return;
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(reply.constData()) + Frame::HeaderSize;
    if (!staging_.writeBlock(address, std::span<const std::uint8_t>(data, n)) || address != requestedAddress_) {
        wrongReply();
        return;
    }
    link_.setReceiveThreshold(1);
    state_ = SessionState::AwaitingAck;
    sendByte(Frame::Ack);
    awaitReply();
}

void ProgrammingSession::wrongReply()
{
    if (promptShown_)
        return;
    promptShown_ = true;
    if (prompts_.retryConnection()) {
        StartSession(QStringLiteral("Retry"));
        promptShown_ = false;
        retryCount_ = 0;
        return;
    }
    promptShown_ = false;
    // The port stays open; it is released with the window (or the next run reuses it).
    finishRun();
}

void ProgrammingSession::complete()
{
    sendByte(Frame::End);
    link_.drain();
    if (link_.isOpen())
        link_.close();
    if (request_.isRead()) {
        image_.writeBlock(range_.start, staging_.memory().subspan(range_.start, range_.end - range_.start));
        bandExtended_ = image_.byte(FieldOffset(FieldId::BandExtension)) == 1 && request_.bandLowMHz == ExtensibleBandLowMHz;
    }
    succeeded_ = true;
    finishRun();
}

void ProgrammingSession::finishRun()
{
    finished_ = true;
    awaitingReply_ = false;
    state_ = SessionState::Idle;
    link_.setReceiveThreshold(0);
    watchdogInterval_ = SessionTiming::ReportNowMs;
    enableWatchdog();
}

void ProgrammingSession::Timer1_Timer()
{
    host_.stopWatchdog();
    if (finished_) {
        finished_ = false;
        host_.completionReport(succeeded_);
        return;
    }
    if (!awaitingReply_ || promptShown_)
        return;
    promptShown_ = true;
    if (++retryCount_ > SilentRetryLimit) {
        retryCount_ = 0;
        if (prompts_.retryConnection()) {
            StartSession(QStringLiteral("Retry"));
        } else {
            if (link_.isOpen())
                link_.close();
            finishRun();
        }
    } else {
        StartSession(QStringLiteral("Retry"));
    }
    promptShown_ = false;
}

// Adds to the low byte and carries into the high byte; a tune write skips the
// other models' sections after the low byte has moved and before the carry.
void ProgrammingSession::advance(int step, bool tuneStepping)
{
    int low = (blockAddress_ & 0xFF) + step;
    if (tuneStepping && low < TuneGroupsEndLow)
        low = low >= TuneLastSectionLow ? TuneGroupsEndLow : low + TuneSkip;
    blockAddress_ = std::uint16_t((blockAddress_ & 0xFF00) + low);
}

} // namespace t40
