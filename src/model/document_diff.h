#pragma once

#include "radio_image.h"

#include <QStringList>

namespace t40 {

// What differs between two images (the 1024 bytes that data files carry;
// the memory above them is not compared), one line per named value, in
// channel and then field-table order:
//   "channel 3 receive frequency: 446.00625 -> 446.10000"
//   "squelch level: 3 -> 5"
// Differing bits that no line accounts for (reserved channel bytes, an absent
// channel's leftovers, bytes no field names) end in one last line with their
// addresses, so that two images are reported equal only when every byte is.
// Empty when the images are equal. The password is never shown, only that it
// differs.
QStringList CompareImages(const RadioImage& before, const RadioImage& after, bool english = true);

} // namespace t40
