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
    void completionReport(bool succeeded) override;

private:
    void Form_Unload();
    void startRun(const QString& caption);
    // One line in the programming log for the run just ended.
    void logRun(const QString& result);
    ProgrammingSession& activeSession() { return verifying_ ? *verify_ : *session_; }
    void keepReadBackup();
    void startVerify();
    void finishVerify(bool readBackCompleted);

    std::unique_ptr<ProgrammingSession> session_;
    // The read-back after a write.
    std::unique_ptr<ProgrammingSession> verify_;
    // What the session sends, or gathers a read into.
    RadioImage memory_;
    RadioImage readBack_;
    bool verifying_ = false;
    SessionRequest request_;
    QString programPassword_;
    bool succeeded_ = false;
    bool unloaded_ = false;
    bool running_ = false;
    QString failure_;
};

} // namespace t40
