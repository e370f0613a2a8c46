#pragma once

#include "radio_probe.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace t40 {

// Why a radio does not answer: for each port, what the system knows of the
// device, whether the user may open it, who else holds it, and whether a
// radio takes the handshake at 9600 baud; for the machine, the udev rule,
// the dialout group and the services known to grab USB serial cables.
// Program > Check Cable... and t40-cli doctor both run it.

enum class CableVerdict { RadioAnswers, Silent, Busy, NoPermission, Missing };

struct CablePortReport {
    int number = 0; // COMn; 0 for a port given by its device
    QString device;
    QString chip;        // "USB-Serial CH340 (1a86:7523)"; empty when the system names no USB chip
    bool exists = false;
    QString mode;        // "root:dialout rw-rw----"
    bool mayOpen = false;
    QStringList holders; // other programs that have the device open: "ModemManager (pid 812)"
    QString openError;   // why it could not be opened; empty when it could
    bool openBusy = false;
    bool answered = false;
    QString band;        // as the radio named it
    CableVerdict verdict = CableVerdict::Silent;
};

struct CableSystemReport {
    QString rulePath; // where the udev rule is installed; empty when it is not
    QString dialoutGroup; // the group the serial devices belong to ("dialout"), if the system has it
    bool inDialout = false;
    QStringList grabbers; // "brltty (running, pid 4)", "ModemManager (installed)"
};

class CableCheck : public QObject {
    Q_OBJECT
public:
    explicit CableCheck(QObject* parent = nullptr);
    ~CableCheck() override;

    // Looks at each port at once, then asks those that open for a radio
    // (about two seconds at most); finished() follows.
    void start(const std::vector<ProbeCandidate>& ports);
    bool running() const { return running_; }

    const QList<CablePortReport>& ports() const { return ports_; }
    const CableSystemReport& system() const { return system_; }

    // The report as lines of text; the verdict of a port in one sentence.
    QString reportText() const;
    static QString verdictText(const CablePortReport& port, const CableSystemReport& system);

signals:
    void finished();

private:
    void probeDone();

    QList<CablePortReport> ports_;
    CableSystemReport system_;
    std::unique_ptr<RadioProbe> probe_;
    bool running_ = false;
};

} // namespace t40
