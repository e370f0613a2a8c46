#pragma once

// The band-extension option (image byte 300) moves the transmit upper limit
// of a 400 MHz band; on any other band it changes only the byte.
namespace t40 {

constexpr int ExtensibleBandLowMHz = 400;
constexpr int ExtendedHighMHz = 520;
constexpr int UnextendedHighMHz = 480;

// After a completed read from the radio: the flag set extends the limit,
// a clear flag leaves it as the band decode gave it.
constexpr int EffectiveHighAfterRead(int lowMHz, int effectiveHighMHz, int flag)
{
    return flag == 1 && lowMHz == ExtensibleBandLowMHz ? ExtendedHighMHz : effectiveHighMHz;
}

// The option ticked or cleared by the user.
constexpr int EffectiveHighForOption(int lowMHz, int effectiveHighMHz, bool ticked)
{
    if (lowMHz != ExtensibleBandLowMHz)
        return effectiveHighMHz;
    return ticked ? ExtendedHighMHz : UnextendedHighMHz;
}

} // namespace t40
