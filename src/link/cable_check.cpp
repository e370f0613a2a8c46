#include "cable_check.h"

#include "port_catalog.h"
#include "port_holders.h"
#include "qt_serial_link.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace t40 {

namespace {
const char* const RuleName = "60-t40-cable.rules";

QString ChipText(const QString& device)
{
    return QSerialPortInfo(device).hasVendorIdentifier() ? PortChipText(device) : QString();
}

#ifdef Q_OS_UNIX
QString ModeText(const struct stat& st)
{
    const passwd* user = ::getpwuid(st.st_uid);
    const group* grp = ::getgrgid(st.st_gid);
    QString bits;
    for (int shift = 6; shift >= 0; shift -= 3) {
        bits += (st.st_mode >> shift) & 4 ? QLatin1Char('r') : QLatin1Char('-');
        bits += (st.st_mode >> shift) & 2 ? QLatin1Char('w') : QLatin1Char('-');
        bits += (st.st_mode >> shift) & 1 ? QLatin1Char('x') : QLatin1Char('-');
    }
    return QStringLiteral("%1:%2 %3")
        .arg(user ? QString::fromLocal8Bit(user->pw_name) : QString::number(st.st_uid),
             grp ? QString::fromLocal8Bit(grp->gr_name) : QString::number(st.st_gid), bits);
}

bool InGroup(gid_t gid)
{
    if (::getegid() == gid)
        return true;
    gid_t groups[256];
    const int n = ::getgroups(256, groups);
    for (int i = 0; i < n; ++i)
        if (groups[i] == gid)
            return true;
    return false;
}
#endif

// Who runs (from /proc) or is installed of the services that take USB serial
// cables for themselves.
QStringList Grabbers()
{
    struct Service { const char* name; QStringList paths; };
    const Service services[] = {
        { "brltty", { "/usr/bin/brltty", "/bin/brltty", "/usr/sbin/brltty", "/sbin/brltty" } },
        { "ModemManager", { "/usr/sbin/ModemManager", "/usr/bin/ModemManager", "/sbin/ModemManager" } },
    };
    QStringList out;
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList({ QStringLiteral("[0-9]*") }, QDir::Dirs);
    for (const Service& service : services) {
        const QString name = QString::fromLatin1(service.name);
        QString running;
        for (const QString& pid : pids)
            if (ProcessName(pid) == name) {
                running = pid;
                break;
            }
        if (!running.isEmpty()) {
            out << QStringLiteral("%1 (running, pid %2)").arg(name, running);
            continue;
        }
        for (const QString& path : service.paths)
            if (QFileInfo::exists(path)) {
                out << QStringLiteral("%1 (installed)").arg(name);
                break;
            }
    }
    return out;
}

CableSystemReport LookAtSystem()
{
    CableSystemReport system;
    for (const char* folder : { "/etc/udev/rules.d", "/usr/lib/udev/rules.d", "/lib/udev/rules.d", "/usr/local/lib/udev/rules.d" }) {
        const QString path = QString::fromLatin1(folder) + QLatin1Char('/') + QString::fromLatin1(RuleName);
        if (QFileInfo::exists(path)) {
            system.rulePath = path;
            break;
        }
    }
#ifdef Q_OS_UNIX
    if (const group* dialout = ::getgrnam("dialout")) {
        system.dialoutGroup = QStringLiteral("dialout");
        system.inDialout = InGroup(dialout->gr_gid);
    }
#endif
    system.grabbers = Grabbers();
    return system;
}

CablePortReport LookAtPort(const ProbeCandidate& candidate)
{
    CablePortReport port;
    port.number = candidate.number;
    port.device = candidate.device;
#ifdef Q_OS_UNIX
    struct stat st {};
    const QByteArray path = QFile::encodeName(candidate.device);
    port.exists = !candidate.device.isEmpty() && ::stat(path.constData(), &st) == 0;
    if (port.exists) {
        port.mode = ModeText(st);
        port.mayOpen = ::access(path.constData(), R_OK | W_OK) == 0;
    }
#else
    port.exists = true;
    port.mayOpen = true;
#endif
    if (!port.exists)
        return port;
    port.chip = ChipText(candidate.device);
    for (const PortHolder& holder : PortHolders(candidate.device))
        if (!holder.ptyFarEnd)
            port.holders << QStringLiteral("%1 (pid %2)").arg(holder.name, holder.pid);
    if (port.mayOpen) {
        // Opened and closed at once: a port in use or refused shows here.
        QtSerialLink link(candidate.device);
        QString reason;
        if (link.open(&reason))
            link.close();
        else {
            port.openError = reason;
            port.openBusy = reason.contains(QStringLiteral("in use"));
            if (link.accessDenied() && !port.openBusy)
                port.mayOpen = false;
        }
    }
    return port;
}

CableVerdict VerdictFor(const CablePortReport& port)
{
    if (!port.exists)
        return CableVerdict::Missing;
    if (port.answered)
        return CableVerdict::RadioAnswers;
    if (!port.mayOpen)
        return CableVerdict::NoPermission;
    if (port.openBusy || !port.holders.isEmpty())
        return CableVerdict::Busy;
    if (!port.openError.isEmpty())
        return CableVerdict::Missing;
    return CableVerdict::Silent;
}
} // namespace

CableCheck::CableCheck(QObject* parent)
    : QObject(parent)
{
}

CableCheck::~CableCheck() = default;

