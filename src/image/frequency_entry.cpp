#include "frequency_entry.h"

#include "channel_codec.h"
#include "decimal_text.h"

namespace t40 {

namespace {
constexpr int CompletedLength = 9;

bool PlainNumber(const QString& text, const QString& separator)
{
    return ReadLeadingNumber(text, separator).matched == text;
}
} // namespace

QString LimitText(int mhz, const QString& decimalSeparator)
{
    return QString::number(mhz) + decimalSeparator + QStringLiteral("00000");
}

QString CompleteFrequencyText(const QString& text, const QString& decimalSeparator)
{
    if (text.isEmpty())
        return text;
    QString completed = text;
    if (!completed.contains(decimalSeparator))
        completed += decimalSeparator;
    while (completed.size() < CompletedLength)
        completed += u'0';
    return completed;
}

FrequencyCheck CheckFrequencyText(const QString& text, const QString& decimalSeparator, int lowMHz, int highMHz)
{
    FrequencyCheck check { text };
    if (text.isEmpty()) {
        check.empty = true;
        return check;
    }
    if (!PlainNumber(text, decimalSeparator)) {
        const QString number = ReadLeadingNumber(text, decimalSeparator).matched.trimmed();
        check.text = number.isEmpty() ? QStringLiteral("0") : number;
    }
    if (check.text == decimalSeparator) {
        check.text = LimitText(lowMHz, decimalSeparator);
        check.warning = true;
        return check;
    }
    const DecimalText value = ReadLeadingNumber(check.text, decimalSeparator).value;
    if (value.compare(highMHz) > 0) {
        check.text = LimitText(highMHz, decimalSeparator);
        check.warning = true;
    } else if (value.compare(lowMHz) < 0) {
        check.text = LimitText(lowMHz, decimalSeparator);
        check.warning = true;
    }
    return check;
}

EntryResult EnterReceiveFrequency(RadioImage& image, int channel, const QString& text,
                                  const QString& decimalSeparator, const BandState& band)
{
    EntryResult result;
    if (!ChannelRecordOffset(0, channel))
        return result;
    const bool wasPresent = ReceivePresent(image, channel, decimalSeparator);
    const FrequencyCheck check = CheckFrequencyText(text, decimalSeparator, band.lowMHz, band.highMHz);
    if (check.empty) {
        // An absent channel keeps its bytes: they may be a record this
        // program cannot read, and clearing an empty box must not erase it.
        if (wasPresent) {
            EraseChannel(image, channel);
            result.written = result.deleted = true;
        }
        return result;
    }
    result.text = CompleteFrequencyText(check.text, decimalSeparator);
    result.warning = check.warning;
    const bool hadTransmit = wasPresent && TransmitPresent(image, channel, decimalSeparator);
    if (!wasPresent) {
        // The whole record is rebuilt: an unreadable record may hold
        // anything in its other fields.
        WriteCode(image, channel, ChannelField::Decode, NoSignallingCode);
        WriteCode(image, channel, ChannelField::Encode, NoSignallingCode);
        WriteFlagBits(image, channel, 0xFF, ChannelFlags::Created);
        const auto record = ChannelRecordOffset(0, channel);
        for (int field : { ChannelField::Reserved1, ChannelField::Reserved2, ChannelField::Scramble })
            image.setByte(*record + field, 0xFF);
        WriteScanBit(image, channel, true);
        result.created = true;
    }
    WriteFrequency(image, channel, ChannelField::Receive, EncodeFrequency(check.text, decimalSeparator));
    if (!hadTransmit) {
        const DecimalText value = ReadLeadingNumber(check.text, decimalSeparator).value;
        WriteFrequency(image, channel, ChannelField::Transmit,
                       value.compare(band.effectiveHighMHz) > 0 ? EncodeWholeMHz(band.effectiveHighMHz)
                                                                : EncodeFrequency(check.text, decimalSeparator));
    }
    result.written = true;
    return result;
}

EntryResult EnterTransmitFrequency(RadioImage& image, int channel, const QString& text,
                                   const QString& decimalSeparator, const BandState& band)
{
    EntryResult result;
    if (!ReceivePresent(image, channel, decimalSeparator))
        return result; // a transmit frequency needs a channel
    const FrequencyCheck check = CheckFrequencyText(text, decimalSeparator, band.lowMHz, band.effectiveHighMHz);
    if (check.empty) {
        WriteFrequency(image, channel, ChannelField::Transmit, NoFrequency);
        WriteCode(image, channel, ChannelField::Encode, NoSignallingCode);
        result.written = result.deleted = true;
        return result;
    }
    result.text = CompleteFrequencyText(check.text, decimalSeparator);
    result.warning = check.warning;
    if (!TransmitPresent(image, channel, decimalSeparator))
        WriteCode(image, channel, ChannelField::Encode, NoSignallingCode);
    WriteFrequency(image, channel, ChannelField::Transmit, EncodeFrequency(check.text, decimalSeparator));
    result.written = true;
    return result;
}

} // namespace t40
