#pragma once

#include "band_table.h" // BandState, the band the document works in

#include <QStringList>

#include <optional>

// The radio's band as the model dialog, the status bar and the session
// windows see it: the dialog's two lists, the band a list row names and the
// model change that stores it.
namespace t40 {

class RadioDocument;

// The rows of the band list for family 0 (VHF) or 1 (UHF).
QStringList BandListTexts(int family);

// The family and band row the document's model block shows; a UHF code no
// row has shows as the last row.
struct BandChoice {
    int family = 1;
    int row = 0;
};
BandChoice CurrentBandChoice(const RadioDocument& document);

// Whether the document's model block already holds what the row stores.
bool IsCurrentBand(const RadioDocument& document, const BandChoice& choice);

// The band a row names; nothing for a row outside the lists.
std::optional<BandState> BandOfChoice(const BandChoice& choice);

// A model change: the family byte and band code of the band, then the band.
void StoreModel(RadioDocument& document, const BandState& band);

// The band a memory's model block gives, from the start values (for memory
// that is not the document's, such as the data about to be written).
BandState BandOfMemory(const RadioImage& memory);

} // namespace t40
