#pragma once

#include <QString>

namespace t40 {

class RadioImage;

// t40-cli write --repeat: writes the image into one radio after another on
// the port, one line per radio on stdout, until count radios (0: until
// Ctrl+C), then a summary. Returns the exit status: non-zero when any radio
// failed.
int RunRow(const QString& port, const QString& device, const RadioImage& image, const QString& fileName, int count,
           bool verify);

} // namespace t40