void CableCheck::start(const std::vector<ProbeCandidate>& candidates)
{
    running_ = true;
    ports_.clear();
    system_ = LookAtSystem();
    std::vector<ProbeCandidate> ask;
    for (const ProbeCandidate& candidate : candidates) {
        ports_ << LookAtPort(candidate);
        if (ports_.back().mayOpen && ports_.back().openError.isEmpty())
            ask.push_back(candidate);
    }
    probe_ = std::make_unique<RadioProbe>();
    connect(probe_.get(), &RadioProbe::finished, this, &CableCheck::probeDone);
    probe_->start(ask);
}

void CableCheck::probeDone()
{
    for (const ProbeResult& result : probe_->results())
        for (CablePortReport& port : ports_)
            if (port.device == result.device && result.answered) {
                port.answered = true;
                port.band = result.band();
            }
    for (CablePortReport& port : ports_) {
#ifdef Q_OS_UNIX
        // A cable pulled out during the handshake takes its device with it: that, not silence, is the verdict.
        if (port.exists && !port.answered && !QFileInfo::exists(port.device))
            port.exists = false;
#endif
        port.verdict = VerdictFor(port);
    }
    running_ = false;
    // The probe is done with its ports; it goes once control is back in the loop.
    probe_.release()->deleteLater();
    emit finished();
}

QString CableCheck::verdictText(const CablePortReport& port, const CableSystemReport& system)
{
    const QString name = port.number > 0 ? QStringLiteral("COM%1 (%2)").arg(port.number).arg(port.device) : port.device;
    switch (port.verdict) {
    case CableVerdict::RadioAnswers:
        return tr("A radio answers on %1: %2. The cable and the port work.")
            .arg(name, port.band);
    case CableVerdict::Busy:
        return tr("%1 is in use by another program%2: close it (or stop that service), then try again.")
            .arg(name, port.holders.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(port.holders.join(QStringLiteral(", "))));
    case CableVerdict::NoPermission:
        return tr("You may not open %1: %2")
            .arg(name,
                 system.rulePath.isEmpty()
                     ? tr("add yourself to the dialout group (sudo adduser $USER dialout, then log in again) or install the udev rule 60-t40-cable.rules and plug the cable in again.")
                     : tr("the udev rule is installed, so plug the cable in again; if that does not help, add yourself to the dialout group (sudo adduser $USER dialout, then log in again)."));
    case CableVerdict::Missing:
        return port.openError.isEmpty() || !port.exists
            ? tr("There is no device %1: plug the cable in, or choose its port in Set Com.").arg(name)
            : tr("%1 cannot be opened (%2): plug the cable in again.")
                  .arg(name, port.openError);
    case CableVerdict::Silent:
        break;
    }
    return tr("Nothing answers on %1: check that the radio is on and in programming state, that the cable sits firmly in the radio, and that this is the cable's port.")
        .arg(name);
}

QString CableCheck::reportText() const
{
    QStringList lines;
    for (const CablePortReport& port : ports_) {
        lines << (port.number > 0 ? QStringLiteral("COM%1  %2").arg(port.number).arg(port.device) : port.device);
        if (!port.exists) {
            lines << QStringLiteral("  ") + tr("device: not present");
        } else {
            lines << QStringLiteral("  ") + tr("device: %1")
                         .arg(port.chip.isEmpty() ? tr("no USB chip named (a built-in port or a terminal)")
                                                  : port.chip);
            lines << QStringLiteral("  ") + tr("access: %1, %2")
                         .arg(port.mode, port.mayOpen ? tr("you may open it")
                                                      : tr("you may not open it"));
            lines << QStringLiteral("  ") + tr("held by: %1")
                         .arg(port.holders.isEmpty() ? tr("no other program")
                                                     : port.holders.join(QStringLiteral(", ")));
            const QString handshake = port.answered ? tr("a radio answered (%1)").arg(port.band)
                : !port.mayOpen || !port.openError.isEmpty()
                ? tr("not tried (%1)")
                      .arg(port.openError.isEmpty() ? tr("no permission") : port.openError)
                : tr("no answer");
            lines << QStringLiteral("  ") + tr("handshake at 9600 baud: %1").arg(handshake);
        }
        lines << QStringLiteral("  ") + tr("verdict: %1").arg(verdictText(port, system_));
        lines << QString();
    }
    if (ports_.isEmpty())
        lines << tr("No serial port to check: plug the cable in (a USB cable shows as /dev/ttyUSB* or /dev/ttyACM*).")
              << QString();
    lines << tr("This computer:");
    lines << QStringLiteral("  ") + tr("udev rule 60-t40-cable.rules: %1")
                 .arg(system_.rulePath.isEmpty() ? tr("not installed (the package installs it)")
                                                 : tr("installed (%1)").arg(system_.rulePath));
    if (!system_.dialoutGroup.isEmpty())
        lines << QStringLiteral("  ") + tr("group dialout: %1")
                     .arg(system_.inDialout ? tr("you are a member")
                                            : tr("you are not a member (sudo adduser $USER dialout, then log in again)"));
    if (system_.grabbers.isEmpty())
        lines << QStringLiteral("  ") + tr("brltty, ModemManager: not present");
    for (const QString& grabber : system_.grabbers) {
        const bool brltty = grabber.startsWith(QStringLiteral("brltty"));
        lines << QStringLiteral("  ") + grabber + QStringLiteral(": ")
                + (brltty ? tr("it takes CH340 and CP210x cables for Braille displays; without a Braille display: sudo apt remove brltty")
                          : system_.rulePath.isEmpty()
                          ? tr("it may probe the cable as a modem; install the udev rule, or: sudo systemctl disable --now ModemManager")
                          : tr("the udev rule tells it to leave the cables alone"));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace t40
