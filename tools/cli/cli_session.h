#pragma once

#include "cli_progress.h"
#include "programming_log.h"
#include "programming_session.h"
#include "qt_serial_link.h"
#include "timer_session_host.h"

#include <QEventLoop>
#include <QTimer>

namespace t40 {

enum CliExit {
    ExitOk = 0,
    ExitUsage = 1,
    ExitDiffer = 1, // diff: the files differ
    ExitBadFile = 2,
    ExitPort = 3,
    ExitNoAnswer = 4,
    ExitBandMismatch = 5,
    ExitOutput = 6,
    ExitRowFailed = 7,
    ExitVerify = 8,
};

// Runs one programming session from the command line: the same engine as the
// session window, with the prompts answered by flags (never by asking).
class CliSession : public SessionPrompts, public TimerSessionHost {
public:
    CliSession(const QString& device, RadioImage& image, bool forceBand);

    // Runs the exchange to its end; returns an exit status and sets message on
    // failure. The run gets its line in the programming log, unless entry is
    // given: then the line is filled in there for the caller to complete and add.
    int run(const SessionRequest& request, QString* message, ProgrammingLogEntry* entry = nullptr);
    // What the programming log names the port and the file by.
    void setLogNames(const QString& port, const QString& fileName)
    {
        logPort_ = port;
        logFile_ = fileName;
    }
    bool bandExtended() const { return session_.BandExtended(); }

    bool retryConnection() override;
    bool overwriteBand() override;
    void portOpenFailed(const QString& reason) override;

    void showProgress(double fraction) override;
    void waitingForRadio(int attempt, int attempts) override;
    void completionReport(bool succeeded) override;

private:
    QtSerialLink link_;
    QEventLoop loop_;
    ProgrammingSession session_;
    bool forceBand_;
    int failure_ = ExitOk;
    QString message_;
    ProgressLine progress_;
    QString logPort_;
    QString logFile_;
};

// Adds the line to the programming log; a failure is said on stderr.
void AppendToLog(const ProgrammingLogEntry& entry);

} // namespace t40
