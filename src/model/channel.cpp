#include "channel.h"

#include <algorithm>

#include "channel_codec.h"
#include "decimal_text.h"

#include <QCoreApplication>

namespace t40 {

namespace {
using namespace SignallingBits;

std::optional<Frequency> ReadStoredFrequency(const RadioImage& memory, int c, int field)
{
    return DecodeFrequencyUnits(ReadFrequency(memory, c, field));
}

FrequencyBytes FrequencyBytesOf(Frequency f)
{
    return EncodeFrequency(FrequencyText(f, QStringLiteral(".")), QStringLiteral("."));
}

std::uint8_t FlagBits(const Channel& ch)
{
    return static_cast<std::uint8_t>((int(ch.power) << ChannelFlags::PowerShift)
                                     | (int(ch.busyLock) << ChannelFlags::BusyLockShift)
                                     | (int(ch.spacing) << ChannelFlags::SpacingShift));
}
} // namespace

SignallingCode SignallingCode::fromBytes(SignallingBytes b)
{
    if (b == NoSignallingCode)
        return none();
    if (b.high & DcsFlag)
        return dcs(b.low + 256 * (b.high & DcsHighBit), (b.high & InvertedFlag) != 0);
    return tone(256 * (b.high & ToneHighBits) + b.low);
}

SignallingBytes SignallingCode::bytes() const
{
    switch (kind) {
    case Kind::None:
        return NoSignallingCode;
    case Kind::Ctcss:
        return { static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & ToneHighBits) };
    case Kind::Dcs:
        return { static_cast<std::uint8_t>(value & 0xFF),
                 static_cast<std::uint8_t>(((value >> 8) & DcsHighBit) | DcsFlag | (inverted ? InvertedFlag : 0)) };
    }
    return NoSignallingCode;
}

QString SignallingCode::text(const QString& decimalSeparator, const QString& noneText) const
{
    const SignallingBytes b = bytes();
    return DecodeSignallingCode(b.low, b.high, decimalSeparator, noneText).text;
}

SignallingCode SignallingCode::fromListEntry(int position, const QString& entryText, const QString& decimalSeparator)
{
    const auto b = EncodeSignallingCodeFromList(position, entryText, decimalSeparator);
    return b ? fromBytes(*b) : none();
}

QString NoneCodeText()
{
    return QCoreApplication::translate("t40::SignallingCode", "None");
}

bool IsNoneText(const QString& text)
{
    return text == QLatin1String("None") || text == NoneCodeText();
}

QStringList CodeListTexts(const QString& decimalSeparator)
{
    return SignallingCodeListTexts(decimalSeparator, NoneCodeText());
}

void FilterCodeKey(const QString& text, bool hasSelection, int& key, const QString& decimalSeparator)
{
    FilterCodeKeyPress(text, hasSelection, key, decimalSeparator);
}

SignallingCode SignallingCode::fromTyped(const QString& typed, const QString& decimalSeparator, QString* normalised)
{
    if (IsNoneText(typed)) {
        if (normalised)
            *normalised = typed;
        return none();
    }
    const TypedSignalling t = EncodeSignallingCodeFromText(typed, decimalSeparator);
    if (normalised)
        *normalised = t.text;
    return fromBytes(t.bytes);
}

bool SignallingCode::nonStandardTone() const
{
    return kind == Kind::Ctcss && std::find(ToneList.begin(), ToneList.end(), value) == ToneList.end();
}

Channel Channel::created(Frequency receive, Frequency transmit)
{
    Channel ch;
    ch.receive = receive;
    ch.transmit = transmit;
    return ch;
}

QString FrequencyText(Frequency f, const QString& decimalSeparator)
{
    return QString::number(f / FrequencyUnitsPerMHz) + decimalSeparator
        + QStringLiteral("%1").arg(f % FrequencyUnitsPerMHz, 5, 10, QLatin1Char('0'));
}

std::optional<Frequency> ParseFrequency(const QString& text, const QString& decimalSeparator)
{
    const DecimalText value = ReadLeadingNumber(text, decimalSeparator).value;
    if (value.compare(LowestPresentMHz) < 0 || value.compare(HighestPresentMHz) > 0)
        return std::nullopt;
    return static_cast<Frequency>(value.scaled(5));
}

Channel ReadChannel(const RadioImage& memory, int c)
{
    Channel ch;
    ch.receive = ReadStoredFrequency(memory, c, ChannelField::Receive);
    if (!ch.receive)
        return Channel {};
    ch.transmit = ReadStoredFrequency(memory, c, ChannelField::Transmit);
    ch.decode = SignallingCode::fromBytes(ReadCode(memory, c, ChannelField::Decode));
    ch.encode = SignallingCode::fromBytes(ReadCode(memory, c, ChannelField::Encode));
    const std::uint8_t flags = ReadFlags(memory, c);
    const int power = (flags & ChannelFlags::PowerMask) >> ChannelFlags::PowerShift;
    const int busy = (flags & ChannelFlags::BusyLockMask) >> ChannelFlags::BusyLockShift;
    ch.power = Power(PowerPosition(power));
    ch.busyLock = BusyLock(BusyLockPosition(busy));
    ch.spacing = Spacing((flags & ChannelFlags::SpacingMask) >> ChannelFlags::SpacingShift);
    ch.scanAdd = ReadScanBit(memory, c);
    return ch;
}

void WriteChannel(RadioImage& memory, int c, const Channel& before, const Channel& after)
{
    if (!ChannelRecordOffset(0, c))
        return;
    if (!after.present()) {
        // An absent record keeps its bytes (they may hold unreadable digits); only its scan bit goes.
        if (before.present())
            EraseChannel(memory, c);
        else
            WriteScanBit(memory, c, false);
        return;
    }
    const bool creating = !before.present();
    if (creating) {
        const auto record = *ChannelRecordOffset(0, c);
        for (int b = ChannelField::Reserved1; b <= ChannelField::Scramble; ++b)
            memory.setByte(record + b, RadioImage::Erased);
        memory.setByte(record + ChannelField::Flags, FlagBits(after));
        WriteScanBit(memory, c, after.scanAdd);
    }
    if (creating || after.receive != before.receive)
        WriteFrequency(memory, c, ChannelField::Receive, FrequencyBytesOf(*after.receive));
    if (creating || after.transmit != before.transmit)
        WriteFrequency(memory, c, ChannelField::Transmit,
                       after.transmit ? FrequencyBytesOf(*after.transmit) : NoFrequency);
    if (creating || after.decode != before.decode)
        WriteCode(memory, c, ChannelField::Decode, after.decode.bytes());
    if (creating || after.encode != before.encode)
        WriteCode(memory, c, ChannelField::Encode, after.encode.bytes());
    if (creating)
        return;
    if (after.power != before.power)
        WriteFlagBits(memory, c, ChannelFlags::PowerMask, std::uint8_t(int(after.power) << ChannelFlags::PowerShift));
    if (after.busyLock != before.busyLock)
        WriteFlagBits(memory, c, ChannelFlags::BusyLockMask,
                      std::uint8_t(int(after.busyLock) << ChannelFlags::BusyLockShift));
    if (after.spacing != before.spacing)
        WriteFlagBits(memory, c, ChannelFlags::SpacingMask,
                      std::uint8_t(int(after.spacing) << ChannelFlags::SpacingShift));
    if (after.scanAdd != before.scanAdd)
        WriteScanBit(memory, c, after.scanAdd);
}

} // namespace t40
