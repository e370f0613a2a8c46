#pragma once

#include "radio_image.h"

#include <QString>

namespace t40 {

// Accounts of an image: band, the 16 channels and the optional features.
QString ImageReport(const RadioImage& image);     // plain text
QString ImageReportCsv(const RadioImage& image);  // the channel table, one row per channel
QString ImageReportJson(const RadioImage& image); // all of it

} // namespace t40
