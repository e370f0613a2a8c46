#pragma once

#include "radio_image.h"

#include <QString>

#include <array>
#include <cstdint>

// The radio-wide settings of the function pages: how each stored byte maps to
// a list position and back. The optional-features decode repairs the image;
// every other decode here only reads it.
namespace t40 {

// ---- Optional features ----------------------------------------------------

// List positions (and check states) of the shown optional features.
struct OptionSettings {
    int totIndex = 0;        // 0..39: (index + 1) * 15 seconds
    int totWarningIndex = 0; // 0..10, 0 = off
    int squelchIndex = 0;    // 0..9
    int voiceIndex = 0;      // 0 off, 1 Chinese, 2 English
    bool vox = false;
    int voxLevelIndex = 0;   // 0..9, 0 = off
    bool batterySave = false;
    bool roger = false;
    bool scramble = false;   // byte 300, never repaired
};

// Reads the optional features. A byte outside its range is replaced in the
// image by its default, in the order TOT, pre-alert, squelch, voice, VOX,
// VOX level, battery save, roger.
OptionSettings DecodeOptions(RadioImage& image);

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

// ---- Scan settings --------------------------------------------------------

constexpr int ScanTimeCount = 9; // 1.0 .. 5.0 s in steps of 0.5

// Stored value of a time list position (tenths of a second: 10..50).
std::uint8_t ScanTimeByte(int index);
// The list position of a stored time, -1 when it is not one of the nine.
int ScanTimeIndex(std::uint8_t value);

// Revert-channel list position for a stored type and a list of 2 or 4 items.
int RevertChannelIndex(std::uint8_t value, int listCount);

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

} // namespace t40
