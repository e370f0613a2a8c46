#pragma once

#include "programming_session.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace t40 {

class QtSerialLink;

// The session window: runs the read or write its opener asks for. The opener
// exec()s it and then asks SessionSucceeded(); radioRead() tells whoever
// listens that a read has completed, while the window still shows its result.
class FormProcess : public QDialog, public SessionPrompts, public SessionHost {
    Q_OBJECT
public:
    // The programming password is carried through the window unchanged
    // (its controls are never shown here): ProgramPassword() gives it back.
    explicit FormProcess(const SessionRequest& request, const QString& programPassword = QString(),
                         QWidget* parent = nullptr);
    ~FormProcess() override;

    const SessionRequest& request() const { return request_; }
    // Write first reads the radio and shows what the write will change
    // (Program > Write To Radio with "Show Changes Before Write" on). The
    // radio's memory read then also lets a failed write be undone.
    void setPreviewBeforeWrite(bool on) { previewBeforeWrite_ = on; }
    // Whether the last run completed; stays set after the window has closed.
    bool SessionSucceeded() const { return succeeded_; }
    QString ProgramPassword() const { return programPassword_; }

    void CommandRead_Click();
    void CommandWrite_Click();
    void CommandCancel_Click();
    void MSComm1_OnComm();
    void Timer1_Timer();

    const ProgrammingSession& session() const { return *session_; }

    QPushButton* CommandRead = nullptr;
    QPushButton* CommandWrite = nullptr;
    QPushButton* CommandCancel = nullptr;
    QLabel* LabelProcess = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLineEdit* TextShow = nullptr;
    // The second line of a verified write's result.
    QLabel* LabelVerified = nullptr;
    QLabel* LabelPassword = nullptr;
    QLineEdit* TextPassword = nullptr;
    QLabel* LabelNewPassword = nullptr;
    QLineEdit* TextNewPassword = nullptr;
    QCheckBox* CheckNewPassword = nullptr;
    QtSerialLink* MSComm1 = nullptr;
    QTimer* Timer1 = nullptr;

    void done(int result) override;

signals:
    // A read completed: the memory holds the radio's bytes.
    void radioRead();
    // A run ended, successfully or not.
    void sessionCompleted(bool succeeded);
    // The radio did not answer and the user chose Detect Radio; whoever
    // connects (directly) shows the detection, which may choose another port.
    void detectRadioRequested();

protected:
    void showEvent(QShowEvent* event) override;

    // The session's questions and its watchdog.
    bool retryConnection() override;
    bool overwriteBand() override;
    void portOpenFailed(const QString& reason) override;
    void startWatchdog(int intervalMs) override;
    void stopWatchdog() override;
    void setCaption(const QString& caption) override;
    void showProgress(double fraction) override;
    void waitingForRadio(int attempt, int attempts) override;
    void completionReport(bool succeeded) override;

private:
    // Which session runs: the one the window was opened for, or one of those
    // around a write (the read before it, the read-back, the restore).
    enum class Phase { Main, Preview, Verify, Restore, RestoreVerify };

    void Form_Unload();
    void startRun(const QString& caption);
    // One line in the programming log for the run just ended.
    void logRun(const QString& result, const QString& verify = QString());
    void logSession(const ProgrammingSession& session, const QString& operation, const QString& result,
                    const QString& verify);
    ProgrammingSession& activeSession();
    void keepReadBackup(const RadioImage& memory);
    void startPreview();
    void finishPreview(bool readCompleted);
    void startVerify();
    void finishVerify(bool readBackCompleted);
    // After a write that broke off or differs: offers to write the radio's
    // previous memory back; true when the restore has started.
    bool offerRestore(const QString& what);
    void finishRestore(bool written);
    void finishRestoreVerify(bool readBackCompleted);
    // The buttons back after a run, the focus on the one for the direction.
    void enableButtons();
    // A write never reached the radio: says so, the buttons come back.
    void endWithoutWrite(const QString& text);
    QString runFailure() const;
    // "COM5 (/dev/ttyUSB0)"
    QString portName() const;
    // The port chosen now (Set Com, Detect Radio) for the next run.
    void followChosenPort();

    std::unique_ptr<ProgrammingSession> session_;
    std::unique_ptr<ProgrammingSession> preview_;
    // The read-back after a write (or a restore).
    std::unique_ptr<ProgrammingSession> verify_;
    std::unique_ptr<ProgrammingSession> restore_;
    // What the session sends, or gathers a read into.
    RadioImage memory_;
    RadioImage readBack_;
    // The radio's memory as read before the write.
    RadioImage radioBefore_;
    bool radioBeforeKnown_ = false;
    bool previewBeforeWrite_ = false;
    Phase phase_ = Phase::Main;
    bool detectAfterRun_ = false;
    SessionRequest request_;
    QString programPassword_;
    bool succeeded_ = false;
    bool unloaded_ = false;
    bool running_ = false;
    QString failure_;
};

} // namespace t40
