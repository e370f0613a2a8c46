#include "stun_kill_codec.h"

#include <algorithm>

namespace t40 {

namespace StunKill {

namespace {
int FirstDigit(Code code) { return code == Code::Stun ? StunCode : KillCode; }

int LengthOf(const RadioImage& memory, Code code)
{
    const std::uint8_t lengths = memory.memoryByte(CodeLengths);
    return code == Code::Stun ? lengths & 0x0F : lengths >> 4;
}

int DigitValue(QChar c)
{
    const int value = c.unicode() - 0x30;
    return value > 9 ? value - 7 : value;
}

bool IsCodeCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('E'));
}
} // namespace

int StatusPosition(const RadioImage& memory)
{
    switch (memory.memoryByte(Status)) {
    case Stunned: return 1;
    case Killed: return 2;
    default: return 0;
    }
}

void SetStatusPosition(RadioImage& memory, int position)
{
    memory.setMemoryByte(Status, position == 1 ? Stunned : position == 2 ? Killed : Normal);
}

int AckTypePosition(const RadioImage& memory)
{
    return memory.memoryByte(AckType) == Ring ? 1 : 0;
}

void SetAckTypePosition(RadioImage& memory, int position)
{
    memory.setMemoryByte(AckType, position == 1 ? Ring : Chord);
}

bool IsEnabled(const RadioImage& memory)
{
    return memory.memoryByte(Enable) == Enabled;
}

void SetEnabled(RadioImage& memory, bool enabled)
{
    memory.setMemoryByte(Enable, enabled ? Enabled : Disabled);
}

QString DecodeCode(const RadioImage& memory, Code code)
{
    const int length = LengthOf(memory, code);
    if (length < 1 || length > MaxDigits)
        return {};
    QString text;
    for (int i = 0; i < length; ++i) {
        const int digit = memory.memoryByte(FirstDigit(code) + i);
        text.append(digit < 16 ? QString::number(digit, 16).toUpper() : QStringLiteral("0"));
    }
    return text;
}

void EncodeCode(RadioImage& memory, Code code, const QString& text)
{
    const QString digits = CleanCode(text);
    const int first = FirstDigit(code);
    for (int i = 0; i < MaxDigits; ++i)
        memory.setMemoryByte(first + i, 0);
    for (int i = 0; i < digits.size(); ++i)
        memory.setMemoryByte(first + i, std::uint8_t(DigitValue(digits.at(i))));
    const std::uint8_t lengths = memory.memoryByte(CodeLengths);
    const int length = int(digits.size());
    memory.setMemoryByte(CodeLengths, code == Code::Stun ? std::uint8_t((lengths & 0xF0) | length)
                                                          : std::uint8_t((lengths & 0x0F) | length << 4));
}

QString CleanCode(const QString& text)
{
    QString clean;
    for (QChar c : text.toUpper())
        if (IsCodeCharacter(c) && clean.size() < MaxDigits)
            clean.append(c);
    return clean;
}

int FilterCodeKey(int keyAscii)
{
    if (keyAscii >= 'a' && keyAscii <= 'z')
        keyAscii -= 'a' - 'A';
    if (keyAscii == 8 || keyAscii == 13 || IsCodeCharacter(QChar(keyAscii)))
        return keyAscii;
    return 0;
}

} // namespace StunKill

namespace Special {

int RxVoicePosition(const RadioImage& memory)
{
    const int level = memory.memoryByte(RxVoiceLevel);
    return level <= 15 ? level : 14;
}

void SetRxVoicePosition(RadioImage& memory, int position)
{
    memory.setMemoryByte(RxVoiceLevel, std::uint8_t(std::clamp(position, 0, LevelCount - 1)));
}

} // namespace Special

} // namespace t40
