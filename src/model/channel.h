#pragma once

#include "memory_map.h"
#include "radio_image.h"
#include "signalling_codes.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace t40 {

// A CTCSS/DCS code as a value: none, a tone in tenths of a hertz, or a
// 9-bit DCS code number with its polarity.
struct SignallingCode {
    enum class Kind { None, Ctcss, Dcs };
    Kind kind = Kind::None;
    int value = 0;         // tone tenths, or DCS code number 0..511
    bool inverted = false; // DCS only

    static SignallingCode none() { return {}; }
    static SignallingCode tone(int tenths) { return { Kind::Ctcss, tenths, false }; }
    static SignallingCode dcs(int number, bool inverted) { return { Kind::Dcs, number, inverted }; }

    static SignallingCode fromBytes(SignallingBytes bytes);
    SignallingBytes bytes() const;
    // As every chooser shows it; a tone above 254.3 Hz reads as noneText.
    QString text(const QString& decimalSeparator, const QString& noneText) const;
    // From a list entry (position, text) or from typed text, by the shared codec.
    static SignallingCode fromListEntry(int position, const QString& entryText, const QString& decimalSeparator);
    static SignallingCode fromTyped(const QString& typed, const QString& decimalSeparator, QString* normalised = nullptr);

    // A tone that is not one of the 50 standard CTCSS tones.
    bool nonStandardTone() const;

    bool operator==(const SignallingCode&) const = default;
};

// The code lists' first entry, naming no code, in the interface language.
QString NoneCodeText();
// Typed text that names no code: that entry, or the English "None" in any language.
bool IsNoneText(const QString& text);
// The list every code chooser shows, NoneCodeText() first.
QStringList CodeListTexts(const QString& decimalSeparator);
// The keys a code chooser lets in: digits, the separator, Backspace, Enter
// and capital D, N, I; five characters at most unless typing over a
// selection. key becomes 0 when it is refused.
void FilterCodeKey(const QString& text, bool hasSelection, int& key, const QString& decimalSeparator);

enum class Power { Low = 0, Middle = 1, High = 2 };         // stored 3 reads High
enum class BusyLock { None = 0, Carrier = 1, Code = 2 };   // stored 3 reads None
enum class Spacing { Narrow = 0, Wide = 1 };

// The channels of the document are numbered 1..ChannelCount.
constexpr int ChannelCount = MemoryMap::ChannelCount;

// Frequencies are whole multiples of 10 Hz: 446.00625 MHz is 44600625.
using Frequency = int;
constexpr Frequency FrequencyUnitsPerMHz = 100000;

// One channel as the pages see it. A channel without receive frequency is
// absent; the other values are then meaningless.
struct Channel {
    std::optional<Frequency> receive;
    std::optional<Frequency> transmit; // none: receive-only
    SignallingCode decode;
    SignallingCode encode;
    Power power = Power::High;
    BusyLock busyLock = BusyLock::None;
    Spacing spacing = Spacing::Wide;
    bool scanAdd = true;

    bool present() const { return receive.has_value(); }
    // Encode as Decode would give it an encode code: it transmits, has a
    // decode code and no encode code.
    bool encodeCanTakeDecode() const
    {
        return present() && transmit && encode == SignallingCode::none() && decode != SignallingCode::none();
    }
    bool operator==(const Channel&) const = default;

    // What a receive frequency entered into an absent channel creates.
    static Channel created(Frequency receive, Frequency transmit);
};

// "446.00625" with the given separator.
QString FrequencyText(Frequency f, const QString& decimalSeparator);
// A typed or shown frequency text to 10 Hz units (ties to even); nothing
// when its value lies outside 50..520 MHz, the rule for a present frequency.
std::optional<Frequency> ParseFrequency(const QString& text, const QString& decimalSeparator);

// Channel c (1..16) of the image; an absent channel for any other c.
Channel ReadChannel(const RadioImage& memory, int c);
// Writes what differs between before and after, so that bits no page shows
// (flags 2..0, reserved bytes, unreadable digits) stay as stored. A channel
// that becomes present gets the creation defaults; one that becomes absent
// is erased with its scan bit. Nothing for c outside 1..16.
void WriteChannel(RadioImage& memory, int c, const Channel& before, const Channel& after);

} // namespace t40
