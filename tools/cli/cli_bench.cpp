#include "cli_bench.h"

#include "cli_command.h"
#include "cli_session.h"
#include "qt_serial_link.h"
#include "radio_probe.h"
#include "radio_row.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <csignal>
#include <cstdio>

namespace t40 {

namespace {
std::atomic<bool> g_interrupted { false };

void OnInterrupt(int) { g_interrupted = true; }
} // namespace

int RunDetect(const QCommandLineParser&)
{
    const std::vector<ProbeCandidate> candidates = DetectCandidates();
    std::fprintf(stderr, "Asking %d port(s) for a radio...\n", int(candidates.size()));
    RadioProbe probe;
    QEventLoop loop;
    QObject::connect(&probe, &RadioProbe::finished, &loop, &QEventLoop::quit);
    probe.start(candidates);
    loop.exec();
    int found = 0;
    for (const ProbeResult& r : probe.results()) {
        if (!r.answered)
            continue;
        ++found;
        std::printf("COM%d\t%s\t%s\n", r.number, qPrintable(TerminalText(r.device)), qPrintable(r.band()));
    }
    if (found == 0) {
        std::fputs("t40-cli: no radio answered\n", stderr);
        return ExitNoAnswer;
    }
    return ExitOk;
}

int RunRow(const QString& port, const QString& device, const RadioImage& image, const QString& fileName, int count,
           bool verify)
{
    // A port that cannot be opened at the start is a mistake in the command, not a cable pulled out.
    {
        QtSerialLink check(device);
        QString reason;
        if (!check.open(&reason)) {
            CliFail(QStringLiteral("cannot open the port %1: %2").arg(port, reason));
            return ExitPort;
        }
    }
    RadioRow row(device, port, image);
    row.setFileName(fileName);
    row.setCount(count);
    row.setVerify(verify);
    QEventLoop loop;
    QObject::connect(&row, &RadioRow::stopped, &loop, &QEventLoop::quit);
    QObject::connect(&row, &RadioRow::radioDone, [](const RowRadioResult& r) {
        std::printf("%d\t%s\t%s%s\n", r.number, qPrintable(r.band.isEmpty() ? QStringLiteral("-") : r.band),
                    qPrintable(r.resultText()), r.verified ? qPrintable(QStringLiteral("\tverify ") + r.verifyText()) : "");
        std::fflush(stdout);
    });
    QObject::connect(&row, &RadioRow::logFailed, [](const QString& reason) {
        CliFail(QStringLiteral("cannot add to the programming log: %1").arg(reason));
    });
    QObject::connect(&row, &RadioRow::phaseChanged, [&row](RadioRow::Phase phase) {
        if (phase == RadioRow::Phase::WaitingForRadio)
            std::fputs("Waiting for the next radio...\n", stderr);
        else if (phase == RadioRow::Phase::Paused)
            std::fprintf(stderr, "The port %s cannot be used (%s); waiting for it to come back...\n",
                         qPrintable(TerminalText(row.portName())), qPrintable(TerminalText(row.pauseReason())));
    });
    // Ctrl+C ends the row after the radio in hand.
    g_interrupted = false;
    std::signal(SIGINT, OnInterrupt);
    QTimer interrupt;
    QObject::connect(&interrupt, &QTimer::timeout, [&row] {
        if (g_interrupted && !row.stopRequested()) {
            std::fputs("Stopping after the radio in hand...\n", stderr);
            row.stop();
        }
    });
    interrupt.start(100);
    row.start();
    if (row.phase() != RadioRow::Phase::Stopped)
        loop.exec();
    std::signal(SIGINT, SIG_DFL);
    std::printf("Radios: %d, written: %d, failed: %d\n", row.radios(), row.succeeded(), row.failed());
    return row.failed() > 0 ? ExitRowFailed : ExitOk;
}

} // namespace t40
