#pragma once

#include "dealer_record.h"
#include "radio_document.h"
#include "radio_functions.h"
#include "stun_kill_codec.h"
#include "tune_codec.h"

#include <QString>

#include <array>

// The settings of the function pages and the partial-session pages as typed
// values of the document: a page reads its settings, changes the value its
// control stands for and hands the settings back. Every write is one change
// of the document (changed() over the bytes it touched).
namespace t40 {

// ---- Optional features, keys, scan ----------------------------------------

OptionSettings ReadOptions(const RadioDocument& document);
void WriteOptions(RadioDocument& document, const OptionSettings& settings);
// Stores the default of every shown feature whose value is out of range.
void RepairOptions(RadioDocument& document);
// The value an option field shows: what the repair would leave, the
// document untouched.
int ShownOptionValue(const RadioDocument& document, FieldId id);

KeySettings ReadKeys(const RadioDocument& document);
void WriteKeys(RadioDocument& document, const KeySettings& settings);
// The function code key k shows; a code that is none of the list's shows
// as the list's first.
int KeyFunctionCode(const RadioDocument& document, int key);

ScanSettings ReadScan(const RadioDocument& document);
void WriteScan(RadioDocument& document, const ScanSettings& settings);
// Whether channel c (1..16) has a readable receive frequency: what the
// priority-channel lists offer.
bool ChannelPresent(const RadioDocument& document, int c);

// ---- Embedded message -----------------------------------------------------

constexpr int MessageLineCount = 2;
constexpr int MessageLineChars = Field(FieldId::MessageLine1).length;
using MessageLines = std::array<QString, MessageLineCount>;
MessageLines ReadMessageLines(const RadioDocument& document);
// Both lines, 0xFF after the text; false, touching nothing, for a line that
// cannot be stored (see EncodeEmbeddedMessage).
bool WriteMessageLines(RadioDocument& document, const MessageLines& lines);
// One line (0 or 1), 0xFF after the text; the other line's bytes stay as they are.
bool WriteMessageLine(RadioDocument& document, int index, const QString& line);

// ---- Tune data of the document's band -------------------------------------

struct TuneTable {
    // Rows 1..3 of the data grid (squelch, power, power) by column 1..16.
    std::array<std::array<int, Tune::PointCount>, Tune::DataRows> cells {};
    std::array<int, Tune::DetectionCount> highThreshold {};
    std::array<int, Tune::DetectionCount> lowThreshold {};
    int deviation = 0;
};
TuneTable ReadTuneTable(const RadioDocument& document);
// Each stores the value clamped to its limit and returns what was stored.
int WriteTuneCell(RadioDocument& document, int row, int column, int value);
int WriteHighThreshold(RadioDocument& document, int point, int value);
int WriteLowThreshold(RadioDocument& document, int point, int value);
int WriteDeviation(RadioDocument& document, int value);

// ---- Dealer information (read only) ---------------------------------------

DealerRecord ReadDealerRecord(const RadioDocument& document);
QString ReadFirmwareVersion(const RadioDocument& document, const QString& decimalSeparator);

// ---- DTMF stun/kill -------------------------------------------------------

struct StunKillSettings {
    int status = 0;  // list position: normal, stun, die; -1 for another stored value
    int ackType = 0; // list position: chord, ring; -1 for another stored value
    bool enabled = false;
    QString stunCode;
    QString killCode;
    bool operator==(const StunKillSettings&) const = default;
};
StunKillSettings ReadStunKill(const RadioDocument& document);
// Stores the status, response type and enable flag that differ from what
// the memory reads as, and the codes whose text differs.
void WriteStunKill(RadioDocument& document, const StunKillSettings& settings);
// A code stored again even when it reads the same (the entry rewrites the
// digits and the length).
void WriteStunKillCode(RadioDocument& document, StunKill::Code code, const QString& text);

// ---- Special option -------------------------------------------------------

struct SpecialOption {
    int rxVoiceLevel = 0; // list position 0..15 ("1".."16")
};
SpecialOption ReadSpecialOption(const RadioDocument& document);
// Stores every value, also one that reads the same as the stored byte.
void WriteSpecialOption(RadioDocument& document, const SpecialOption& option);

} // namespace t40
