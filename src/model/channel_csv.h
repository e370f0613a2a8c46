#pragma once

#include "band_table.h"
#include "channel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace t40 {

class RadioDocument;

// The channel list as CSV in the generic layout of the common open-source
// multi-radio programming tool, so that channels move both ways between it
// and this program; the radio's busy lock follows as a last column of our own.
QStringList ChannelCsvHeader();

// The present channels, one row each (CRLF line ends, no byte order mark).
QByteArray ExportChannelsCsv(const RadioDocument& document);

// A problem or a note about the file, with the place it concerns, in the
// interface language of the moment it was found.
struct CsvMessage {
    int line = 0;   // 1-based line of the file; 0: the file as a whole
    int column = 0; // 1-based field of the row; 0: the row as a whole
    QString columnName;
    QString text;
};

// One row of the file that becomes channel `location`.
struct ImportedChannel {
    int line = 0;
    int location = 0;
    Channel channel;
    bool busyLockGiven = false; // without the column the channel keeps its busy lock
    // Without the column a channel in use keeps its power, a new one on a
    // licence-free service's frequency gets Low, any other High.
    bool powerGiven = true;
};

struct ChannelCsvImport {
    std::vector<ImportedChannel> rows; // the valid rows, in file order
    std::vector<CsvMessage> problems;  // rows with a problem are not among rows
    std::vector<CsvMessage> notes;     // values stored differently, columns and rows left aside
};

// Reads a CSV file (comma or semicolon separated, quoted fields, UTF-8 with
// or without byte order mark, any line ends) and checks every row against
// the band; nothing is changed here.
ChannelCsvImport ParseChannelsCsv(const QByteArray& data, const BandState& band);

// Puts the imported rows into their channels, as one sequence of document
// changes; channels the file does not list keep what they hold, and bytes
// the file does not carry (spare flag bits, reserved bytes) stay as stored.
void ApplyImportedChannels(RadioDocument& document, const std::vector<ImportedChannel>& rows);

// "channels 1, 2, 5" style list of the locations of the rows.
QString ImportedLocationList(const std::vector<ImportedChannel>& rows);

} // namespace t40
