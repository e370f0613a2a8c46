#pragma once

#include "radio_image.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace t40 {

// One named value that differs between two images, as the pages show it
// (display texts) and as stored (raw: a number for a one-byte value, the
// bytes in hexadecimal otherwise).
struct Difference {
    QString key;  // stable for scripts: "channel.3.receiveMHz", "channel.3", "timeOutTimer", "otherBytes"
    QString name; // in the interface language: "Channel 3 Rx Frequency", "Time-out timer"
    QString before;
    QString after;
    QString rawBefore;
    QString rawAfter;

    // "Time-out timer: 180 s -> 195 s"; a line without values ("Password:
    // differs", "other bytes differ at ...") where the values are not shown.
    QString line() const;
};

// What differs between two images (the 1024 bytes that data files carry;
// the memory above them is not compared), one entry per named value, in
// channel and then field-table order. Bytes that two fields share on purpose
// are reported once, under the field a page shows. Differing bits that no
// entry accounts for (reserved channel bytes, an absent channel's leftovers,
// bytes no field names) end in one last entry with their addresses, so that
// two images are reported equal only when every byte is. Empty when the
// images are equal. The password is never shown, only that it differs.
std::vector<Difference> DiffImages(const RadioImage& before, const RadioImage& after);

// The same as lines of text.
QStringList CompareImages(const RadioImage& before, const RadioImage& after);

} // namespace t40
