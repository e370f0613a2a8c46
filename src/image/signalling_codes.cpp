#include "signalling_codes.h"

#include "decimal_text.h"

#include <algorithm>

namespace t40 {

const std::array<int, 50> ToneList { 670, 693, 719, 744, 770, 797, 825, 854, 885, 915, 948, 974, 1000,
    1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1598, 1622, 1655, 1679,
    1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966, 1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336,
    2418, 2503, 2541 };

const std::array<int, 116> DcsList { 17, 23, 25, 26, 31, 32, 36, 43, 47, 50, 51, 53, 54, 55, 65, 71, 72,
    73, 74, 114, 115, 116, 122, 125, 131, 132, 134, 135, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205,
    212, 217, 223, 225, 226, 243, 244, 245, 246, 251, 252, 254, 255, 261, 263, 265, 266, 271, 274, 305, 306,
    311, 315, 325, 331, 332, 343, 345, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 425, 431, 432, 445,
    446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 534, 546, 565, 606, 612, 624, 627,
    631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754, 765 };

namespace {
constexpr int HighestTone = 2543; // tenths; above this a stored tone reads as none
constexpr int LowestTypedTone = 670;
constexpr int HighestTypedTone = 2541;
using SignallingBits::DcsFlag;
using SignallingBits::InvertedFlag;

const QString NoneEnglish = QStringLiteral("None");

QString DcsText(int digits, bool inverted)
{
    return QStringLiteral("D%1%2").arg(digits, 3, 10, QLatin1Char('0')).arg(QLatin1String(inverted ? "I" : "N"));
}

// Three octal digits written in decimal (754) to the 9-bit code number.
SignallingBytes DcsBytes(int digits, bool inverted)
{
    const int v = 64 * (digits / 100) + 8 * ((digits % 100) / 10) + digits % 10;
    std::uint8_t high = static_cast<std::uint8_t>(((v / 256) & 0xFF) | DcsFlag);
    if (inverted)
        high |= InvertedFlag;
    return { static_cast<std::uint8_t>(v % 256), high };
}

SignallingBytes ToneBytes(int tenths)
{
    return { static_cast<std::uint8_t>(tenths % 256), static_cast<std::uint8_t>(tenths / 256) };
}
} // namespace

QString ToneText(int tenths, const QString& decimalSeparator)
{
    return QString::number(tenths / 10) + decimalSeparator + QString::number(tenths % 10);
}

QStringList SignallingCodeListTexts(const QString& decimalSeparator, const QString& noneText)
{
    QStringList list;
    list.reserve(SignallingListSize);
    list.append(noneText);
    for (int tone : ToneList)
        list.append(ToneText(tone, decimalSeparator));
    for (bool inverted : { false, true })
        for (int code : DcsList)
            list.append(DcsText(code, inverted));
    return list;
}

DecodedSignalling DecodeSignallingCode(std::uint8_t low, std::uint8_t high, const QString& decimalSeparator,
                                       const QString& noneText)
{
    if (low == 0xFF && high == 0xFF)
        return { noneText, 0 };
    if (high & DcsFlag) {
        const int v = low + 256 * (high & 0x01);
        const int digits = 100 * (v >> 6) + 10 * ((v >> 3) & 7) + (v & 7);
        const bool inverted = high & InvertedFlag;
        DecodedSignalling decoded { DcsText(digits, inverted), -1 };
        const auto* it = std::find(DcsList.begin(), DcsList.end(), digits);
        if (it != DcsList.end())
            decoded.position = (inverted ? FirstInvertedDcsEntry : FirstDcsEntry) + int(it - DcsList.begin());
        return decoded;
    }
    const int tenths = 256 * (high & 0x0F) + low;
    if (tenths > HighestTone)
        return { noneText, 0 };
    DecodedSignalling decoded { ToneText(tenths, decimalSeparator), -1 };
    const auto* it = std::find(ToneList.begin(), ToneList.end(), tenths);
    if (it != ToneList.end())
        decoded.position = FirstToneEntry + int(it - ToneList.begin());
    return decoded;
}

std::optional<SignallingBytes> EncodeSignallingCodeFromList(int position, const QString& entryText,
                                                            const QString& decimalSeparator)
{
    if (position < 0 || position >= SignallingListSize)
        return std::nullopt;
    if (position == 0)
        return NoSignallingCode;
    if (position < FirstDcsEntry) {
        const auto value = ParseDecimal(entryText, decimalSeparator);
        if (!value)
            return std::nullopt;
        const auto tenths = value->scaled(1);
        if (tenths > HighestTone)
            return std::nullopt;
        return ToneBytes(static_cast<int>(tenths));
    }
    const auto digits = ParseDecimal(entryText.mid(1, 3), decimalSeparator);
    if (!entryText.startsWith(u'D') || !digits || !digits->fraction.isEmpty())
        return std::nullopt;
    return DcsBytes(static_cast<int>(digits->scaled(0)), position >= FirstInvertedDcsEntry);
}

TypedSignalling EncodeSignallingCodeFromText(const QString& typed, const QString& decimalSeparator)
{
    if (typed == NoneEnglish)
        return { typed, NoSignallingCode };
    if (typed.startsWith(u'D')) {
        QString normalised = QStringLiteral("D");
        int digits = 0;
        for (int k = 1; k <= 3; ++k) {
            QChar c = k < typed.size() ? typed.at(k) : u'0';
            if (c > u'7')
                c = u'7';
            else if (c < u'0')
                c = u'0';
            normalised.append(c);
            digits = digits * 10 + (c.unicode() - '0');
        }
        const bool inverted = typed.size() > 4 && typed.at(4) == u'I';
        normalised.append(inverted ? u'I' : u'N');
        return { normalised, DcsBytes(digits, inverted) };
    }
    int tenths = LowestTypedTone;
    if (const auto value = ParseDecimal(typed, decimalSeparator)) {
        if (value->compare(67) < 0)
            tenths = LowestTypedTone;
        else // values just above 254.1 round to it as well
            tenths = static_cast<int>(std::min<std::int64_t>(value->scaled(1), HighestTypedTone));
    }
    return { ToneText(tenths, decimalSeparator), ToneBytes(tenths) };
}

void FilterCodeKeyPress(const QString& text, bool hasSelection, int& keyAscii, const QString& decimalSeparator)
{
    constexpr int Backspace = 8;
    constexpr int Enter = 13;
    if (keyAscii == Enter || keyAscii == Backspace)
        return;
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    const bool separator = !decimalSeparator.isEmpty() && keyAscii == decimalSeparator.at(0).unicode();
    const bool letter = keyAscii == 'D' || keyAscii == 'N' || keyAscii == 'I';
    if (!digit && !separator && !letter) {
        keyAscii = 0;
        return;
    }
    if (text.size() >= 5 && !hasSelection)
        keyAscii = 0;
}

} // namespace t40
