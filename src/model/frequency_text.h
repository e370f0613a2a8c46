#pragma once

#include "frequency_entry.h" // FrequencyCheck
#include "radio_document.h"

#include <QString>

// What a frequency entry box shows for the document's band: receive
// frequencies reach up to the band's top, transmit ones to its effective top.
namespace t40 {

// The typed text cut to the number it starts with, held to the range of its
// field and completed to nine characters (empty text stays empty).
FrequencyCheck CheckFrequencyBox(const RadioDocument& document, FrequencyField field, const QString& text,
                                 const QString& decimalSeparator);

// The band's lowest frequency as a box shows it ("400.00000").
QString BandLowText(const RadioDocument& document, const QString& decimalSeparator);

// Whether the number a text starts with is above limit.
bool NumberAbove(const QString& text, const QString& decimalSeparator, int limit);

} // namespace t40
