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

namespace {

// The value of a one-byte field, or its default when the stored byte lies
// outside the field's range.
int InRangeOrDefault(const RadioImage& image, FieldId id)
{
    const FieldSpec& f = Field(id);
    const int value = image.byte(f.offset);
    return value >= f.min && value <= f.max ? value : f.def;
}

std::optional<bool> StoredFlag(const RadioImage& image, FieldId id, int onValue = 1)
{
    const int value = image.byte(FieldOffset(id));
    if (value != 0 && value != 1)
        return std::nullopt;
    return value == onValue;
}

void StoreIfChanged(RadioImage& image, FieldId id, int before, int after)
{
    if (before != after)
        image.setByte(FieldOffset(id), static_cast<std::uint8_t>(after));
}

void StoreFlagIfChanged(RadioImage& image, FieldId id, std::optional<bool> before, std::optional<bool> after, int onValue = 1)
{
    if (before != after && after.has_value())
        image.setByte(FieldOffset(id), static_cast<std::uint8_t>(*after ? onValue : 1 - onValue));
}

} // namespace

void RepairOptions(RadioImage& image)
{
    using namespace MemoryMap;
    Repair(image, TimeOutTimer, 1, 40, 12);
    Repair(image, TotPreAlert, 0, 10, 0);
    Repair(image, SquelchLevel, 0, 9, 3);
    Repair(image, VoicePrompt, 0, 2, 1);
    RepairExactFlag(image, VoxSwitch);
    Repair(image, VoxLevel, 0, 9, 3);
    if (image.byte(BatterySave) > 1)
        image.setByte(BatterySave, 1);
    RepairExactFlag(image, RogerTone);
}

OptionSettings ReadOptions(const RadioImage& image)
{
    using namespace MemoryMap;
    OptionSettings s;
    s.totIndex = InRangeOrDefault(image, FieldId::TimeOutTimer) - 1;
    s.totWarningIndex = InRangeOrDefault(image, FieldId::TotPreAlert);
    s.squelchIndex = InRangeOrDefault(image, FieldId::SquelchLevel);
    s.voiceIndex = InRangeOrDefault(image, FieldId::VoicePrompt);
    s.vox = image.byte(VoxSwitch) == 1;
    s.voxLevelIndex = InRangeOrDefault(image, FieldId::VoxLevel);
    s.batterySave = image.byte(BatterySave) != 0;
    s.roger = image.byte(RogerTone) == 1;
    s.bandExtension = StoredFlag(image, FieldId::BandExtension);
    s.callResponse = image.byte(CallResponse);
    s.micNoiseReduction = image.byte(MicNoiseReduction);
    s.voxDelayIndex = image.byte(VoxDelay);
    s.voxCancel = StoredFlag(image, FieldId::VoxCancel);
    s.voxProceedTone = StoredFlag(image, FieldId::VoxProceedTone);
    s.squelchTail = StoredFlag(image, FieldId::SquelchTail);
    s.alertLock = StoredFlag(image, FieldId::AlertLock, 0);
    s.resetAllowed = StoredFlag(image, FieldId::ResetAllowed);
    return s;
}

OptionSettings DecodeOptions(RadioImage& image)
{
    RepairOptions(image);
    return ReadOptions(image);
}

