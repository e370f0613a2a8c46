#pragma once

#include "field_table.h"
#include "radio_image.h"
#include "signalling_codes.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace t40 {

// Channel record layout (offsets within the 16-byte record), from the field table.
namespace ChannelField {
constexpr int Receive = ChannelFieldOf(ChannelFieldId::Receive).offset;
constexpr int Transmit = ChannelFieldOf(ChannelFieldId::Transmit).offset;
constexpr int Decode = ChannelFieldOf(ChannelFieldId::Decode).offset;
constexpr int Encode = ChannelFieldOf(ChannelFieldId::Encode).offset;
constexpr int Flags = ChannelFieldOf(ChannelFieldId::Power).offset;
constexpr int Reserved1 = 13;
constexpr int Reserved2 = 14;
constexpr int Scramble = 15;
} // namespace ChannelField

namespace ChannelFlags {
constexpr std::uint8_t PowerMask = ChannelFieldOf(ChannelFieldId::Power).mask;
constexpr int PowerShift = ChannelFieldOf(ChannelFieldId::Power).shift;
constexpr std::uint8_t BusyLockMask = ChannelFieldOf(ChannelFieldId::BusyLock).mask;
constexpr int BusyLockShift = ChannelFieldOf(ChannelFieldId::BusyLock).shift;
constexpr std::uint8_t SpacingMask = ChannelFieldOf(ChannelFieldId::Spacing).mask;
constexpr int SpacingShift = ChannelFieldOf(ChannelFieldId::Spacing).shift;
constexpr std::uint8_t Created = 0x88; // High power, no busy lock-out, 25 kHz
} // namespace ChannelFlags

// This model has one group of 16 channels.
constexpr int ChannelGroups = 1;
constexpr int ChannelsPerGroup = 16;

// Start of a channel's record; nothing for a group or channel outside the
// table, so that no caller can compute an address beyond it.
std::optional<int> ChannelRecordOffset(int group, int channel);

struct ScanBit {
    int byteOffset;
    int bit;
};
std::optional<ScanBit> ScanBitLocation(int group, int channel);

using FrequencyBytes = std::array<std::uint8_t, 4>;
constexpr FrequencyBytes NoFrequency { 0xFF, 0xFF, 0xFF, 0xFF };

// A stored frequency is present when it reads as LowestPresentMHz..HighestPresentMHz.
constexpr int LowestPresentMHz = 50;
constexpr int HighestPresentMHz = 520;

struct DecodedFrequency {
    QString text;
    bool present = false;
};
// The stored digits as text (MHz, five decimals); present when that text
// reads as 50..520 MHz.
DecodedFrequency DecodeFrequency(const FrequencyBytes& bytes, const QString& decimalSeparator);
// The same reading as a number of 10 Hz units, without going through text:
// nothing when the frequency is not present. Digits above 9 read as the
// text shows them (a letter in the MHz ends the number, any other nibble
// stands for its two decimal digits).
std::optional<int> DecodeFrequencyUnits(const FrequencyBytes& bytes);

// The text's value in 10 Hz units (ties to even), as packed BCD.
FrequencyBytes EncodeFrequency(const QString& text, const QString& decimalSeparator);
// n whole MHz, exactly.
FrequencyBytes EncodeWholeMHz(int mhz);

// Record access for group 0; all of them ignore a channel outside 1..16.
FrequencyBytes ReadFrequency(const RadioImage& image, int channel, int field);
void WriteFrequency(RadioImage& image, int channel, int field, const FrequencyBytes& bytes);
SignallingBytes ReadCode(const RadioImage& image, int channel, int field);
void WriteCode(RadioImage& image, int channel, int field, SignallingBytes bytes);
std::uint8_t ReadFlags(const RadioImage& image, int channel);
// Replaces the bits of mask with value (already shifted into place).
void WriteFlagBits(RadioImage& image, int channel, std::uint8_t mask, std::uint8_t value);
// A stored power value of 3 reads as High; this stores it as High.
void RepairStoredPower(RadioImage& image, int channel);
bool ReadScanBit(const RadioImage& image, int channel);
void WriteScanBit(RadioImage& image, int channel, bool set);

bool ReceivePresent(const RadioImage& image, int channel, const QString& decimalSeparator);
bool TransmitPresent(const RadioImage& image, int channel, const QString& decimalSeparator);

// 16 bytes 0xFF and the scan bit cleared.
void EraseChannel(RadioImage& image, int channel);
// Record and scan bit of from onto to; nothing when from == to.
void CopyChannel(RadioImage& image, int from, int to);
// The same from another image (the state before a copy of several channels).
void CopyChannel(RadioImage& image, const RadioImage& source, int from, int to);
// Moves channels s..15 one place down, leaving s empty; refused (false)
// when channel 16 is in use.
bool InsertChannel(RadioImage& image, int s, const QString& decimalSeparator);
// Moves channels s+1..16 one place up, leaving 16 empty.
void RemoveChannel(RadioImage& image, int s);
// Puts the channels in a new order: channel i becomes what channel order[i-1]
// was, record and scan bit together. order must name each of 1..16 once;
// any other order touches nothing and gives false.
bool ReorderChannels(RadioImage& image, std::span<const int> order);

// A channel as the pages show it.
struct ChannelView {
    bool present = false;
    QString receiveText;
    bool transmitPresent = false;
    QString transmitText;
    DecodedSignalling decode;
    DecodedSignalling encode;
    bool decodeIsNone = true; // the bytes are 0xFF 0xFF
    bool encodeIsNone = true;
    int powerBits = 0;   // 0..3
    int busyLockBits = 0; // 0..3
    int spacingBit = 0;
    bool scanAdd = false;
};
ChannelView DecodeChannel(const RadioImage& image, int channel, const QString& decimalSeparator,
                          const QString& noneText);

// List positions the option lists show for stored bits: power 11 reads as
// High, busy lock-out 11 as None.
inline int PowerPosition(int bits) { return bits >= 2 ? 2 : bits; }
inline int BusyLockPosition(int bits) { return bits == 3 ? 0 : bits; }

} // namespace t40
