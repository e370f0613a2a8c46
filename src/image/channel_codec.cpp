#include "channel_codec.h"

#include "byte_routines.h"
#include "decimal_text.h"
#include "memory_map.h"

#include <algorithm>

namespace t40 {

namespace {
int Offset(int channel, int field)
{
    const auto record = ChannelRecordOffset(0, channel);
    return record ? *record + field : -1;
}
} // namespace

std::optional<int> ChannelRecordOffset(int group, int channel)
{
    if (group < 0 || group >= ChannelGroups || channel < 1 || channel > ChannelsPerGroup)
        return std::nullopt;
    const int i = 16 * group + (channel - 1);
    return 16 + 16 * i + 32 * (i / 30);
}

std::optional<ScanBit> ScanBitLocation(int group, int channel)
{
    if (group < 0 || group >= ChannelGroups || channel < 1 || channel > ChannelsPerGroup)
        return std::nullopt;
    return ScanBit { MemoryMap::ScanAddBitmap + 2 * group + (channel - 1) / 8, (channel - 1) % 8 };
}

DecodedFrequency DecodeFrequency(const FrequencyBytes& b, const QString& decimalSeparator)
{
    auto nibbles = [](std::uint8_t v) { return QString::number(v >> 4) + QString::number(v & 0x0F); };
    DecodedFrequency decoded;
    decoded.text = QString::number(b[3], 16).toUpper() + QString::number(b[2] >> 4) + decimalSeparator
        + QString::number(b[2] & 0x0F) + nibbles(b[1]) + nibbles(b[0]);
    decoded.present = DecodeFrequencyUnits(b).has_value();
    return decoded;
}

std::optional<int> DecodeFrequencyUnits(const FrequencyBytes& b)
{
    // Byte 3 reads in hexadecimal, so a nibble above 9 there ends the number
    // below 50 MHz; the other nibbles read as decimal numbers 0..15.
    const int mhzHigh = b[3] >> 4;
    const int mhzLow = b[3] & 0x0F;
    if (mhzHigh > 9 || mhzLow > 9)
        return std::nullopt;
    const int unitsMHz = b[2] >> 4;
    const int whole = (10 * mhzHigh + mhzLow) * (unitsMHz > 9 ? 100 : 10) + unitsMHz;

    std::array<int, 10> digits {};
    int count = 0;
    for (const int nibble : { b[2] & 0x0F, b[1] >> 4, b[1] & 0x0F, b[0] >> 4, b[0] & 0x0F }) {
        if (nibble > 9)
            digits[count++] = 1;
        digits[count++] = nibble % 10;
    }
    const bool fractionZero = std::all_of(digits.begin(), digits.begin() + count, [](int d) { return d == 0; });
    if (whole < LowestPresentMHz || whole > HighestPresentMHz || (whole == HighestPresentMHz && !fractionZero))
        return std::nullopt;

    // Five decimals kept, the rest rounded to the nearest, ties to even.
    int units = whole;
    for (int i = 0; i < 5; ++i)
        units = 10 * units + digits[i];
    int rest = 0;
    int half = 0;
    for (int i = 5; i < count; ++i) {
        rest = 10 * rest + digits[i];
        half = 10 * half + (i == 5 ? 5 : 0);
    }
    if (rest > half || (rest == half && half > 0 && units % 2 == 1))
        ++units;
    return units;
}

FrequencyBytes EncodeFrequency(const QString& text, const QString& decimalSeparator)
{
    const std::int64_t n = ReadLeadingNumber(text, decimalSeparator).value.scaled(5);
    return { ToBcd(int(n % 100)), ToBcd(int(n / 100 % 100)), ToBcd(int(n / 10000 % 100)),
             ToBcd(int(n / 1000000 % 100)) };
}

FrequencyBytes EncodeWholeMHz(int mhz)
{
    return EncodeFrequency(QString::number(mhz), QStringLiteral("."));
}

FrequencyBytes ReadFrequency(const RadioImage& image, int channel, int field)
{
    FrequencyBytes bytes = NoFrequency;
    const int at = Offset(channel, field);
    if (at >= 0)
        image.readBlock(at, bytes);
    return bytes;
}

void WriteFrequency(RadioImage& image, int channel, int field, const FrequencyBytes& bytes)
{
    const int at = Offset(channel, field);
    if (at >= 0)
        image.writeBlock(at, bytes);
}

SignallingBytes ReadCode(const RadioImage& image, int channel, int field)
{
    const int at = Offset(channel, field);
    if (at < 0)
        return NoSignallingCode;
    return { image.byte(at), image.byte(at + 1) };
}

void WriteCode(RadioImage& image, int channel, int field, SignallingBytes bytes)
{
    const int at = Offset(channel, field);
    if (at < 0)
        return;
    image.setByte(at, bytes.low);
    image.setByte(at + 1, bytes.high);
}

std::uint8_t ReadFlags(const RadioImage& image, int channel)
{
    const int at = Offset(channel, ChannelField::Flags);
    return at < 0 ? 0xFF : image.byte(at);
}

void WriteFlagBits(RadioImage& image, int channel, std::uint8_t mask, std::uint8_t value)
{
    const int at = Offset(channel, ChannelField::Flags);
    if (at >= 0)
        image.setByte(at, static_cast<std::uint8_t>((image.byte(at) & ~mask) | (value & mask)));
}

void RepairStoredPower(RadioImage& image, int channel)
{
    constexpr std::uint8_t High = 2 << ChannelFlags::PowerShift;
    if ((ReadFlags(image, channel) & ChannelFlags::PowerMask) == ChannelFlags::PowerMask)
        WriteFlagBits(image, channel, ChannelFlags::PowerMask, High);
}

bool ReadScanBit(const RadioImage& image, int channel)
{
    const auto location = ScanBitLocation(0, channel);
    return location && (image.byte(location->byteOffset) & ShiftLeft(1, location->bit));
}

void WriteScanBit(RadioImage& image, int channel, bool set)
{
    const auto location = ScanBitLocation(0, channel);
    if (!location)
        return;
    const std::uint8_t mask = ShiftLeft(1, location->bit);
    const std::uint8_t old = image.byte(location->byteOffset);
    image.setByte(location->byteOffset, static_cast<std::uint8_t>(set ? old | mask : old & ~mask));
}

bool ReceivePresent(const RadioImage& image, int channel, const QString& decimalSeparator)
{
    return DecodeFrequency(ReadFrequency(image, channel, ChannelField::Receive), decimalSeparator).present;
}

bool TransmitPresent(const RadioImage& image, int channel, const QString& decimalSeparator)
{
    return DecodeFrequency(ReadFrequency(image, channel, ChannelField::Transmit), decimalSeparator).present;
}

void EraseChannel(RadioImage& image, int channel)
{
    const auto record = ChannelRecordOffset(0, channel);
    if (!record)
        return;
    std::array<std::uint8_t, MemoryMap::ChannelRecordSize> erased;
    erased.fill(0xFF);
    image.writeBlock(*record, erased);
    WriteScanBit(image, channel, false);
}

void CopyChannel(RadioImage& image, const RadioImage& source, int from, int to)
{
    const auto origin = ChannelRecordOffset(0, from);
    const auto destination = ChannelRecordOffset(0, to);
    if (!origin || !destination)
        return;
    std::array<std::uint8_t, MemoryMap::ChannelRecordSize> record;
    source.readBlock(*origin, record);
    image.writeBlock(*destination, record);
    WriteScanBit(image, to, ReadScanBit(source, from));
}

void CopyChannel(RadioImage& image, int from, int to)
{
    const auto source = ChannelRecordOffset(0, from);
    const auto destination = ChannelRecordOffset(0, to);
    if (!source || !destination || from == to)
        return;
    std::array<std::uint8_t, MemoryMap::ChannelRecordSize> record;
    image.readBlock(*source, record);
    image.writeBlock(*destination, record);
    WriteScanBit(image, to, ReadScanBit(image, from));
}

bool InsertChannel(RadioImage& image, int s, const QString& decimalSeparator)
{
    if (s < 1 || s > ChannelsPerGroup || ReceivePresent(image, ChannelsPerGroup, decimalSeparator))
        return false;
    for (int c = ChannelsPerGroup - 1; c >= s; --c) {
        CopyChannel(image, c, c + 1);
        EraseChannel(image, c);
    }
    return true;
}

void RemoveChannel(RadioImage& image, int s)
{
    if (s < 1 || s > ChannelsPerGroup)
        return;
    for (int c = s; c < ChannelsPerGroup; ++c) {
        CopyChannel(image, c + 1, c);
        EraseChannel(image, c + 1);
    }
    if (s == ChannelsPerGroup)
        EraseChannel(image, s);
}

bool ReorderChannels(RadioImage& image, std::span<const int> order)
{
    if (order.size() != std::size_t(ChannelsPerGroup))
        return false;
    std::array<bool, ChannelsPerGroup + 1> named {};
    for (int c : order) {
        if (c < 1 || c > ChannelsPerGroup || named[c])
            return false;
        named[c] = true;
    }
    const RadioImage before = image;
    for (int to = 1; to <= ChannelsPerGroup; ++to) {
        const int from = order[to - 1];
        if (from == to)
            continue;
        CopyChannel(image, before, from, to);
    }
    return true;
}

ChannelView DecodeChannel(const RadioImage& image, int channel, const QString& decimalSeparator,
                          const QString& noneText)
{
    ChannelView view;
    const DecodedFrequency receive = DecodeFrequency(ReadFrequency(image, channel, ChannelField::Receive),
                                                     decimalSeparator);
    view.present = receive.present;
    if (!view.present)
        return view;
    view.receiveText = receive.text;
    const DecodedFrequency transmit = DecodeFrequency(ReadFrequency(image, channel, ChannelField::Transmit),
                                                      decimalSeparator);
    view.transmitPresent = transmit.present;
    if (transmit.present)
        view.transmitText = transmit.text;
    const SignallingBytes decode = ReadCode(image, channel, ChannelField::Decode);
    const SignallingBytes encode = ReadCode(image, channel, ChannelField::Encode);
    view.decode = DecodeSignallingCode(decode.low, decode.high, decimalSeparator, noneText);
    view.encode = DecodeSignallingCode(encode.low, encode.high, decimalSeparator, noneText);
    view.decodeIsNone = decode == NoSignallingCode;
    view.encodeIsNone = encode == NoSignallingCode;
    const std::uint8_t flags = ReadFlags(image, channel);
    view.powerBits = (flags & ChannelFlags::PowerMask) >> ChannelFlags::PowerShift;
    view.busyLockBits = (flags & ChannelFlags::BusyLockMask) >> ChannelFlags::BusyLockShift;
    view.spacingBit = (flags & ChannelFlags::SpacingMask) >> ChannelFlags::SpacingShift;
    view.scanAdd = ReadScanBit(image, channel);
    return view;
}

} // namespace t40
