#pragma once

#include "frequency_entry.h"
#include "radio_image.h"

#include <QString>

#include <functional>

namespace t40 {

// The batch editor counts channels 0..127 (eight groups of 16); this radio
// holds the first 16 of them, and channels beyond those are never touched.
constexpr int BatchChannelCount = 128;

struct BatchRange {
    int first = 0; // zero-based, inclusive
    int last = BatchChannelCount - 1;
    bool clearOutside = false; // erase the channels outside the range
};

enum class BatchTransmit { Default, Offset, Incept };

// What the batch editor writes into each channel of the range. Frequencies
// are texts in MHz (steps in kHz) with the shared decimal separator; code
// positions index the shared signalling code list.
struct BatchFill {
    bool setReceive = false;
    bool setTransmit = false;
    bool setDecode = false;
    bool setEncode = false;
    bool setPower = false;
    bool setSpacing = false;
    bool setBusyLock = false;
    bool setScanAdd = false;

    QString receiveStart;
    QString receiveStepKHz;
    bool receiveDown = false;

    BatchTransmit transmit = BatchTransmit::Default;
    QString transmitOffset;
    bool offsetMinus = false;
    QString transmitStart;
    QString transmitStepKHz;
    bool transmitDown = false;

    bool decodeRandom = false;
    int decodeStart = 0;
    int decodeStep = 0;
    bool decodeDown = false;

    bool encodeDefault = false; // the encode code follows the decode code
    bool encodeRandom = false;
    int encodeStart = 0;
    int encodeStep = 0;
    bool encodeDown = false;

    int power = 0;    // list positions, stored as the field values
    int spacing = 0;
    int busyLock = 0;
    bool scanAdd = false;
    // Reverse and talk-around have no field in this radio's channel record.
};

// A number in [0, 1); the editor draws random codes from it.
using RandomSource = std::function<double()>;
RandomSource ClockSeededRandom();

// Writes the fill into every channel of the range, in ascending order, and
// erases the channels outside it when asked. Frequencies step from their
// start values and stay within the band; code positions step through the
// list and wrap around at its ends. A receive frequency creates a channel
// that was empty; the other attributes leave empty channels as they are.
// Only channels 1..16 of the image change.
void ApplyBatchFill(RadioImage& image, const BatchRange& range, const BatchFill& fill,
                    const QString& decimalSeparator, const BandState& band, const RandomSource& random);

} // namespace t40