void WriteOptions(RadioImage& image, const OptionSettings& s)
{
    const OptionSettings b = ReadOptions(image);
    StoreIfChanged(image, FieldId::TimeOutTimer, b.totIndex + 1, s.totIndex + 1);
    StoreIfChanged(image, FieldId::TotPreAlert, b.totWarningIndex, s.totWarningIndex);
    StoreIfChanged(image, FieldId::SquelchLevel, b.squelchIndex, s.squelchIndex);
    StoreIfChanged(image, FieldId::VoicePrompt, b.voiceIndex, s.voiceIndex);
    StoreIfChanged(image, FieldId::VoxSwitch, b.vox, s.vox);
    StoreIfChanged(image, FieldId::VoxLevel, b.voxLevelIndex, s.voxLevelIndex);
    StoreIfChanged(image, FieldId::BatterySave, b.batterySave, s.batterySave);
    StoreIfChanged(image, FieldId::RogerTone, b.roger, s.roger);
    StoreFlagIfChanged(image, FieldId::BandExtension, b.bandExtension, s.bandExtension);
    StoreIfChanged(image, FieldId::CallResponse, b.callResponse, s.callResponse);
    StoreIfChanged(image, FieldId::MicNoiseReduction, b.micNoiseReduction, s.micNoiseReduction);
    StoreIfChanged(image, FieldId::VoxDelay, b.voxDelayIndex, s.voxDelayIndex);
    StoreFlagIfChanged(image, FieldId::VoxCancel, b.voxCancel, s.voxCancel);
    StoreFlagIfChanged(image, FieldId::VoxProceedTone, b.voxProceedTone, s.voxProceedTone);
    StoreFlagIfChanged(image, FieldId::SquelchTail, b.squelchTail, s.squelchTail);
    StoreFlagIfChanged(image, FieldId::AlertLock, b.alertLock, s.alertLock, 0);
    StoreFlagIfChanged(image, FieldId::ResetAllowed, b.resetAllowed, s.resetAllowed);
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

KeySettings ReadKeys(const RadioImage& image)
{
    KeySettings s;
    for (int k = 0; k < KeyCount; ++k) {
        const int code = KeyCode(image, k);
        s.function[k] = code >= 0 && code <= 6 && code != 2 ? KeyPositionOfCode(code) : -1;
    }
    return s;
}

void WriteKeys(RadioImage& image, const KeySettings& settings)
{
    const KeySettings before = ReadKeys(image);
    for (int k = 0; k < KeyCount; ++k)
        if (settings.function[k] != before.function[k] && settings.function[k] >= 0)
            SetKeyCode(image, k, KeyCodeOfPosition(settings.function[k]));
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

ScanSettings ReadScan(const RadioImage& image)
{
    using namespace MemoryMap;
    ScanSettings s;
    const int type = image.byte(PriorityScanType);
    s.priorityType = type == PriorityNone || type == PriorityFixed || type == PrioritySelected ? type : -1;
    for (int i = 0; i < 2; ++i) {
        s.lookBackTime[i] = ScanTimeIndex(image.byte(LookBackTimeA + i));
        s.revertDelay[i] = ScanTimeIndex(image.byte(DropoutDelay + i));
    }
    s.revertChannel = image.byte(RevertChannel);
    for (int k = 0; k < PriorityChannelSlots; ++k)
        s.priorityChannel[k] = image.byte(PriorityChannels + k);
    return s;
}

void WriteScan(RadioImage& image, const ScanSettings& s)
{
    using namespace MemoryMap;
    const ScanSettings b = ReadScan(image);
    auto store = [&image](int offset, int before, int after) {
        if (after != before && after >= 0)
            image.setByte(offset, static_cast<std::uint8_t>(after));
    };
    store(PriorityScanType, b.priorityType, s.priorityType);
    for (int i = 0; i < 2; ++i) {
        if (s.lookBackTime[i] != b.lookBackTime[i] && s.lookBackTime[i] >= 0)
            image.setByte(LookBackTimeA + i, ScanTimeByte(s.lookBackTime[i]));
        if (s.revertDelay[i] != b.revertDelay[i] && s.revertDelay[i] >= 0)
            image.setByte(DropoutDelay + i, ScanTimeByte(s.revertDelay[i]));
    }
    store(RevertChannel, b.revertChannel, s.revertChannel);
    for (int k = 0; k < PriorityChannelSlots; ++k)
        if (!IsVoxSharedPriority(k))
            store(PriorityChannels + k, b.priorityChannel[k], s.priorityChannel[k]);
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

bool EncodeEmbeddedMessageLine(RadioImage& image, int index, const QString& line)
{
    using namespace MemoryMap;
    if (index < 0 || index >= MessageLineCount || !Storable(line))
        return false;
    for (int j = 0; j < MessageLineLength; ++j)
        image.setByte(EmbeddedMessage + index * MessageLineLength + j,
                      j < line.size() ? static_cast<std::uint8_t>(line[j].unicode()) : RadioImage::Erased);
    return true;
}

bool EncodeEmbeddedMessage(RadioImage& image, const QString& line1, const QString& line2)
{
    if (!Storable(line1) || !Storable(line2))
        return false;
    EncodeEmbeddedMessageLine(image, 0, line1);
    EncodeEmbeddedMessageLine(image, 1, line2);
    return true;
}

} // namespace t40
