#pragma once

#include "programming_session.h"
#include "timer_session_host.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

namespace t40 {

class QtSerialLink;

// What became of one radio of a row.
struct RowRadioResult {
    enum class Outcome { Written, BandDiffers, NoAnswer, VerifyFailed };
    int number = 0; // 1 for the first radio of the row
    Outcome outcome = Outcome::Written;
    QString band;   // as the radio named it
    bool verified = false;  // the write was read back
    int mismatchAddress = -1; // the first address the radio does not hold as written
    bool succeeded() const { return outcome == Outcome::Written; }
    // The log's words for the write and for the verify.
    QString resultText() const;
    QString verifyText() const;
};

// Writes one image into one radio after another on the same port: writes
// (and reads back, when asked to) the radio that answers, waits until it is
// taken off (the handshake goes unanswered), then waits for the next one,
// asking with the handshake about once a second, until stop(). A radio of
// another band is refused, one that stops answering fails; either way the row
// goes on. A port that cannot be opened (a cable pulled out of the computer)
// pauses the row until the port is back. Every radio gets its line in the
// programming log. No windows: the row window and t40-cli both run it.
class RadioRow : public QObject, private SessionPrompts, private TimerSessionHost {
    Q_OBJECT
public:
    enum class Phase { Idle, WaitingForRadio, Writing, Verifying, WaitingForRemoval, Paused, Stopped };

    // portName is what the log and the messages call the port (COM5).
    RadioRow(const QString& device, const QString& portName, const RadioImage& image, QObject* parent = nullptr);
    ~RadioRow() override;

    void setVerify(bool verify) { verify_ = verify; }
    void setFileName(const QString& name) { fileName_ = name; }
    void setLogPath(const QString& path) { logPath_ = path; }
    // Stops by itself after this many radios (0: until stop()).
    void setCount(int count) { count_ = count; }

    void start();
    // Stops at once while no radio is being written; otherwise after the radio in hand.
    void stop();

    Phase phase() const { return phase_; }
    bool stopRequested() const { return stopRequested_; }
    int radios() const { return radios_; }
    int succeeded() const { return succeeded_; }
    int failed() const { return radios_ - succeeded_; }
    QString portName() const { return portName_; }
    // Why the row is paused (the system's words).
    QString pauseReason() const { return pauseReason_; }

    static constexpr int PollIntervalMs = 1000;
    static constexpr int RemovalReplyTimeoutMs = 700;

signals:
    void phaseChanged(t40::RadioRow::Phase phase);
    void progress(double fraction);
    void radioDone(const t40::RowRadioResult& result);
    // The programming log could not take a radio's line (the system's words).
    void logFailed(const QString& reason);
    void stopped();

private:
    // The session's questions, answered without asking anyone.
    bool retryConnection() override;
    bool overwriteBand() override;
    void portOpenFailed(const QString& reason) override;
    void showProgress(double fraction) override;
    void completionReport(bool succeeded) override;

    void setPhase(Phase phase);
    void beginWrite();
    void beginVerify();
    void onWatchdog();
    void onReceive();
    void record(RowRadioResult::Outcome outcome, bool verified, int mismatchAddress = -1);
    void waitForRemoval(int firstLookMs);
    void probeRemoval();
    void onRemovalReply();
    void onRemovalTimeout();
    void pause(const QString& reason);
    void tryResume();
    void finishStop();

    std::unique_ptr<QtSerialLink> link_;
    RadioImage image_;
    RadioImage readBack_;
    std::unique_ptr<ProgrammingSession> write_;
    std::unique_ptr<ProgrammingSession> verifyRead_;
    ProgrammingSession* current_ = nullptr;
    QTimer poll_;
    QTimer removalTimeout_;
    QString portName_;
    QString fileName_;
    QString logPath_;
    QString pauseReason_;
    Phase phase_ = Phase::Idle;
    bool verify_ = false;
    bool probing_ = false;
    bool stopRequested_ = false;
    bool bandRefused_ = false;
    bool portFailed_ = false;
    bool radioAnswered_ = false;
    int count_ = 0;
    int radios_ = 0;
    int succeeded_ = 0;
    QString band_;
};

} // namespace t40
