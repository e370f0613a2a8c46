#include "radio_probe.h"

#include "band_table.h"
#include "port_catalog.h"
#include "programming_session.h"
#include "qt_serial_link.h"

#include <QSerialPortInfo>
#include <QSettings>
#include <QTimer>

namespace t40 {

namespace {
constexpr int HighestPort = 99;
}

QString BandFromIdentity(std::uint8_t bandFlag)
{
    if (bandFlag == 1)
        return QStringLiteral("VHF 136-174 MHz");
    if (const auto entry = UhfBandForCode(bandFlag))
        return QStringLiteral("UHF %1-%2 MHz").arg(entry->lowMHz).arg(entry->highMHz);
    return QStringLiteral("UHF");
}

std::vector<ProbeCandidate> DetectCandidates()
{
    QSettings settings(QStringLiteral("ZEV"), QStringLiteral("T40"));
    const PortCatalog& catalog = CurrentPortCatalog();
    std::vector<ProbeCandidate> out;
    for (int n = 1; n <= HighestPort; ++n) {
        const QString device = catalog.deviceFor(n);
        if (device.isEmpty())
            continue;
        const bool registered = settings.contains(QStringLiteral("Ports/COM%1").arg(n));
        const bool usb = device.contains(QStringLiteral("ttyUSB")) || device.contains(QStringLiteral("ttyACM"))
            || QSerialPortInfo(device).hasVendorIdentifier();
        if (registered || usb)
            out.push_back({ n, device });
    }
    return out;
}

// One port's probe: a small state machine over the port's own link.
class RadioProbe::Job : public QObject {
public:
    Job(const ProbeCandidate& candidate, RadioProbe* owner)
        : link_(candidate.device)
        , owner_(owner)
    {
        result_.number = candidate.number;
        result_.device = candidate.device;
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, [this] { onTimeout(); });
        connect(&link_, &QtSerialLink::receiveReady, this, [this] { onReply(); });
    }

    void start()
    {
        if (!link_.open(nullptr)) {
            finish();
            return;
        }
        sendHandshake();
    }

    // A probe given up half-way (its window closed) still tells a radio that answered to stop.
    ~Job() override
    {
        if (step_ == Step::Identity)
            link_.write(QByteArray(1, char(Frame::End)));
    }

    const ProbeResult& result() const { return result_; }

private:
    enum class Step { Handshake, Identity, Done };

    void sendHandshake()
    {
        ++attempts_;
        step_ = Step::Handshake;
        link_.readAll();
        link_.setReceiveThreshold(1);
        link_.write(QByteArray(Frame::Handshake));
        timer_.start(ReplyTimeoutMs);
    }

    void onReply()
    {
        if (step_ == Step::Handshake) {
            const QByteArray reply = link_.readAll();
            if (!reply.isEmpty() && std::uint8_t(reply.at(0)) == Frame::Ack) {
                step_ = Step::Identity;
                link_.setReceiveThreshold(Frame::IdentitySize);
                link_.write(QByteArray(1, char(Frame::IdentityRequest)));
                timer_.start(ReplyTimeoutMs);
            }
            // Anything else is no radio of ours; the time-out decides.
        } else if (step_ == Step::Identity) {
            const QByteArray identity = link_.readAll();
            if (identity.size() < Frame::IdentitySize)
                return;
            result_.answered = true;
            result_.bandFlag = std::uint8_t(identity.at(Frame::IdentityBandByte));
            endExchange();
        }
    }

    void onTimeout()
    {
        if (step_ == Step::Handshake && attempts_ < HandshakeAttempts) {
            sendHandshake();
            return;
        }
        // A radio that took the handshake but did not name itself is told to stop too.
        if (step_ == Step::Identity)
            endExchange();
        else
            finish();
    }

    void endExchange()
    {
        link_.write(QByteArray(1, char(Frame::End)));
        finish();
    }

    void finish()
    {
        if (step_ == Step::Done)
            return;
        step_ = Step::Done;
        timer_.stop();
        link_.setReceiveThreshold(0);
        link_.close();
        owner_->jobDone();
    }

    QtSerialLink link_;
    QTimer timer_;
    RadioProbe* owner_;
    ProbeResult result_;
    Step step_ = Step::Handshake;
    int attempts_ = 0;
};

RadioProbe::RadioProbe(QObject* parent)
    : QObject(parent)
{
}

RadioProbe::~RadioProbe() = default;

void RadioProbe::start(const std::vector<ProbeCandidate>& candidates)
{
    jobs_.clear();
    for (const ProbeCandidate& c : candidates)
        jobs_.push_back(std::make_unique<Job>(c, this));
    pending_ = int(jobs_.size());
    if (jobs_.empty()) {
        QTimer::singleShot(0, this, &RadioProbe::finished);
        return;
    }
    // Started from the event loop, so that a port that fails at once still reports after start() returns.
    for (auto& job : jobs_)
        QTimer::singleShot(0, job.get(), [j = job.get()] { j->start(); });
}

void RadioProbe::jobDone()
{
    --pending_;
    emit portDone(int(jobs_.size()) - pending_, int(jobs_.size()));
    if (pending_ == 0)
        emit finished();
}

QList<ProbeResult> RadioProbe::results() const
{
    QList<ProbeResult> out;
    for (const auto& job : jobs_)
        out << job->result();
    return out;
}

} // namespace t40
