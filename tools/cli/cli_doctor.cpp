// doctor: why the radio does not answer.

#include "cable_check.h"
#include "cli_command.h"
#include "cli_session.h"
#include "port_catalog.h"

#include <QEventLoop>
#include <QTimer>

#include <cstdio>

namespace t40 {

namespace {
// The probe gives each port up after about two seconds; this only guards against a check that never ends.
constexpr int CheckLimitMs = 15000;
}

int RunDoctor(const QCommandLineParser& args)
{
    std::vector<ProbeCandidate> ports;
    if (args.isSet(QStringLiteral("port"))) {
        const QString port = args.value(QStringLiteral("port"));
        const int number = PortNumberFromName(port);
        const QString device = number > 0 ? CurrentPortCatalog().deviceFor(number) : port;
        ports.push_back({ number, device.isEmpty() ? port : device });
    } else {
        ports = DetectCandidates();
    }
    std::fputs("Checking the cable\n", stderr);
    CableCheck check;
    QEventLoop loop;
    QObject::connect(&check, &CableCheck::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(CheckLimitMs, &loop, &QEventLoop::quit);
    check.start(ports);
    if (check.running())
        loop.exec();
    if (check.running()) {
        CliFail(QStringLiteral("the check did not finish"));
        return ExitNoAnswer;
    }
    std::printf("%s\n", check.reportText().toUtf8().constData());
    bool unusable = false;
    for (const CablePortReport& port : check.ports()) {
        if (port.verdict == CableVerdict::RadioAnswers)
            return ExitOk;
        unusable = unusable || port.verdict != CableVerdict::Silent;
    }
    return unusable ? ExitPort : ExitNoAnswer;
}

} // namespace t40
