#pragma once

#include "radio_image.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The radio-wide settings of the function pages: how each stored byte maps to
// a list position and back. The optional-features decode repairs the image;
// every other decode here only reads it.
namespace t40 {

// ---- Optional features ----------------------------------------------------

// List positions (and check states) of the optional features. The shown
// ones read as the repair would leave them; the hidden ones (features this
// model lacks) as stored, a flag holding neither 0 nor 1 as no state.
struct OptionSettings {
    int totIndex = 0;        // 0..39: (index + 1) * 15 seconds
    int totWarningIndex = 0; // 0..10, 0 = off
    int squelchIndex = 0;    // 0..9
    int voiceIndex = 0;      // 0 off, 1 Chinese, 2 English
    bool vox = false;
    int voxLevelIndex = 0;   // 0..9, 0 = off
    bool batterySave = false;
    bool roger = false;
    // Byte 300: the scramble and the band-extension options; never repaired.
    std::optional<bool> bandExtension;

    int callResponse = 0;      // stored byte: 0 off .. 5 vibration + chord 2
    int micNoiseReduction = 0; // stored byte: 0 through, 1 low, 2 high
    int voxDelayIndex = 0;     // stored byte: (index + 3) tenths of a second
    std::optional<bool> voxCancel;
    std::optional<bool> voxProceedTone;
    std::optional<bool> squelchTail;
    std::optional<bool> alertLock; // stored 0 when locked
    std::optional<bool> resetAllowed;

    bool scramble() const { return bandExtension.value_or(false); }
    bool operator==(const OptionSettings&) const = default;
};

// Replaces every shown feature's byte outside its range by its default, in
// the order TOT, pre-alert, squelch, voice, VOX, VOX level, battery save, roger.
void RepairOptions(RadioImage& image);
OptionSettings ReadOptions(const RadioImage& image);
// Repairs, then reads.
OptionSettings DecodeOptions(RadioImage& image);
// Stores the features whose value differs from what the image reads as, so
// that a byte no control changed stays as it is.
void WriteOptions(RadioImage& image, const OptionSettings& settings);

// ---- Key assignment -------------------------------------------------------

constexpr int KeyCount = 4; // PF1, PF2, PF1 long, PF2 long
constexpr int KeyFunctionCount = 6;

// Function code of a list position (code 2 is not used), and back; an
// invalid code shows as position 0.
int KeyCodeOfPosition(int position);
int KeyPositionOfCode(int code);

// The 4-bit code of a key: 0 PF1 and 1 PF2 in the low nibbles of 285 and 286,
// 2 PF1 long and 3 PF2 long in their high nibbles.
int KeyCode(const RadioImage& image, int key);
// Writes a key's code, leaving the other nibble of its byte as it is.
void SetKeyCode(RadioImage& image, int key, int code);

// The function list position of each key; -1 for a code that is none of the
// list's (shown as its first entry).
struct KeySettings {
    std::array<int, KeyCount> function { 0, 0, 0, 0 };
    bool operator==(const KeySettings&) const = default;
};
KeySettings ReadKeys(const RadioImage& image);
// Stores the keys whose position differs from what the image reads as.
void WriteKeys(RadioImage& image, const KeySettings& settings);

// ---- Scan settings --------------------------------------------------------

constexpr int ScanTimeCount = 9; // 1.0 .. 5.0 s in steps of 0.5

// Stored value of a time list position (tenths of a second: 10..50).
std::uint8_t ScanTimeByte(int index);
// The list position of a stored time, -1 when it is not one of the nine.
int ScanTimeIndex(std::uint8_t value);

// Revert-channel list position for a stored type and a list of 2 or 4 items.
int RevertChannelIndex(std::uint8_t value, int listCount);

constexpr int PriorityNone = 0;
constexpr int PriorityFixed = 1;
constexpr int PrioritySelected = 2;
constexpr int PriorityChannelSlots = 8;

// Priority channels 2 and 3 (index 1 and 2) share their bytes with the VOX
// switch and level: the scan settings never store them.
constexpr bool IsVoxSharedPriority(int index) { return index == 1 || index == 2; }

// The scan settings: list positions, -1 for a stored value that is none of
// the list's; the revert type and the priority channels as stored.
struct ScanSettings {
    int priorityType = PriorityNone;
    std::array<int, 2> lookBackTime { 0, 0 };  // A, B
    std::array<int, 2> revertDelay { 0, 0 };   // dropout delay, transmit dwell
    int revertChannel = 0;                     // 0..3
    std::array<int, PriorityChannelSlots> priorityChannel {}; // channel numbers
    bool operator==(const ScanSettings&) const = default;
};
ScanSettings ReadScan(const RadioImage& image);
// Stores the settings that differ from what the image reads as; never the
// VOX-shared priority channels.
void WriteScan(RadioImage& image, const ScanSettings& settings);

// ---- Embedded message -----------------------------------------------------

constexpr int MessageFirstCode = 20;
constexpr int MessageLastCode = 126;

inline bool IsMessageCode(int code)
{
    return code >= MessageFirstCode && code <= MessageLastCode;
}

// The two lines; bytes that are not character codes are skipped.
std::array<QString, 2> DecodeEmbeddedMessage(const RadioImage& image);
// Writes both lines, 0xFF after the text. Returns false, touching nothing,
// when a line is longer than 32 characters or holds a character without a
// single-byte code.
bool EncodeEmbeddedMessage(RadioImage& image, const QString& line1, const QString& line2);
// The same for one line (0 or 1) alone; the other line's bytes are not touched.
bool EncodeEmbeddedMessageLine(RadioImage& image, int index, const QString& line);

} // namespace t40
