#include "radio_row.h"

#include "band_table.h"
#include "programming_log.h"
#include "qt_serial_link.h"
#include "radio_probe.h"
#include "write_verify.h"

namespace t40 {


QString RowRadioResult::resultText() const
{
    switch (outcome) {
    case Outcome::Written:
    case Outcome::VerifyFailed: return ProgrammingLog::ResultOk;
    case Outcome::BandDiffers: return ProgrammingLog::ResultBandDiffers;
    case Outcome::NoAnswer: return ProgrammingLog::ResultNoAnswer;
    }
    return QString();
}

QString RowRadioResult::verifyText() const
{
    if (outcome == Outcome::VerifyFailed)
        return mismatchAddress >= 0 ? ProgrammingLog::VerifyDiffersAt(mismatchAddress) : ProgrammingLog::VerifyNoReadBack;
    return verified ? ProgrammingLog::VerifyOk : ProgrammingLog::VerifyNotRun;
}

RadioRow::RadioRow(const QString& device, const QString& portName, const RadioImage& image, QObject* parent)
    : QObject(parent)
    , link_(std::make_unique<QtSerialLink>(device))
    , image_(image)
    , portName_(portName)
    , logPath_(ProgrammingLog::DefaultPath())
{
    SessionPrompts& prompts = *this;
    SessionHost& host = *this;
    write_ = std::make_unique<ProgrammingSession>(*link_, prompts, host, image_);
    verifyRead_ = std::make_unique<ProgrammingSession>(*link_, prompts, host, readBack_);
    BandState band;
    AnalyseModelBlock(image_, band);
    write_->setRequest({ SessionKind::Whole, Direction::Write, band.lowMHz });
    verifyRead_->setRequest({ SessionKind::Whole, Direction::Read, band.lowMHz });

    poll_.setSingleShot(true);
    removalTimeout_.setSingleShot(true);
    connect(&watchdog_, &QTimer::timeout, this, &RadioRow::onWatchdog);
    connect(&poll_, &QTimer::timeout, this, [this] {
        if (phase_ == Phase::Paused)
            tryResume();
        else if (phase_ == Phase::WaitingForRemoval)
            probeRemoval();
    });
    connect(&removalTimeout_, &QTimer::timeout, this, &RadioRow::onRemovalTimeout);
    connect(link_.get(), &QtSerialLink::receiveReady, this, &RadioRow::onReceive);
}

RadioRow::~RadioRow()
{
    current_ = nullptr;
    link_->setReceiveThreshold(0);
    link_->close();
}

void RadioRow::setPhase(Phase phase)
{
    if (phase_ == phase)
        return;
    phase_ = phase;
    emit phaseChanged(phase);
}

void RadioRow::start()
{
    stopRequested_ = false;
    beginWrite();
}

void RadioRow::stop()
{
    stopRequested_ = true;
    if (phase_ == Phase::Writing || phase_ == Phase::Verifying)
        return; // the radio in hand is finished first
    finishStop();
}

void RadioRow::finishStop()
{
    current_ = nullptr;
    watchdog_.stop();
    poll_.stop();
    removalTimeout_.stop();
    probing_ = false;
    link_->setReceiveThreshold(0);
    link_->close();
    if (phase_ == Phase::Stopped)
        return;
    setPhase(Phase::Stopped);
    emit stopped();
}

void RadioRow::beginWrite()
{
    bandRefused_ = false;
    portFailed_ = false;
    radioAnswered_ = false;
    band_.clear();
    setPhase(Phase::WaitingForRadio);
    current_ = write_.get();
    current_->Begin(QStringLiteral("Write data into radio"));
}

void RadioRow::beginVerify()
{
    setPhase(Phase::Verifying);
    readBack_ = RadioImage();
    current_ = verifyRead_.get();
    current_->Begin(QStringLiteral("Read data from radio"));
}

void RadioRow::onWatchdog()
{
    if (!current_)
        return;
    // A port that has gone while the row waits for a radio pauses the row at once.
    if (phase_ == Phase::WaitingForRadio && !link_->isOpen() && !current_->SessionFinished()) {
        current_ = nullptr;
        pause(QString());
        return;
    }
    current_->Timer1_Timer();
}

void RadioRow::onReceive()
{
    if (probing_)
        onRemovalReply();
    else if (current_)
        current_->OnComm();
}

bool RadioRow::retryConnection()
{
    // Before any radio answered, the row simply keeps asking; a radio that
    // stops answering in the middle has failed.
    if (current_ && current_->state() != SessionState::Idle && current_->state() != SessionState::HandshakeSent)
        radioAnswered_ = true;
    return phase_ == Phase::WaitingForRadio && !radioAnswered_ && link_->isOpen() && !stopRequested_;
}

bool RadioRow::overwriteBand()
{
    bandRefused_ = true;
    return false;
}

void RadioRow::portOpenFailed(const QString& reason)
{
    portFailed_ = true;
    pauseReason_ = reason;
}

void RadioRow::showProgress(double fraction)
{
    if (current_ == write_.get()) {
        radioAnswered_ = true;
        setPhase(Phase::Writing);
    }
    emit progress(fraction);
}

void RadioRow::completionReport(bool succeeded)
{
    ProgrammingSession* session = current_;
    current_ = nullptr;
    if (!session)
        return;
    if (session == write_.get()) {
        if (write_->IdentityBandFlag() >= 0) {
            radioAnswered_ = true;
            band_ = BandFromIdentity(std::uint8_t(write_->IdentityBandFlag()));
        }
        if (portFailed_) {
            pause(pauseReason_);
            return;
        }
        if (succeeded) {
            if (verify_)
                beginVerify();
            else
                record(RowRadioResult::Outcome::Written, false);
            return;
        }
        if (bandRefused_)
            record(RowRadioResult::Outcome::BandDiffers, false);
        else if (radioAnswered_)
            record(RowRadioResult::Outcome::NoAnswer, false);
        else if (stopRequested_)
            finishStop();
        else if (!link_->isOpen())
            pause(QString());
        else
            beginWrite();
        return;
    }
    const int mismatch = succeeded ? FirstWriteMismatch(write_->request(), image_, readBack_) : -1;
    record(succeeded && mismatch < 0 ? RowRadioResult::Outcome::Written : RowRadioResult::Outcome::VerifyFailed, true,
           mismatch);
}

void RadioRow::record(RowRadioResult::Outcome outcome, bool verified, int mismatchAddress)
{
    RowRadioResult result;
    result.mismatchAddress = mismatchAddress;
    result.number = ++radios_;
    result.outcome = outcome;
    result.band = band_;
    result.verified = verified;
    if (result.succeeded())
        ++succeeded_;

    ProgrammingLogEntry entry;
    entry.time = QDateTime::currentDateTime();
    entry.operation = QStringLiteral("write");
    entry.port = portName_;
    entry.band = band_;
    entry.fileName = fileName_;
    entry.result = result.resultText();
    entry.verify = result.verifyText();
    entry.rowCount = result.number;
    QString reason;
    if (!ProgrammingLog::Append(entry, logPath_, &reason))
        emit logFailed(reason);

    emit radioDone(result);
    if (stopRequested_ || (count_ > 0 && radios_ >= count_)) {
        finishStop();
        return;
    }
    // A radio that stopped answering has been silent for a second already: look at once.
    waitForRemoval(outcome == RowRadioResult::Outcome::NoAnswer ? 0 : PollIntervalMs);
}

void RadioRow::waitForRemoval(int firstLookMs)
{
    setPhase(Phase::WaitingForRemoval);
    poll_.start(firstLookMs);
}

// The radio still on the cable answers the handshake; it is then told to stop at once.
void RadioRow::probeRemoval()
{
    QString reason;
    if (!link_->isOpen() && !link_->open(&reason)) {
        pause(reason);
        return;
    }
    probing_ = true;
    link_->readAll();
    link_->setReceiveThreshold(1);
    link_->write(QByteArray(Frame::Handshake));
    removalTimeout_.start(RemovalReplyTimeoutMs);
}

void RadioRow::onRemovalReply()
{
    const QByteArray reply = link_->readAll();
    if (reply.isEmpty() || std::uint8_t(reply.at(0)) != Frame::Ack)
        return;
    removalTimeout_.stop();
    probing_ = false;
    link_->setReceiveThreshold(0);
    link_->write(QByteArray(1, char(Frame::End)));
    poll_.start(PollIntervalMs);
}

void RadioRow::onRemovalTimeout()
{
    probing_ = false;
    link_->setReceiveThreshold(0);
    if (!link_->isOpen()) {
        pause(QString());
        return;
    }
    beginWrite();
}

void RadioRow::pause(const QString& reason)
{
    current_ = nullptr;
    watchdog_.stop();
    probing_ = false;
    removalTimeout_.stop();
    link_->setReceiveThreshold(0);
    link_->close();
    pauseReason_ = reason;
    setPhase(Phase::Paused);
    if (stopRequested_) {
        finishStop();
        return;
    }
    poll_.start(PollIntervalMs);
}

void RadioRow::tryResume()
{
    QString reason;
    if (!link_->open(&reason)) {
        pauseReason_ = reason;
        poll_.start(PollIntervalMs);
        return;
    }
    beginWrite();
}

} // namespace t40
