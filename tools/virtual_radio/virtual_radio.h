#pragma once

#include "radio_image.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace t40 {

// Faults the virtual radio can be told to make. Frame and read numbers count
// from 1 since the radio was created (in a row: since this radio was plugged
// in); 0 switches a fault off.
struct RadioFaults {
    bool silent = false;          // never answers anything
    int wrongAckAtFrame = 0;      // answers that frame with 0x15 where 0x06 was due
    int otherAddressAtRead = 0;   // answers that read request for otherAddress instead
    int otherAddress = 0;
    int shortReplyAtRead = 0;     // answers that read request with only half its bytes
    int strayByteAtRead = 0;      // sends a stray byte in front of that read's reply
    int trailingByteAtRead = 0;   // sends a stray byte after that read's reply
    int hangUpAfterFrames = 0;    // answers nothing after that many frames
    int changedByteAddress = -1;  // stores the inverse of the byte written to that address
    int changedByteTimes = 0;     // ... only for that many writes of it (0: every one)
};

// A frame the radio has taken in.
struct RadioFrame {
    enum Type { Handshake, IdentityRequest, Ack, Read, Write, End } type;
    int address = -1; // read and write frames
    QByteArray bytes;
};

// The radio's side of the programming protocol over a byte stream: bytes from
// the program go in, the radio's answer comes out. It keeps 4 KB of memory and
// an eight-byte identity whose byte 5 is the band flag (1 = VHF).
class VirtualRadio {
public:
    VirtualRadio();

    // Takes bytes from the line and returns what the radio sends back.
    QByteArray receive(const QByteArray& bytes);

    RadioImage& memory() { return memory_; }
    const RadioImage& memory() const { return memory_; }
    void setBandFlag(std::uint8_t flag) { identity_[5] = char(flag); }
    QByteArray identity() const { return identity_; }
    RadioFaults& faults() { return faults_; }

    // The last FrameLogSize frames taken in; the counts cover every frame.
    static constexpr int FrameLogSize = 512;
    const std::deque<RadioFrame>& frames() const { return frames_; }
    int countFrames(RadioFrame::Type type) const { return counts_[type]; }
    int frameCount() const { return frameCount_; }
    std::vector<int> writeAddresses() const;
    bool hungUp() const { return hungUp_; }
    // An End frame has been taken since the last handshake.
    bool sessionEnded() const { return ended_; }

    // Row mode: the radio stands for one radio after another on the bench.
    // After an end frame that closes an exchange past the identity, or after
    // a hang-up, the radio in hand is due to be taken off; unplug() takes it
    // off (nothing is answered any more) and plugInNext() brings the next
    // one: the memory as it was when row mode was switched on, the identity
    // of the other band for every otherBandEvery-th radio, the fault counts
    // afresh. Whoever owns the clock (the pseudo-terminal server) decides when.
    void setRowMode(bool on, int otherBandEvery = 0);
    bool rowMode() const { return rowMode_; }
    bool swapDue() const { return rowMode_ && !unplugged_ && (doneWithRadio_ || hungUp_); }
    bool unplugged() const { return unplugged_; }
    void unplug();
    void plugInNext();
    int radioNumber() const { return radioNumber_; }
    // Called by plugInNext() once the next radio is in place, to give it its own faults.
    std::function<void(VirtualRadio&)> onNextRadio;

    // Loads and saves the memory's first 1024 bytes as a radio data file.
    bool loadDataFile(const QString& path, QString* reason);
    bool saveDataFile(const QString& path, QString* reason) const;

private:
    enum class Mode { Idle, Handshaken, Identified, Programming };

    bool takeFrame(RadioFrame& frame);
    QByteArray answer(const RadioFrame& frame);

    RadioImage memory_;
    QByteArray identity_;
    RadioFaults faults_;
    QByteArray pending_;
    Mode mode_ = Mode::Idle;
    std::deque<RadioFrame> frames_;
    std::array<int, RadioFrame::End + 1> counts_ {};
    int frameCount_ = 0;
    int readCount_ = 0;
    int changedWrites_ = 0;
    int radioFrames_ = 0;
    bool hungUp_ = false;
    bool ended_ = false;
    bool rowMode_ = false;
    bool doneWithRadio_ = false;
    bool unplugged_ = false;
    int otherBandEvery_ = 0;
    int radioNumber_ = 1;
    RadioImage factory_;
    QByteArray factoryIdentity_;
};

} // namespace t40
