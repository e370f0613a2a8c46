#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

namespace t40 {

// A CTCSS/DCS signalling code as two record bytes: low byte first.
struct SignallingBytes {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;
    bool operator==(const SignallingBytes&) const = default;
};

constexpr SignallingBytes NoSignallingCode { 0xFF, 0xFF };

// The bits of the high byte: a DCS code carries the flag, its inversion and
// bit 8 of its number; a tone carries bits 8..11 of its tenths.
namespace SignallingBits {
constexpr std::uint8_t DcsFlag = 0x20;
constexpr std::uint8_t InvertedFlag = 0x80;
constexpr std::uint8_t DcsHighBit = 0x01;
constexpr std::uint8_t ToneHighBits = 0x0F;
} // namespace SignallingBits

// The code list every CTCSS/DCS chooser shows: "None", 50 tones, 116 normal
// and the same 116 inverted DCS codes.
constexpr int SignallingListSize = 283;
constexpr int FirstToneEntry = 1;
constexpr int FirstDcsEntry = 51;
constexpr int FirstInvertedDcsEntry = 167;

// The tones in tenths of a hertz and the DCS codes as their octal digits
// written in decimal (017 -> 17), both in list order.
extern const std::array<int, 50> ToneList;
extern const std::array<int, 116> DcsList;

// Every list text, position 0 being noneText.
QStringList SignallingCodeListTexts(const QString& decimalSeparator, const QString& noneText);

// T tenths of a hertz as shown: whole hertz, separator, tenth (670 -> 67.0).
QString ToneText(int tenths, const QString& decimalSeparator);

struct DecodedSignalling {
    QString text;
    int position = -1; // list position, -1 when the text is not a list entry
};
DecodedSignalling DecodeSignallingCode(std::uint8_t low, std::uint8_t high, const QString& decimalSeparator,
                                       const QString& noneText);

// The bytes for a picked list entry; nothing for a position outside the list.
std::optional<SignallingBytes> EncodeSignallingCodeFromList(int position, const QString& entryText,
                                                            const QString& decimalSeparator);

struct TypedSignalling {
    QString text; // the normalised text that replaces what was typed
    SignallingBytes bytes;
};
// A typed code: "None" stands for no code (the interface's own word for it
// is known above this layer); "D..." is DCS, anything else a tone, both
// corrected silently into range.
TypedSignalling EncodeSignallingCodeFromText(const QString& typed, const QString& decimalSeparator);

// Key filter of the code choosers: digits, the separator, Backspace, Enter
// and capital D, N, I; five characters at most unless typing over a
// selection. keyAscii becomes 0 when the key is refused.
void FilterCodeKeyPress(const QString& text, bool hasSelection, int& keyAscii, const QString& decimalSeparator);

} // namespace t40
