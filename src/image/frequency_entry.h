#pragma once

#include "band_table.h"
#include "radio_image.h"

#include <QString>

namespace t40 {

// "400" -> "400.00000" with the given separator.
QString LimitText(int mhz, const QString& decimalSeparator);

// Completes a frequency text to nine characters: the separator when it has
// none, then zeros (446 -> 446.00000). Empty text stays empty.
QString CompleteFrequencyText(const QString& text, const QString& decimalSeparator);

// A typed frequency checked against a range: the separator alone becomes the
// low limit, a value outside the range the nearer limit; both with the
// warning due. Text that is not a plain number is cut to the number it
// starts with (none at all reads as 0).
struct FrequencyCheck {
    QString text;
    bool empty = false;
    bool warning = false;
};
FrequencyCheck CheckFrequencyText(const QString& text, const QString& decimalSeparator, int lowMHz, int highMHz);

struct EntryResult {
    QString text;          // corrected and completed text to show
    bool warning = false;  // "Frequency is out of range!" is due
    bool written = false;  // the image was changed
    bool created = false;  // an absent channel got the creation defaults
    bool deleted = false;  // the channel was erased
};

// A receive frequency typed for a channel (group 0): empty text deletes the
// channel, a frequency for an absent channel creates it with the defaults,
// and a channel without transmit frequency gets one.
EntryResult EnterReceiveFrequency(RadioImage& image, int channel, const QString& text,
                                  const QString& decimalSeparator, const BandState& band);

// A transmit frequency typed for a present channel: empty text makes the
// channel receive-only (transmit frequency and encode code erased).
EntryResult EnterTransmitFrequency(RadioImage& image, int channel, const QString& text,
                                   const QString& decimalSeparator, const BandState& band);

} // namespace t40
