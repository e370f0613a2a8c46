#include "radio_functions.h"

#include "memory_map.h"

namespace t40 {

namespace {

// Keeps a byte in range or stores and returns the default.
int Repair(RadioImage& image, int offset, int low, int high, int fallback)
{
    const int value = image.byte(offset);
    if (value >= low && value <= high)
        return value;
    image.setByte(offset, static_cast<std::uint8_t>(fallback));
    return fallback;
}

// A flag that counts as set only when it holds exactly 1; anything but 0 and
// 1 is stored back as 0.
bool RepairExactFlag(RadioImage& image, int offset)
{
    const int value = image.byte(offset);
    if (value != 0 && value != 1)
        image.setByte(offset, 0);
    return value == 1;
}

} // namespace

OptionSettings DecodeOptions(RadioImage& image)
{
    using namespace MemoryMap;
    OptionSettings s;
    s.totIndex = Repair(image, TimeOutTimer, 1, 40, 12) - 1;
    s.totWarningIndex = Repair(image, TotPreAlert, 0, 10, 0);
    s.squelchIndex = Repair(image, SquelchLevel, 0, 9, 3);
    s.voiceIndex = Repair(image, VoicePrompt, 0, 2, 1);
    s.vox = RepairExactFlag(image, VoxSwitch);
    s.voxLevelIndex = Repair(image, VoxLevel, 0, 9, 3);
    s.batterySave = image.byte(BatterySave) != 0;
    if (image.byte(BatterySave) > 1)
        image.setByte(BatterySave, 1);
    s.roger = RepairExactFlag(image, RogerTone);
    s.scramble = image.byte(BandExtension) == 1;
    return s;
}

int KeyCodeOfPosition(int position)
{
    if (position < 0 || position >= KeyFunctionCount)
        return 0;
    return position < 2 ? position : position + 1;
}

int KeyPositionOfCode(int code)
{
    if (code < 0 || code > 6 || code == 2)
        return 0;
    return code < 2 ? code : code - 1;
}

namespace {
int KeyByte(int key)
{
    return MemoryMap::KeyAssignment + (key & 1);
}
bool KeyHighNibble(int key)
{
    return key >= 2;
}
} // namespace

int KeyCode(const RadioImage& image, int key)
{
    if (key < 0 || key >= KeyCount)
        return 0;
    const int value = image.byte(KeyByte(key));
    return KeyHighNibble(key) ? value >> 4 : value & 0x0F;
}

void SetKeyCode(RadioImage& image, int key, int code)
{
    if (key < 0 || key >= KeyCount)
        return;
    const int offset = KeyByte(key);
    const int value = image.byte(offset);
    const int nibble = code & 0x0F;
    const int updated = KeyHighNibble(key) ? (value & 0x0F) | (nibble << 4) : (value & 0xF0) | nibble;
    image.setByte(offset, static_cast<std::uint8_t>(updated));
}

std::uint8_t ScanTimeByte(int index)
{
    if (index < 0 || index >= ScanTimeCount)
        index = 0;
    return static_cast<std::uint8_t>(index * 5 + 10);
}

int ScanTimeIndex(std::uint8_t value)
{
    if (value < 10 || value > 50 || value % 5 != 0)
        return -1;
    return value / 5 - 2;
}

int RevertChannelIndex(std::uint8_t value, int listCount)
{
    if ((value >= 4 && listCount == 4) || (value >= 2 && listCount == 2))
        return 1;
    return value < listCount ? value : 0;
}

std::array<QString, 2> DecodeEmbeddedMessage(const RadioImage& image)
{
    using namespace MemoryMap;
    std::array<QString, 2> lines;
    for (int a = 0; a < MessageLineLength * MessageLineCount; ++a) {
        const int b = image.byte(EmbeddedMessage + a);
        if (IsMessageCode(b))
            lines[a / MessageLineLength].append(QChar(b));
    }
    return lines;
}

namespace {
bool Storable(const QString& line)
{
    if (line.size() > MemoryMap::MessageLineLength)
        return false;
    for (QChar c : line)
        if (!IsMessageCode(c.unicode()))
            return false;
    return true;
}
} // namespace

bool EncodeEmbeddedMessage(RadioImage& image, const QString& line1, const QString& line2)
{
    using namespace MemoryMap;
    if (!Storable(line1) || !Storable(line2))
        return false;
    const QString* lines[] = { &line1, &line2 };
    for (int l = 0; l < MessageLineCount; ++l) {
        for (int j = 0; j < MessageLineLength; ++j) {
            const QString& line = *lines[l];
            const int offset = EmbeddedMessage + l * MessageLineLength + j;
            image.setByte(offset, j < line.size() ? static_cast<std::uint8_t>(line[j].unicode()) : RadioImage::Erased);
        }
    }
    return true;
}

} // namespace t40
