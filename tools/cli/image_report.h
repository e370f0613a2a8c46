#pragma once

#include "radio_image.h"

#include <QString>

namespace t40 {

// A plain-text account of an image: band, the 16 channels and the optional features.
QString ImageReport(const RadioImage& image);

} // namespace t40
