#include "programming_session.h"

#include <QtMath>

#include <vector>

namespace t40 {

namespace {
constexpr int PasswordBlockStart = 0x02F0;
constexpr int PasswordBlockEnd = 0x02FF;
constexpr int BandExtensionByte = 300;
constexpr int ModelBandCodeByte = 445;
} // namespace

SessionKind KindFor(const SessionRequest& request)
{
    if (request.tune)
        return SessionKind::Tune;
    if (request.dealerInfo)
        return SessionKind::DealerInfo;
    if (request.special)
        return SessionKind::Special;
    if (request.dtmf)
        return SessionKind::Dtmf;
    return SessionKind::WholeImage;
}

SessionRange RangeFor(const SessionRequest& request)
{
    switch (KindFor(request)) {
    case SessionKind::Tune: {
        // The tune data ends with the image: nothing above 0x3FF is touched.
        int start = 0x0300;
        if (!request.isRead && request.bandLowMHz == 400)
            start = 0x0310;
        else if (!request.isRead && request.bandLowMHz == 200)
            start = 0x0320;
        return { SessionKind::Tune, start, 0x0400, 64, 0x0300 };
    }
    case SessionKind::DealerInfo:
        return { SessionKind::DealerInfo, 0x0A80, 0x0B80, 16, 0x0A80 };
    case SessionKind::Special:
        return { SessionKind::Special, 0x0E10, 0x0E20, 16, 0x0E10 };
    case SessionKind::Dtmf:
        return { SessionKind::Dtmf, 0x0B80, 0x0BA0, 16, 0x0B80 };
    case SessionKind::WholeImage:
        break;
    }
    return { SessionKind::WholeImage, 0x0000, request.isRead ? 0x0400 : 0x0300, 64, 0 };
}

QString PercentText(double fraction)
{
    const int percent = qRound(fraction * 100.0);
    return percent == 0 ? QStringLiteral("%") : QString::number(percent) + QLatin1Char('%');
}

QString ProgressText(double fraction, bool english)
{
    return (english ? QStringLiteral("Complete:") : QString::fromUtf8("完成进度:")) + PercentText(fraction);
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
    finished_ = false;
    promptShown_ = false;
    StartSession(caption);
}

void ProgrammingSession::StartSession(const QString& caption)
{
    state_ = 0;
    awaitingReply_ = true;
    if (!IsRetry(caption)) {
        QString reason;
        if (!link_.isOpen() && !link_.open(&reason)) {
            awaitingReply_ = false;
            prompts_.portOpenFailed(reason);
            finishRun();
            return;
        }
        host_.setCaption(caption);
    }
    watchdogInterval_ = 1000;
    enableWatchdog();
    link_.readAll();
    state_ = 1;
    link_.setReceiveThreshold(1);
    send(QByteArray(Frame::Handshake));
}

void ProgrammingSession::OnComm()
{
    const QByteArray reply = link_.readAll();
    // Whatever arrives while a prompt is open, or when no run waits for it
    // (after a run ended, a stray acknowledgement must not restart a write),
    // is dropped.
    if (promptShown_ || state_ == 0 || finished_)
        return;
    awaitingReply_ = false;
    host_.stopWatchdog();
    switch (state_) {
    case 1: handleHandshakeReply(reply); break;
    case 2: handleIdentity(reply); break;
    case 3: handleAck(reply); break;
    case 4: handleData(reply); break;
    default: break;
    }
}

void ProgrammingSession::handleHandshakeReply(const QByteArray& reply)
{
    if (!reply.isEmpty() && std::uint8_t(reply.at(0)) == Frame::Ack) {
        state_ = 2;
        sendByte(Frame::IdentityRequest);
        link_.setReceiveThreshold(Frame::IdentitySize);
        awaitingReply_ = true;
        enableWatchdog();
        return;
    }
    if (++retryCount_ > 10) {
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
    state_ = 3;
    std::uint8_t answer = Frame::Ack;
    if (!request_.isRead) {
        const bool radioVhf = reply.size() > Frame::IdentityBandByte
            && std::uint8_t(reply.at(Frame::IdentityBandByte)) == 1;
        const bool imageVhf = image_.byte(ModelBandCodeByte) == 1;
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
    blockHigh_ = range_.start / 256;
    blockLow_ = range_.start % 256;
    endHigh_ = range_.end / 256;
    endLow_ = range_.end % 256;
    if (request_.isRead)
        staging_ = image_;
    sendByte(answer);
    if (finished_) {
        if (link_.isOpen())
            link_.close();
        finishRun();
        return;
    }
    link_.setReceiveThreshold(1);
    awaitingReply_ = true;
    enableWatchdog();
    retryCount_ = 10;
}

void ProgrammingSession::handleAck(const QByteArray& reply)
{
    if (reply.isEmpty() || std::uint8_t(reply.at(0)) != Frame::Ack) {
        wrongReply();
        return;
    }
    int address = BlockAddress();
    if (!request_.isRead && !request_.passwordChange && address >= PasswordBlockStart && address <= PasswordBlockEnd) {
        advance(16, false);
        address = BlockAddress();
    }

    const double span = range_.end - range_.progressBase;
    progress_ = qBound(0.0, (address - range_.progressBase) / span, 1.0);
    host_.showProgress(progress_);

    if (blockHigh_ >= endHigh_ && blockLow_ >= endLow_) {
        complete();
        return;
    }

    if (request_.isRead) {
        const int n = range_.readBlock;
        QByteArray frame;
        frame.append(char(Frame::Read)).append(char(blockHigh_)).append(char(blockLow_)).append(char(n));
        send(frame);
        advance(n, false);
        link_.setReceiveThreshold(n + 4);
        state_ = 4;
    } else {
        std::vector<std::uint8_t> data(Frame::WriteBlockSize);
        if (!image_.readBlock(address, data)) {
            // Cannot happen for the ranges above; never send what is not there.
            finishRun();
            return;
        }
        QByteArray frame;
        frame.append(char(Frame::Data)).append(char(blockHigh_)).append(char(blockLow_)).append(char(0x10));
        for (std::uint8_t b : data)
            frame.append(char(b));
        send(frame);
        advance(16, range_.kind == SessionKind::Tune);
    }
    awaitingReply_ = true;
    enableWatchdog();
    retryCount_ = 10;
}

void ProgrammingSession::handleData(const QByteArray& reply)
{
    const int n = range_.readBlock;
    if (reply.size() < n + 4 || std::uint8_t(reply.at(0)) != Frame::Data) {
        wrongReply();
        return;
    }
    // Stored at the address the radio names, not the one asked for; a block
    // that would leave the memory is refused.
    const int address = std::uint8_t(reply.at(1)) * 256 + std::uint8_t(reply.at(2));
    const auto* data = reinterpret_cast<const std::uint8_t*>(reply.constData()) + 4;
    if (!staging_.writeBlock(address, std::span<const std::uint8_t>(data, n))) {
        wrongReply();
        return;
    }
    link_.setReceiveThreshold(1);
    state_ = 3;
    sendByte(Frame::Ack);
    awaitingReply_ = true;
    enableWatchdog();
    retryCount_ = 10;
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
    if (request_.isRead) {
        image_.replaceMemory(staging_.memory());
        bandExtended_ = image_.byte(BandExtensionByte) == 1 && request_.bandLowMHz == 400;
    }
    succeeded_ = true;
    finishRun();
}

void ProgrammingSession::finishRun()
{
    finished_ = true;
    awaitingReply_ = false;
    state_ = 0;
    link_.setReceiveThreshold(0);
    watchdogInterval_ = 1;
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
    if (++retryCount_ > 10) {
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

void ProgrammingSession::advance(int step, bool tuneStepping)
{
    blockLow_ += step;
    if (tuneStepping && blockLow_ < 0xC0)
        blockLow_ = blockLow_ >= 0xA0 ? 0xC0 : blockLow_ + 0x20;
    while (blockLow_ >= 256) {
        blockLow_ -= 256;
        ++blockHigh_;
    }
}

} // namespace t40
