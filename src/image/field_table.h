#pragma once

#include <array>
#include <cstdint>
#include <span>

// The radio memory map, declared once: every named field with its place,
// bits, valid range and default. Bytes not named here are carried unchanged.
// The codecs, the document, the transfer ranges and the command-line tool
// all take their offsets from this table.
namespace t40 {

enum class FieldId {
    ChannelTable,
    CallResponse,
    VoxCancel,
    VoxDelay,
    VoxProceedTone,
    KeyPf1,
    KeyPf2,
    KeyPf1Long,
    KeyPf2Long,
    SquelchTail,
    PriorityScanType,
    LookBackTimeA,
    LookBackTimeB,
    RevertChannel,
    DropoutDelay,
    TransmitDwell,
    MicNoiseReduction,
    AlertLock,
    ResetAllowed,
    BandExtension,
    VoicePrompt,
    TimeOutTimer,
    TotPreAlert,
    RogerTone,
    SquelchLevel,
    BatterySave,
    PriorityChannel1,
    PriorityChannel2,
    PriorityChannel3,
    PriorityChannel4,
    PriorityChannel5,
    PriorityChannel6,
    PriorityChannel7,
    PriorityChannel8,
    VoxSwitch,
    VoxLevel,
    ScanAddBitmap,
    ModelBlock,
    ModelFamily,
    ModelBandCode,
    FirmwareVersion,
    PasswordBlock,
    Password,
    MessageLine1,
    MessageLine2,
    TuneGroup1,
    TuneGroup2,
    TuneGroup3,
    TuneGroup4,
    TuneCommon,
    DealerInformation,
    StunKill,
    SpecialOption,
    Count
};

// Image fields lie in the 1024 bytes that files and whole-image transfers
// carry; memory fields above them are exchanged only by partial sessions.
enum class Storage { Image, Memory };

// Fields that use the same bytes on purpose carry the same tag; any other
// overlap is a mistake in the table.
enum class Share { None, ScanVox, MessageTune, ModelBlock, PasswordBlock };

struct FieldSpec {
    FieldId id;
    const char* name;
    Storage storage;
    int offset;
    int length;         // bytes
    std::uint8_t mask;  // bits of a one-byte value (0xFF: the whole byte)
    int shift;
    int min;            // valid stored values of a one-byte value
    int max;
    int def;            // stored when a decode repairs the value
    Share share;
};

constexpr int WholeByte = 0xFF;

// clang-format off
inline constexpr std::array<FieldSpec, int(FieldId::Count)> FieldTable { {
    { FieldId::ChannelTable,      "channel table",        Storage::Image,  16,    256, 0xFF, 0, 0, 255, 255, Share::None },
    { FieldId::CallResponse,      "call response",        Storage::Image,  275,   1,   0xFF, 0, 0, 5,   0,   Share::None },
    { FieldId::VoxCancel,         "vox cancel",           Storage::Image,  279,   1,   0xFF, 0, 0, 1,   0,   Share::None },
    { FieldId::VoxDelay,          "vox delay",            Storage::Image,  283,   1,   0xFF, 0, 0, 27,  0,   Share::None },
    { FieldId::VoxProceedTone,    "vox proceed tone",     Storage::Image,  284,   1,   0xFF, 0, 0, 1,   0,   Share::None },
    { FieldId::KeyPf1,            "key pf1",              Storage::Image,  285,   1,   0x0F, 0, 0, 6,   0,   Share::None },
    { FieldId::KeyPf2,            "key pf2",              Storage::Image,  286,   1,   0x0F, 0, 0, 6,   0,   Share::None },
    { FieldId::KeyPf1Long,        "key pf1 long",         Storage::Image,  285,   1,   0xF0, 4, 0, 6,   0,   Share::None },
    { FieldId::KeyPf2Long,        "key pf2 long",         Storage::Image,  286,   1,   0xF0, 4, 0, 6,   0,   Share::None },
    { FieldId::SquelchTail,       "squelch tail",         Storage::Image,  287,   1,   0xFF, 0, 0, 1,   0,   Share::None },
    { FieldId::PriorityScanType,  "priority scan type",   Storage::Image,  288,   1,   0xFF, 0, 0, 2,   0,   Share::None },
    { FieldId::LookBackTimeA,     "look-back time a",     Storage::Image,  290,   1,   0xFF, 0, 10, 50, 10,  Share::None },
    { FieldId::LookBackTimeB,     "look-back time b",     Storage::Image,  291,   1,   0xFF, 0, 10, 50, 10,  Share::None },
    { FieldId::RevertChannel,     "revert channel",       Storage::Image,  292,   1,   0xFF, 0, 0, 3,   0,   Share::None },
    { FieldId::DropoutDelay,      "dropout delay",        Storage::Image,  293,   1,   0xFF, 0, 10, 50, 10,  Share::None },
    { FieldId::TransmitDwell,     "transmit dwell",       Storage::Image,  294,   1,   0xFF, 0, 10, 50, 10,  Share::None },
    { FieldId::MicNoiseReduction, "mic noise reduction",  Storage::Image,  295,   1,   0xFF, 0, 0, 2,   0,   Share::None },
    { FieldId::AlertLock,         "alert lock",           Storage::Image,  296,   1,   0xFF, 0, 0, 1,   1,   Share::None },
    { FieldId::ResetAllowed,      "reset allowed",        Storage::Image,  299,   1,   0xFF, 0, 0, 1,   0,   Share::None },
    { FieldId::BandExtension,     "band extension",       Storage::Image,  300,   1,   0xFF, 0, 0, 1,   0,   Share::None },
    { FieldId::VoicePrompt,       "voice prompt",         Storage::Image,  303,   1,   0xFF, 0, 0, 2,   1,   Share::None },
    { FieldId::TimeOutTimer,      "time-out timer",       Storage::Image,  304,   1,   0xFF, 0, 1, 40,  12,  Share::None },
    { FieldId::TotPreAlert,       "tot pre-alert",        Storage::Image,  305,   1,   0xFF, 0, 0, 10,  0,   Share::None },
    { FieldId::RogerTone,         "roger tone",           Storage::Image,  306,   1,   0xFF, 0, 0, 1,   0,   Share::None },
    { FieldId::SquelchLevel,      "squelch level",        Storage::Image,  308,   1,   0xFF, 0, 0, 9,   3,   Share::None },
    { FieldId::BatterySave,       "battery save",         Storage::Image,  309,   1,   0xFF, 0, 0, 1,   1,   Share::None },
    { FieldId::PriorityChannel1,  "priority channel 1",   Storage::Image,  312,   1,   0xFF, 0, 1, 16,  1,   Share::None },
    { FieldId::PriorityChannel2,  "priority channel 2",   Storage::Image,  313,   1,   0xFF, 0, 1, 16,  1,   Share::ScanVox },
    { FieldId::PriorityChannel3,  "priority channel 3",   Storage::Image,  314,   1,   0xFF, 0, 1, 16,  1,   Share::ScanVox },
    { FieldId::PriorityChannel4,  "priority channel 4",   Storage::Image,  315,   1,   0xFF, 0, 1, 16,  1,   Share::None },
    { FieldId::PriorityChannel5,  "priority channel 5",   Storage::Image,  316,   1,   0xFF, 0, 1, 16,  1,   Share::None },
    { FieldId::PriorityChannel6,  "priority channel 6",   Storage::Image,  317,   1,   0xFF, 0, 1, 16,  1,   Share::None },
    { FieldId::PriorityChannel7,  "priority channel 7",   Storage::Image,  318,   1,   0xFF, 0, 1, 16,  1,   Share::None },
    { FieldId::PriorityChannel8,  "priority channel 8",   Storage::Image,  319,   1,   0xFF, 0, 1, 16,  1,   Share::None },
    { FieldId::VoxSwitch,         "vox",                  Storage::Image,  313,   1,   0xFF, 0, 0, 1,   0,   Share::ScanVox },
    { FieldId::VoxLevel,          "vox level",            Storage::Image,  314,   1,   0xFF, 0, 0, 9,   3,   Share::ScanVox },
    { FieldId::ScanAddBitmap,     "scan-add bitmap",      Storage::Image,  382,   2,   0xFF, 0, 0, 255, 255, Share::None },
    { FieldId::ModelBlock,        "model block",          Storage::Image,  440,   8,   0xFF, 0, 0, 255, 255, Share::ModelBlock },
    { FieldId::ModelFamily,       "band family",          Storage::Image,  441,   1,   0xFF, 0, 0, 255, 0x33, Share::ModelBlock },
    { FieldId::ModelBandCode,     "band code",            Storage::Image,  445,   1,   0xFF, 0, 0, 255, 0x73, Share::ModelBlock },
    { FieldId::FirmwareVersion,   "firmware version",     Storage::Image,  448,   4,   0xFF, 0, 0, 255, 255, Share::None },
    { FieldId::PasswordBlock,     "password block",       Storage::Image,  0x2F0, 16,  0xFF, 0, 0, 255, 255, Share::PasswordBlock },
    { FieldId::Password,          "password",             Storage::Image,  0x2F0, 6,   0xFF, 0, 0, 255, 255, Share::PasswordBlock },
    { FieldId::MessageLine1,      "message line 1",       Storage::Image,  0x300, 32,  0xFF, 0, 0, 255, 255, Share::MessageTune },
    { FieldId::MessageLine2,      "message line 2",       Storage::Image,  0x320, 32,  0xFF, 0, 0, 255, 255, Share::MessageTune },
    { FieldId::TuneGroup1,        "tune group 1",         Storage::Image,  0x300, 48,  0xFF, 0, 0, 255, 255, Share::MessageTune },
    { FieldId::TuneGroup2,        "tune group 2",         Storage::Image,  0x330, 48,  0xFF, 0, 0, 255, 255, Share::MessageTune },
    { FieldId::TuneGroup3,        "tune group 3",         Storage::Image,  0x360, 48,  0xFF, 0, 0, 255, 255, Share::None },
    { FieldId::TuneGroup4,        "tune group 4",         Storage::Image,  0x390, 48,  0xFF, 0, 0, 255, 255, Share::None },
    { FieldId::TuneCommon,        "tune common",          Storage::Image,  0x3C0, 64,  0xFF, 0, 0, 255, 255, Share::None },
    { FieldId::DealerInformation, "dealer information",   Storage::Memory, 0xA80, 256, 0xFF, 0, 0, 255, 255, Share::None },
    { FieldId::StunKill,          "stun/kill",            Storage::Memory, 0xB80, 32,  0xFF, 0, 0, 255, 255, Share::None },
    { FieldId::SpecialOption,     "special option",       Storage::Memory, 0xE10, 16,  0xFF, 0, 0, 255, 255, Share::None },
} };
// clang-format on

constexpr const FieldSpec& Field(FieldId id)
{
    return FieldTable[static_cast<std::size_t>(id)];
}

constexpr int FieldOffset(FieldId id) { return Field(id).offset; }
constexpr int FieldEnd(FieldId id) { return Field(id).offset + Field(id).length; }

// A stretch of radio memory [begin, end).
struct MemoryRange {
    int begin;
    int end;
};

// What the programming sessions exchange.
namespace TransferRange {
constexpr MemoryRange WholeImageRead { 0, FieldEnd(FieldId::TuneCommon) };
constexpr MemoryRange WholeImageWrite { 0, FieldOffset(FieldId::PasswordBlock) };
constexpr MemoryRange PasswordWrite { 0, FieldEnd(FieldId::PasswordBlock) };
constexpr MemoryRange TuneData { FieldOffset(FieldId::TuneGroup1), FieldEnd(FieldId::TuneCommon) };
constexpr MemoryRange Dealer { FieldOffset(FieldId::DealerInformation), FieldEnd(FieldId::DealerInformation) };
constexpr MemoryRange StunKill { FieldOffset(FieldId::StunKill), FieldEnd(FieldId::StunKill) };
constexpr MemoryRange Special { FieldOffset(FieldId::SpecialOption), FieldEnd(FieldId::SpecialOption) };
} // namespace TransferRange

// The table's rows are in FieldId order, so that Field() is an index.
constexpr bool FieldTableInOrder()
{
    for (std::size_t i = 0; i < FieldTable.size(); ++i)
        if (static_cast<std::size_t>(FieldTable[i].id) != i)
            return false;
    return true;
}
static_assert(FieldTableInOrder(), "FieldTable rows must follow the FieldId order");

} // namespace t40
