#include "virtual_radio.h"

#include "band_table.h"
#include "data_file.h"
#include "memory_map.h"

#include <QFile>
#include <QFileInfo>

namespace t40 {

namespace {
constexpr char HandshakeText[] = "PRGK507";
constexpr int HandshakeSize = 7;
constexpr char Ack = 0x06;
constexpr char Nak = 0x15;
} // namespace

VirtualRadio::VirtualRadio()
    : identity_("T40V1\x00\x00\x00", 8)
{
}

std::vector<int> VirtualRadio::writeAddresses() const
{
    std::vector<int> out;
    for (const RadioFrame& f : frames_)
        if (f.type == RadioFrame::Write)
            out.push_back(f.address);
    return out;
}

QByteArray VirtualRadio::receive(const QByteArray& bytes)
{
    if (unplugged_)
        return {};
    pending_.append(bytes);
    QByteArray out;
    RadioFrame frame;
    while (takeFrame(frame)) {
        frames_.push_back(frame);
        if (int(frames_.size()) > FrameLogSize)
            frames_.pop_front();
        ++counts_[frame.type];
        ++frameCount_;
        const int number = ++radioFrames_;
        if (faults_.hangUpAfterFrames > 0 && number > faults_.hangUpAfterFrames)
            hungUp_ = true;
        QByteArray reply = answer(frame);
        if (hungUp_ || faults_.silent)
            continue;
        if (number == faults_.wrongAckAtFrame && reply == QByteArray(1, Ack))
            reply = QByteArray(1, Nak);
        out.append(reply);
    }
    return out;
}

// Cuts the next whole frame off the pending bytes. Bytes that start no frame
// are dropped; before a handshake only a handshake is looked for.
bool VirtualRadio::takeFrame(RadioFrame& frame)
{
    while (!pending_.isEmpty()) {
        const char first = pending_.at(0);
        if (first == 'P') {
            const int have = qMin<int>(pending_.size(), HandshakeSize);
            if (pending_.left(have) != QByteArray(HandshakeText, have)) {
                pending_.remove(0, 1);
                continue;
            }
            if (have < HandshakeSize)
                return false;
            frame = { RadioFrame::Handshake, -1, pending_.left(HandshakeSize) };
            pending_.remove(0, HandshakeSize);
            return true;
        }
        if (mode_ == Mode::Idle) {
            pending_.remove(0, 1);
            continue;
        }
        int size = 0;
        RadioFrame::Type type;
        switch (first) {
        case 0x02: type = RadioFrame::IdentityRequest; size = 1; break;
        case 0x06: type = RadioFrame::Ack; size = 1; break;
        case 'R': type = RadioFrame::Read; size = 4; break;
        case 'W': type = RadioFrame::Write; size = 20; break;
        case 'E': type = RadioFrame::End; size = 1; break;
        default: pending_.remove(0, 1); continue;
        }
        if (pending_.size() < size)
            return false;
        frame = { type, -1, pending_.left(size) };
        if (type == RadioFrame::Read || type == RadioFrame::Write)
            frame.address = std::uint8_t(frame.bytes.at(1)) * 256 + std::uint8_t(frame.bytes.at(2));
        pending_.remove(0, size);
        return true;
    }
    return false;
}

QByteArray VirtualRadio::answer(const RadioFrame& frame)
{
    switch (frame.type) {
    case RadioFrame::Handshake:
        mode_ = Mode::Handshaken;
        ended_ = false;
        return QByteArray(1, Ack);
    case RadioFrame::IdentityRequest:
        if (mode_ != Mode::Handshaken)
            return {};
        mode_ = Mode::Identified;
        return identity_;
    case RadioFrame::Ack:
        if (mode_ == Mode::Identified)
            mode_ = Mode::Programming;
        return mode_ == Mode::Programming ? QByteArray(1, Ack) : QByteArray();
    case RadioFrame::Read: {
        if (mode_ != Mode::Programming)
            return {};
        ++readCount_;
        const int n = std::uint8_t(frame.bytes.at(3));
        int address = frame.address;
        if (readCount_ == faults_.otherAddressAtRead)
            address = faults_.otherAddress;
        QByteArray reply;
        reply.append('W').append(char(address >> 8)).append(char(address & 0xFF)).append(char(n));
        for (int i = 0; i < n; ++i)
            reply.append(char(memory_.memoryByte(address + i)));
        if (readCount_ == faults_.shortReplyAtRead)
            reply.truncate(reply.size() / 2);
        if (readCount_ == faults_.strayByteAtRead)
            reply.prepend(char(0x00));
        if (readCount_ == faults_.trailingByteAtRead)
            reply.append(char(0x00));
        return reply;
    }
    case RadioFrame::Write: {
        if (mode_ != Mode::Programming)
            return {};
        const auto* data = reinterpret_cast<const std::uint8_t*>(frame.bytes.constData()) + 4;
        memory_.writeBlock(frame.address, std::span<const std::uint8_t>(data, 16));
        const int changed = faults_.changedByteAddress;
        if (changed >= frame.address && changed < frame.address + 16
            && (faults_.changedByteTimes == 0 || changedWrites_++ < faults_.changedByteTimes))
            memory_.setMemoryByte(changed, std::uint8_t(~data[changed - frame.address]));
        return QByteArray(1, Ack);
    }
    case RadioFrame::End:
        if (mode_ == Mode::Identified || mode_ == Mode::Programming)
            doneWithRadio_ = true;
        mode_ = Mode::Idle;
        ended_ = true;
        return {};
    }
    return {};
}

void VirtualRadio::setRowMode(bool on, int otherBandEvery)
{
    rowMode_ = on;
    otherBandEvery_ = otherBandEvery;
    factory_ = memory_;
    factoryIdentity_ = identity_;
    radioNumber_ = 1;
}

void VirtualRadio::unplug()
{
    unplugged_ = true;
    pending_.clear();
}

void VirtualRadio::plugInNext()
{
    ++radioNumber_;
    memory_ = factory_;
    identity_ = factoryIdentity_;
    if (otherBandEvery_ > 0 && radioNumber_ % otherBandEvery_ == 0) {
        const bool vhf = identity_.at(5) == char(1);
        const ModelBytes other = vhf ? ModelBytesForBand(400, 520) : ModelBytesForBand(136, 174);
        identity_[5] = char(other.code);
        memory_.setByte(MemoryMap::ModelFamily, other.family);
        memory_.setByte(MemoryMap::ModelBandCode, other.code);
    }
    mode_ = Mode::Idle;
    pending_.clear();
    radioFrames_ = 0;
    readCount_ = 0;
    changedWrites_ = 0;
    hungUp_ = false;
    ended_ = false;
    doneWithRadio_ = false;
    unplugged_ = false;
    if (onNextRadio)
        onNextRadio(*this);
}

bool VirtualRadio::loadDataFile(const QString& path, QString* reason)
{
    // A bare image, such as Init.dat, is taken as it is.
    if (QFileInfo(path).size() == RadioImage::ImageSize) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            if (reason)
                *reason = file.errorString();
            return false;
        }
        const QByteArray bytes = file.readAll();
        if (bytes.size() != RadioImage::ImageSize) {
            if (reason)
                *reason = file.errorString();
            return false;
        }
        for (int a = 0; a < RadioImage::ImageSize; ++a)
            memory_.setByte(a, std::uint8_t(bytes.at(a)));
        return true;
    }
    RadioImage image = memory_;
    const DataFileStatus status = LoadDataFile(path, image, reason);
    if (status != DataFileStatus::Ok) {
        if (reason && reason->isEmpty())
            *reason = status == DataFileStatus::TooShort ? QStringLiteral("the file is too short")
                                                         : QStringLiteral("not a radio data file");
        return false;
    }
    memory_ = image;
    return true;
}

bool VirtualRadio::saveDataFile(const QString& path, QString* reason) const
{
    return SaveDataFile(path, memory_, reason) == DataFileStatus::Ok;
}

} // namespace t40
