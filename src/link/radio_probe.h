#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace t40 {

// The band a radio names in byte 5 of its identity: "VHF 136-174 MHz",
// "UHF 400-520 MHz", or "UHF" for a code the band table does not know.
QString BandFromIdentity(std::uint8_t bandFlag);

struct ProbeCandidate {
    int number = 0; // COMn
    QString device;
};

// The ports worth asking: those of COM1..COM99 that the port catalog lists
// (and so the COM-port dialog shows) and that are USB serial adapters or
// registered as settings values "Ports/COMn".
std::vector<ProbeCandidate> DetectCandidates();

struct ProbeResult {
    int number = 0;
    QString device;
    bool answered = false;    // the radio took the handshake and named itself
    std::uint8_t bandFlag = 0; // identity byte 5
    QString band() const { return BandFromIdentity(bandFlag); }
};

// Asks every candidate port at once whether a radio is on it: the handshake,
// the identity request, and the end frame in place of the acknowledgement
// that would start programming (the same ending as a refused write). Nothing
// else is sent. A port counts as a radio only when it answers the handshake
// with the single acknowledgement, then gives exactly the eight identity
// bytes and falls quiet; a port that babbles is none. Each port is asked on
// a thread of its own and given PortTimeLimitMs at most, so a port whose
// opening hangs holds up neither the others nor the window.
class RadioProbe : public QObject {
    Q_OBJECT
public:
    explicit RadioProbe(QObject* parent = nullptr);
    ~RadioProbe() override;

    void start(const std::vector<ProbeCandidate>& candidates);
    bool running() const { return pending_ > 0; }
    int candidateCount() const { return int(results_.size()); }
    // All candidates in the order given; answered() tells where a radio is.
    QList<ProbeResult> results() const { return results_; }

    static constexpr int ReplyTimeoutMs = 600;
    static constexpr int HandshakeAttempts = 2;
    static constexpr int QuietAfterIdentityMs = 150;
    static constexpr int PortTimeLimitMs = 2 * ReplyTimeoutMs + ReplyTimeoutMs + QuietAfterIdentityMs + 800;

signals:
    void portDone(int done, int total);
    void finished();

private:
    class Job;
    struct Worker;
    void jobDone(int index, const ProbeResult& result);
    void stopWorkers();

    std::vector<Worker> workers_;
    QList<ProbeResult> results_;
    int pending_ = 0;
};

} // namespace t40
