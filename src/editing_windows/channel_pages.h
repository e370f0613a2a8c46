#pragma once

#include "frequency_entry.h"

#include <QString>

namespace t40 {

// Small pieces the channel grid, the channel editor and the copy tools share.

class RadioDocument;

// The band limits of the document's model.
BandState CurrentBand(const RadioDocument& document);

// The first entry of the code list in the interface language.
QString NoneText();

// The one message frequency entry ever shows.
void ShowFrequencyWarning(const QString& caption = QString());

} // namespace t40
