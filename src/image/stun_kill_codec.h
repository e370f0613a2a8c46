#pragma once

#include "field_table.h"
#include "radio_image.h"

#include <QString>

namespace t40 {

// The DTMF remote stun/kill record (radio addresses 0x0B80..0x0B9F) and the
// special option (0x0E10..0x0E1F), brought in by their partial reads.
namespace StunKill {
constexpr int StunCode = FieldOffset(FieldId::StunCode);  // eight digit bytes, first digit first
constexpr int KillCode = FieldOffset(FieldId::KillCode);
constexpr int CodeLengths = FieldOffset(FieldId::StunKillCodeLengths); // bits 0..3 stun length, bits 4..7 kill length
constexpr int Status = FieldOffset(FieldId::StunKillStatus);
constexpr int AckType = FieldOffset(FieldId::StunKillAckType);
constexpr int Enable = FieldOffset(FieldId::StunKillEnable);
constexpr int MaxDigits = 8;
constexpr int MinWrittenDigits = 6;

constexpr std::uint8_t Normal = 0xFF;
constexpr std::uint8_t Stunned = 0x55;
constexpr std::uint8_t Killed = 0xAA;
constexpr std::uint8_t Chord = 0xFF;
constexpr std::uint8_t Ring = 0x55;
constexpr std::uint8_t Enabled = 0x55;
constexpr std::uint8_t Disabled = 0xFF;

enum class Code { Stun, Kill };

// List positions of the status (Normal, Stun, Die) and the call response type (Chord, Ring).
int StatusPosition(const RadioImage& memory);
void SetStatusPosition(RadioImage& memory, int position);
int AckTypePosition(const RadioImage& memory);
void SetAckTypePosition(RadioImage& memory, int position);
bool IsEnabled(const RadioImage& memory);
void SetEnabled(RadioImage& memory, bool enabled);

// The code as hexadecimal digits; empty when its length nibble is 0 or above 8.
QString DecodeCode(const RadioImage& memory, Code code);
// Clears the code's eight digit bytes and its length nibble, then stores the
// digits of text (at most eight of "0".."9", "A".."E"); the other nibble is kept.
void EncodeCode(RadioImage& memory, Code code, const QString& text);
// The text reduced to what a code can hold: capitals, only "0".."9" and
// "A".."E", at most eight characters.
QString CleanCode(const QString& text);
// A key typed into a code box: lower-case letters become capitals; returns 0
// for a key the box does not take (Backspace 8 and Enter 13 pass).
int FilterCodeKey(int keyAscii);
} // namespace StunKill

namespace Special {
constexpr int RxVoiceLevel = FieldOffset(FieldId::SpecialRxVoiceLevel);
constexpr int LevelCount = 16;
// List position of the receive voice level ("1".."16"); a stored value above 15 shows "15".
int RxVoicePosition(const RadioImage& memory);
void SetRxVoicePosition(RadioImage& memory, int position);
} // namespace Special

} // namespace t40
