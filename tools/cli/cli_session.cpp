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

int CliSession::run(const SessionRequest& request, QString* message)
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
    QString reason;
    if (!ProgrammingLog::Append(entry, ProgrammingLog::DefaultPath(), &reason))
        CliFail(QStringLiteral("cannot add to the programming log: %1").arg(reason));
    if (message)
        *message = message_;
    return status;
}

bool CliSession::retryConnection()
{
    failure_ = ExitNoAnswer;
    message_ = QStringLiteral("the radio does not answer, or answers wrongly (check the cable, the port and that the radio is on)");
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

void CliSession::completionReport(bool succeeded)
{
    if (!succeeded && failure_ == ExitOk) {
        failure_ = ExitNoAnswer;
        message_ = QStringLiteral("the session did not complete");
    }
    loop_.exit(succeeded ? ExitOk : failure_);
}

} // namespace t40
