#pragma once

#include "radio_band.h"

#include <QString>

class QWidget;

namespace t40 {

// Small pieces the channel grid, the channel editor and the copy tools share.

class RadioDocument;

// The band limits of the document's model.
BandState CurrentBand(const RadioDocument& document);

// The one message frequency entry ever shows; detail (a second line) says
// what was stored instead, with the band's range.
void ShowFrequencyWarning(const QString& caption = QString(), const QString& detail = QString());

// Tells the user, without a box, what was stored instead of what was typed:
// in the status bar of the window that holds from.
void ShowCorrection(QWidget* from, const QString& note);

} // namespace t40
