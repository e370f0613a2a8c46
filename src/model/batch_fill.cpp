#include "batch_fill.h"

#include "channel_codec.h"
#include "decimal_text.h"
#include "signalling_codes.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <memory>

namespace t40 {

namespace {
// Frequencies are carried exactly in units of 1e-11 MHz (10 microhertz):
// fine enough for every digit the nine-character boxes can hold, so that
// stepping never drifts the way a binary fraction would.
constexpr int MHzDecimals = 11;
constexpr int KHzDecimals = 8;
constexpr std::int64_t UnitsPerMHz = 100'000'000'000;
constexpr std::int64_t UnitsPerStoredStep = 1'000'000; // 10 Hz, the image's resolution
constexpr int LastCode = SignallingListSize - 1; // 282

std::int64_t MHzUnits(const QString& text, const QString& separator)
{
    return ReadLeadingNumber(text, separator).value.scaled(MHzDecimals);
}

std::int64_t KHzUnits(const QString& text, const QString& separator)
{
    return ReadLeadingNumber(text, separator).value.scaled(KHzDecimals);
}

// The running value to the image's 10 Hz, ties to even, as MHz text.
QString StoredText(std::int64_t units, const QString& separator)
{
    std::int64_t n = units / UnitsPerStoredStep;
    const std::int64_t rest = units % UnitsPerStoredStep;
    if (rest * 2 > UnitsPerStoredStep || (rest * 2 == UnitsPerStoredStep && n % 2 == 1))
        ++n;
    return QString::number(n / 100000) + separator + QStringLiteral("%1").arg(n % 100000, 5, 10, QChar(u'0'));
}

// A position stepped beyond either end of the code list starts again at the
// other end.
int WrapCode(int position)
{
    if (position < 0)
        return LastCode;
    if (position > LastCode)
        return 0;
    return position;
}

int RandomCode(const RandomSource& random)
{
    return WrapCode(int(std::lround(random() * LastCode)));
}

// One stepping value: the start for the first channel of the range, then
// one step further for each following channel.
struct Stepper {
    std::int64_t value = 0;
    std::int64_t step = 0;
    bool down = false;

    void advance(int k, std::int64_t start)
    {
        if (k == 0)
            value = start;
        else
            value = down ? value - step : value + step;
    }
};
} // namespace

RandomSource ClockSeededRandom()
{
    auto generator = std::make_shared<QRandomGenerator>(
        static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    return [generator] { return generator->generateDouble(); };
}

void ApplyBatchFill(RadioImage& image, const BatchRange& range, const BatchFill& fill,
                    const QString& sep, const BandState& band, const RandomSource& random)
{
    const std::int64_t low = band.lowMHz * UnitsPerMHz;
    const std::int64_t receiveHigh = band.highMHz * UnitsPerMHz;
    const std::int64_t transmitHigh = band.effectiveHighMHz * UnitsPerMHz;
    const QStringList codes = SignallingCodeListTexts(sep, QStringLiteral("None"));

    Stepper receive { 0, KHzUnits(fill.receiveStepKHz, sep), fill.receiveDown };
    Stepper transmit { 0, KHzUnits(fill.transmitStepKHz, sep), fill.transmitDown };
    const std::int64_t offset = MHzUnits(fill.transmitOffset, sep);
    int decode = 0;
    int encode = 0;
    int k = 0;

    auto storeCode = [&](int channel, int field, int position) {
        const auto bytes = EncodeSignallingCodeFromList(position, codes.at(position), sep);
        if (bytes)
            WriteCode(image, channel, field, *bytes);
    };

    for (int c = 0; c < ChannelsPerGroup; ++c) {
        const int channel = c + 1;
        if (c < range.first || c > range.last) {
            if (range.clearOutside)
                EraseChannel(image, channel);
            continue;
        }
        if (fill.setReceive) {
            receive.advance(k, MHzUnits(fill.receiveStart, sep));
            receive.value = std::clamp(receive.value, low, receiveHigh);
            // A channel that was empty is created with the channel pages' defaults.
            EnterReceiveFrequency(image, channel, StoredText(receive.value, sep), sep, band);
        }
        // The other attributes go only into channels that exist, as on the
        // channel pages: an empty channel stays all 0xFF. Their values still
        // step past it.
        const bool present = ReceivePresent(image, channel, sep);
        if (fill.setTransmit) {
            switch (fill.transmit) {
            case BatchTransmit::Default:
                transmit.value = receive.value;
                break;
            case BatchTransmit::Offset:
                transmit.value = fill.offsetMinus ? receive.value - offset : receive.value + offset;
                break;
            case BatchTransmit::Incept:
                transmit.advance(k, MHzUnits(fill.transmitStart, sep));
                break;
            }
            transmit.value = std::clamp(transmit.value, low, transmitHigh);
            if (present)
                WriteFrequency(image, channel, ChannelField::Transmit,
                               EncodeFrequency(StoredText(transmit.value, sep), sep));
        }
        // A code list runs from its start, then one step down or up per channel.
        const auto stepped = [k](int previous, int start, bool down, int step) {
            return WrapCode(k == 0 ? start : down ? previous - step : previous + step);
        };
        if (fill.setDecode) {
            if (fill.decodeRandom)
                decode = RandomCode(random);
            else
                decode = stepped(decode, fill.decodeStart, fill.decodeDown, fill.decodeStep);
            if (present)
                storeCode(channel, ChannelField::Decode, decode);
        }
        if (fill.setEncode) {
            if (fill.encodeDefault)
                encode = decode;
            else if (fill.encodeRandom)
                encode = RandomCode(random);
            else
                encode = stepped(encode, fill.encodeStart, fill.encodeDown, fill.encodeStep);
            if (present)
                storeCode(channel, ChannelField::Encode, encode);
        }
        if (present && fill.setPower)
            WriteFlagBits(image, channel, ChannelFlags::PowerMask,
                          static_cast<std::uint8_t>(std::clamp(fill.power, 0, 2) << ChannelFlags::PowerShift));
        if (present && fill.setSpacing)
            WriteFlagBits(image, channel, ChannelFlags::SpacingMask,
                          static_cast<std::uint8_t>(std::clamp(fill.spacing, 0, 1) << ChannelFlags::SpacingShift));
        if (present && fill.setBusyLock)
            WriteFlagBits(image, channel, ChannelFlags::BusyLockMask,
                          static_cast<std::uint8_t>(std::clamp(fill.busyLock, 0, 2) << ChannelFlags::BusyLockShift));
        if (present && fill.setScanAdd)
            WriteScanBit(image, channel, fill.scanAdd);
        ++k;
    }
}

} // namespace t40
