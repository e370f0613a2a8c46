#include "cli_session.h"

#include "cli_command.h"

#include "programming_log.h"
#include "radio_probe.h"
#include "port_catalog.h"

#include <cstdio>

namespace t40 {

CliSession::CliSession(const QString& device, RadioImage& image, bool forceBand)
    : link_(device)
    , session_(link_, *this, *this, image)
    , forceBand_(forceBand)
{
    // Like the session window: the radio gets time after the end frame before the port closes.
    link_.setPauseBeforeClose(SessionTiming::PauseBeforeCloseMs);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] { session_.Timer1_Timer(); });
    QObject::connect(&link_, &QtSerialLink::receiveReady, [this] { session_.OnComm(); });
}

int CliSession::run(const SessionRequest& request, QString* message, ProgrammingLogEntry* deferred)
{
    failure_ = ExitOk;
    session_.setRequest(request);
    session_.Begin(request.isRead() ? QStringLiteral("Read data from radio") : QStringLiteral("Write data into radio"));
    const int status = loop_.exec();
    progress_.finish();

    ProgrammingLogEntry entry;
    entry.time = QDateTime::currentDateTime();
    entry.operation = ProgrammingLog::OperationName(request);
    entry.port = logPort_.isEmpty() ? link_.device() : logPort_;
    if (session_.IdentityBandFlag() >= 0)
        entry.band = BandFromIdentity(std::uint8_t(session_.IdentityBandFlag()));
    entry.fileName = logFile_;
    switch (status) {
    case ExitOk: entry.result = ProgrammingLog::ResultOk; break;
    case ExitBandMismatch: entry.result = ProgrammingLog::ResultBandDiffers; break;
    case ExitPort: entry.result = ProgrammingLog::ResultPortFailed; break;
    default: entry.result = ProgrammingLog::ResultNoAnswer; break;
    }
    if (!request.isRead())
        entry.verify = ProgrammingLog::VerifyNotRun;
    if (deferred)
        *deferred = entry;
    else
        AppendToLog(entry);
    if (message)
        *message = message_;
    return status;
}

void AppendToLog(const ProgrammingLogEntry& entry)
{
    QString reason;
    if (!ProgrammingLog::Append(entry, ProgrammingLog::DefaultPath(), &reason))
        std::fprintf(stderr, "t40-cli: cannot add to the programming log: %s\n", qPrintable(reason));
}

bool CliSession::retryConnection()
{
    failure_ = ExitNoAnswer;
    message_ = QStringLiteral("the radio on %1 does not answer, or answers wrongly: check that the radio is on and in "
                              "programming state, that this is the cable's port and that the cable is seated firmly "
                              "(t40-cli detect looks on every port, t40-cli doctor finds out more)")
                   .arg(logPort_.isEmpty() ? link_.device() : logPort_);
    return false;
}

bool CliSession::overwriteBand()
{
    if (forceBand_)
        return true;
    failure_ = ExitBandMismatch;
    message_ = QStringLiteral("the radio's frequency band differs from the file's (use --force-band to write anyway)");
    return false;
}

void CliSession::portOpenFailed(const QString& reason)
{
    failure_ = ExitPort;
    message_ = QStringLiteral("cannot open the port %1: %2").arg(link_.device(), reason);
    if (link_.accessDenied())
        message_ += QLatin1Char('\n') + PortAccessHint(link_.device());
}

void CliSession::showProgress(double fraction)
{
    progress_.show(ProgressText(fraction));
}

// Said from the second try on: the first answer usually comes at once.
void CliSession::waitingForRadio(int attempt, int attempts)
{
    if (attempt > 1)
        progress_.show(QStringLiteral("Waiting for the radio on %1, try %2 of %3")
                           .arg(logPort_.isEmpty() || logPort_ == link_.device() ? link_.device()
                                                                                 : QStringLiteral("%1 (%2)").arg(logPort_, link_.device()))
                           .arg(attempt)
                           .arg(attempts));
}

void CliSession::completionReport(bool succeeded)
{
    if (!succeeded && failure_ == ExitOk) {
        failure_ = ExitNoAnswer;
        message_ = QStringLiteral("the session did not complete");
    }
    loop_.exit(succeeded ? ExitOk : failure_);
}

} // namespace t40
