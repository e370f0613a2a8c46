#include "radio_probe.h"

#include "band_table.h"
#include "port_catalog.h"
#include "programming_session.h"
#include "qt_serial_link.h"

#include <QSerialPortInfo>
#include <QDeadlineTimer>
#include <QSettings>
#include <QThread>
#include <QTimer>

#include <mutex>

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

// One port's probe: a small state machine over the port's own link, living
// on a thread of its own. Its link and timer are made and dropped there.
class RadioProbe::Job : public QObject {
public:
    Job(const ProbeCandidate& candidate, int index, RadioProbe* owner)
        : owner_(owner)
        , index_(index)
    {
        result_.number = candidate.number;
        result_.device = candidate.device;
    }

    void start()
    {
        link_ = std::make_unique<QtSerialLink>(result_.device);
        timer_ = std::make_unique<QTimer>();
        timer_->setSingleShot(true);
        connect(timer_.get(), &QTimer::timeout, this, [this] { onTimeout(); });
        connect(link_.get(), &QtSerialLink::receiveReady, this, [this] { onReply(); });
        if (!link_->open(nullptr)) {
            finish();
            return;
        }
        sendHandshake();
    }

    // A probe given up half-way (its window closed, its time up) still tells a radio that answered to stop.
    void abort()
    {
        if (step_ == Step::Identity || step_ == Step::Quiet)
            link_->write(QByteArray(1, char(Frame::End)));
        finish(false);
    }

    // The probe no longer listens (it is going away); from then on nothing is reported to it.
    void silence()
    {
        const std::lock_guard<std::mutex> lock(reportMutex_);
        silenced_ = true;
    }

private:
    enum class Step { Handshake, Identity, Quiet, Done };

    void sendHandshake()
    {
        ++attempts_;
        step_ = Step::Handshake;
        link_->readAll();
        link_->setReceiveThreshold(1);
        link_->write(QByteArray(Frame::Handshake));
        timer_->start(ReplyTimeoutMs);
    }

    void onReply()
    {
        const QByteArray bytes = link_->readAll();
        if (step_ == Step::Handshake) {
            // The radio answers the handshake with the acknowledgement alone; anything else is no radio of ours.
            if (bytes != QByteArray(1, char(Frame::Ack))) {
                finish();
                return;
            }
            step_ = Step::Identity;
            link_->write(QByteArray(1, char(Frame::IdentityRequest)));
            timer_->start(ReplyTimeoutMs);
        } else if (step_ == Step::Identity) {
            identity_ += bytes;
            if (identity_.size() > Frame::IdentitySize) {
                endExchange();
            } else if (identity_.size() == Frame::IdentitySize) {
                // A radio then waits for the program; a port that goes on sending is something else.
                step_ = Step::Quiet;
                timer_->start(QuietAfterIdentityMs);
            }
        } else if (step_ == Step::Quiet) {
            endExchange();
        }
    }

    void onTimeout()
    {
        if (step_ == Step::Handshake && attempts_ < HandshakeAttempts) {
            sendHandshake();
            return;
        }
        if (step_ == Step::Quiet) {
            result_.answered = true;
            result_.bandFlag = std::uint8_t(identity_.at(Frame::IdentityBandByte));
        }
        // A radio that took the handshake but did not name itself is told to stop too.
        if (step_ == Step::Identity || step_ == Step::Quiet)
            endExchange();
        else
            finish();
    }

    void endExchange()
    {
        link_->write(QByteArray(1, char(Frame::End)));
        finish();
    }

    void finish(bool report = true)
    {
        const std::lock_guard<std::mutex> lock(reportMutex_);
        if (step_ != Step::Done && report && !silenced_)
            QMetaObject::invokeMethod(owner_, [owner = owner_, index = index_, result = result_] { owner->jobDone(index, result); },
                                      Qt::QueuedConnection);
        step_ = Step::Done;
        timer_.reset();
        link_.reset(); // closes the port
        QThread::currentThread()->quit();
    }

    RadioProbe* owner_;
    int index_;
    std::mutex reportMutex_;
    bool silenced_ = false;
    std::unique_ptr<QtSerialLink> link_;
    std::unique_ptr<QTimer> timer_;
    ProbeResult result_;
    QByteArray identity_;
    Step step_ = Step::Handshake;
    int attempts_ = 0;
};

struct RadioProbe::Worker {
    QThread* thread = nullptr;
    Job* job = nullptr;
    bool done = false;
};

RadioProbe::RadioProbe(QObject* parent)
    : QObject(parent)
{
}

RadioProbe::~RadioProbe()
{
    stopWorkers();
}

void RadioProbe::start(const std::vector<ProbeCandidate>& candidates)
{
    stopWorkers();
    results_.clear();
    for (int i = 0; i < int(candidates.size()); ++i) {
        ProbeResult unanswered;
        unanswered.number = candidates[std::size_t(i)].number;
        unanswered.device = candidates[std::size_t(i)].device;
        results_ << unanswered;
        Worker worker;
        worker.thread = new QThread;
        worker.job = new Job(candidates[std::size_t(i)], i, this);
        worker.job->moveToThread(worker.thread);
        worker.thread->start();
        QMetaObject::invokeMethod(worker.job, [job = worker.job] { job->start(); }, Qt::QueuedConnection);
        workers_.push_back(worker);
        // However long the port takes, its verdict is in after this.
        QTimer::singleShot(PortTimeLimitMs, this, [this, i, thread = worker.thread] {
            if (i < int(workers_.size()) && workers_[std::size_t(i)].thread == thread)
                jobDone(i, results_.at(i));
        });
    }
    pending_ = int(workers_.size());
    if (workers_.empty())
        QTimer::singleShot(0, this, &RadioProbe::finished);
}

void RadioProbe::jobDone(int index, const ProbeResult& result)
{
    Worker& worker = workers_[std::size_t(index)];
    if (worker.done)
        return;
    worker.done = true;
    results_[index] = result;
    --pending_;
    emit portDone(int(workers_.size()) - pending_, int(workers_.size()));
    if (pending_ == 0)
        emit finished();
}

// Threads still asking are told to stop; one stuck in the system (a port whose
// opening hangs) is left to end on its own and cleans up after itself.
void RadioProbe::stopWorkers()
{
    for (Worker& w : workers_)
        w.job->silence();
    for (Worker& w : workers_)
        if (!w.thread->isFinished())
            QMetaObject::invokeMethod(w.job, [job = w.job] { job->abort(); }, Qt::QueuedConnection);
    QDeadlineTimer deadline(500);
    for (Worker& w : workers_) {
        if (w.thread->wait(deadline)) {
            delete w.job;
            delete w.thread;
        } else {
            QThread* thread = w.thread;
            Job* job = w.job;
            QObject::connect(thread, &QThread::finished, thread, [thread, job] {
                delete job;
                thread->deleteLater();
            });
            if (thread->isFinished()) { // it ended just now; its queued clean-up goes with it
                delete job;
                delete thread;
            }
        }
    }
    workers_.clear();
    pending_ = 0;
}

} // namespace t40
