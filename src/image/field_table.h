#pragma once

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <span>

// The radio memory map and the meaning of every value, declared once: each
// named field with its place, bits, valid range and default, and how it
// reads for a person (translatable name, unit, value names or formatter).
// Bytes not named here are carried unchanged. The codecs, the document, the
// transfer ranges, the pages, print, compare and the command-line tool all
// take offsets, names and value texts from this table.
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
    TuneDeviation,
    DealerModelName,
    DealerFrequencyArea,
    DealerAreaCode,
    DealerSerialNumber,
    DealerProductionDate,
    DealerManufactureCode,
    DealerUserCode,
    DealerMaintenanceDate,
    DealerCode,
    DealerStockDate,
    DealerSellDate,
    DealerSeller,
    DealerMaintenanceDescription,
    StunCode,
    KillCode,
    StunKillCodeLengths,
    StunKillStatus,
    StunKillAckType,
    StunKillEnable,
    SpecialRxVoiceLevel,
    Count
};

// Image fields lie in the 1024 bytes that files and whole-image transfers
// carry; memory fields above them are exchanged only by partial sessions.
enum class Storage { Image, Memory };

// Fields that use the same bytes on purpose carry the same tag; any other
// overlap is a mistake in the table. Of two fields sharing a byte, the one
// the user sees on a page is marked shown; compare and undo name that one.
enum class Share { None, ScanVox, MessageTune, ModelBlock, PasswordBlock, TuneCommon, Dealer, StunKill, Special };

// How a stored value reads for a person.
enum class Format : std::uint8_t {
    Number,    // (value + bias) * scale, then the unit
    OffNumber, // 0 reads "Off", any other value as Number
    Tenths,    // (value + bias) tenths, one decimal, then the unit
    List,      // the name of the value in its list of value names
    Hex,       // the bytes in hexadecimal
    Text,      // single-byte characters
    Secret,    // never shown, only whether it differs
    Frequency, // a channel frequency in MHz, five decimals
    Code,      // a CTCSS tone or DCS code
};

// The names of a list's values, by stored value (nullptr: no such value).
// Each list is its own translation context, so that one English word may
// read differently in two lists.
struct ValueNames {
    const char* context = nullptr;
    std::span<const char* const> names {};
};

namespace ValueNameTexts {
// clang-format off
inline constexpr const char* OffOn[] = { QT_TRANSLATE_NOOP("t40::OnOff", "Off"), QT_TRANSLATE_NOOP("t40::OnOff", "On") };
inline constexpr const char* OnOff[] = { QT_TRANSLATE_NOOP("t40::OnOff", "On"), QT_TRANSLATE_NOOP("t40::OnOff", "Off") };
inline constexpr const char* VoicePrompt[] = { QT_TRANSLATE_NOOP("t40::VoicePrompt", "Off"), QT_TRANSLATE_NOOP("t40::VoicePrompt", "Chinese"),
                                               QT_TRANSLATE_NOOP("t40::VoicePrompt", "English") };
inline constexpr const char* CallResponse[] = { QT_TRANSLATE_NOOP("t40::CallResponse", "Off"), QT_TRANSLATE_NOOP("t40::CallResponse", "Vibration"),
                                                QT_TRANSLATE_NOOP("t40::CallResponse", "Chord1"), QT_TRANSLATE_NOOP("t40::CallResponse", "Chord2"),
                                                QT_TRANSLATE_NOOP("t40::CallResponse", "Vibration+Chord1"), QT_TRANSLATE_NOOP("t40::CallResponse", "Vibration+Chord2") };
inline constexpr const char* MicNoiseReduction[] = { QT_TRANSLATE_NOOP("t40::MicNoiseReduction", "Through"),
                                                     QT_TRANSLATE_NOOP("t40::MicNoiseReduction", "Low Noise Reduction"),
                                                     QT_TRANSLATE_NOOP("t40::MicNoiseReduction", "High Noise Reduction") };
// By function code; code 2 is not used.
inline constexpr const char* KeyFunction[] = { QT_TRANSLATE_NOOP("t40::KeyFunction", "None"), QT_TRANSLATE_NOOP("t40::KeyFunction", "Scan"), nullptr,
                                               QT_TRANSLATE_NOOP("t40::KeyFunction", "Monitor"), QT_TRANSLATE_NOOP("t40::KeyFunction", "Alarm"),
                                               "1750", QT_TRANSLATE_NOOP("t40::KeyFunction", "Power") };
inline constexpr const char* PriorityType[] = { QT_TRANSLATE_NOOP("t40::PriorityType", "None"), QT_TRANSLATE_NOOP("t40::PriorityType", "Fixd"),
                                                QT_TRANSLATE_NOOP("t40::PriorityType", "Selected") };
inline constexpr const char* RevertChannel[] = { QT_TRANSLATE_NOOP("t40::RevertChannel", "Selected"), QT_TRANSLATE_NOOP("t40::RevertChannel", "Selected+Talk Back"),
                                                 QT_TRANSLATE_NOOP("t40::RevertChannel", "Priority"), QT_TRANSLATE_NOOP("t40::RevertChannel", "Priority+Talk Back") };
inline constexpr const char* Power[] = { QT_TRANSLATE_NOOP("t40::Power", "Low"), QT_TRANSLATE_NOOP("t40::Power", "Middle"), QT_TRANSLATE_NOOP("t40::Power", "High") };
inline constexpr const char* BusyLock[] = { QT_TRANSLATE_NOOP("t40::BusyLock", "None"), QT_TRANSLATE_NOOP("t40::BusyLock", "Carrier"), "QT/DQT" };
inline constexpr const char* Spacing[] = { QT_TRANSLATE_NOOP("t40::Spacing", "12.5K(Narrow)"), QT_TRANSLATE_NOOP("t40::Spacing", "25K(Wide)") };
inline constexpr const char* ScanAdd[] = { QT_TRANSLATE_NOOP("t40::ScanAdd", "Delete"), QT_TRANSLATE_NOOP("t40::ScanAdd", "Add") };
// clang-format on
} // namespace ValueNameTexts

namespace Values {
constexpr ValueNames None {};
constexpr ValueNames OffOn { "t40::OnOff", ValueNameTexts::OffOn };
constexpr ValueNames OnOff { "t40::OnOff", ValueNameTexts::OnOff };
constexpr ValueNames VoicePrompt { "t40::VoicePrompt", ValueNameTexts::VoicePrompt };
constexpr ValueNames CallResponse { "t40::CallResponse", ValueNameTexts::CallResponse };
constexpr ValueNames MicNoiseReduction { "t40::MicNoiseReduction", ValueNameTexts::MicNoiseReduction };
constexpr ValueNames KeyFunction { "t40::KeyFunction", ValueNameTexts::KeyFunction };
constexpr ValueNames PriorityType { "t40::PriorityType", ValueNameTexts::PriorityType };
constexpr ValueNames RevertChannel { "t40::RevertChannel", ValueNameTexts::RevertChannel };
constexpr ValueNames Power { "t40::Power", ValueNameTexts::Power };
constexpr ValueNames BusyLock { "t40::BusyLock", ValueNameTexts::BusyLock };
constexpr ValueNames Spacing { "t40::Spacing", ValueNameTexts::Spacing };
constexpr ValueNames ScanAdd { "t40::ScanAdd", ValueNameTexts::ScanAdd };
} // namespace Values

struct FieldSpec {
    FieldId id;
    const char* key;    // stable machine name (JSON, scripts)
    const char* name;   // for people, translatable (context "Field")
    Storage storage;
    int offset;
    int length;         // bytes
    std::uint8_t mask;  // bits of a one-byte value (0xFF: the whole byte)
    int shift;
    int min;            // valid stored values of a one-byte value
    int max;
    int def;            // stored when a decode repairs the value
    Share share;
    bool shown;         // a page shows it (of fields sharing bytes: the one named)
    Format format;
    int bias;
    int scale;
    const char* unit;   // translatable (context "Value"), or nullptr
    ValueNames values;
};

constexpr int WholeByte = 0xFF;

// clang-format off
inline constexpr std::array<FieldSpec, int(FieldId::Count)> FieldTable { {
    { FieldId::ChannelTable, "channelTable", QT_TRANSLATE_NOOP("t40::Field", "Channel table"), Storage::Image, 16, 256, 0xFF, 0, 0, 255, 255, Share::None, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::CallResponse, "callResponse", QT_TRANSLATE_NOOP("t40::Field", "Call response"), Storage::Image, 275, 1, 0xFF, 0, 0, 5, 0, Share::None, true,
      Format::List, 0, 1, nullptr, Values::CallResponse },
    { FieldId::VoxCancel, "voxCancel", QT_TRANSLATE_NOOP("t40::Field", "VOX cancel"), Storage::Image, 279, 1, 0xFF, 0, 0, 1, 0, Share::None, true,
      Format::List, 0, 1, nullptr, Values::OffOn },
    { FieldId::VoxDelay, "voxDelay", QT_TRANSLATE_NOOP("t40::Field", "VOX delay"), Storage::Image, 283, 1, 0xFF, 0, 0, 27, 0, Share::None, true,
      Format::Tenths, 3, 1, QT_TRANSLATE_NOOP("t40::Value", "s"), Values::None },
    { FieldId::VoxProceedTone, "voxProceedTone", QT_TRANSLATE_NOOP("t40::Field", "VOX proceed tone"), Storage::Image, 284, 1, 0xFF, 0, 0, 1, 0, Share::None, true,
      Format::List, 0, 1, nullptr, Values::OffOn },
    { FieldId::KeyPf1, "keyPf1", QT_TRANSLATE_NOOP("t40::Field", "PF1 key"), Storage::Image, 285, 1, 0x0F, 0, 0, 6, 0, Share::None, true,
      Format::List, 0, 1, nullptr, Values::KeyFunction },
    { FieldId::KeyPf2, "keyPf2", QT_TRANSLATE_NOOP("t40::Field", "PF2 key"), Storage::Image, 286, 1, 0x0F, 0, 0, 6, 0, Share::None, true,
      Format::List, 0, 1, nullptr, Values::KeyFunction },
    { FieldId::KeyPf1Long, "keyPf1Long", QT_TRANSLATE_NOOP("t40::Field", "PF1 long key"), Storage::Image, 285, 1, 0xF0, 4, 0, 6, 0, Share::None, true,
      Format::List, 0, 1, nullptr, Values::KeyFunction },
    { FieldId::KeyPf2Long, "keyPf2Long", QT_TRANSLATE_NOOP("t40::Field", "PF2 long key"), Storage::Image, 286, 1, 0xF0, 4, 0, 6, 0, Share::None, true,
      Format::List, 0, 1, nullptr, Values::KeyFunction },
    { FieldId::SquelchTail, "squelchTail", QT_TRANSLATE_NOOP("t40::Field", "Squelch tail elimination"), Storage::Image, 287, 1, 0xFF, 0, 0, 1, 0, Share::None, true,
      Format::List, 0, 1, nullptr, Values::OffOn },
    { FieldId::PriorityScanType, "priorityScanType", QT_TRANSLATE_NOOP("t40::Field", "Priority scan type"), Storage::Image, 288, 1, 0xFF, 0, 0, 2, 0, Share::None, true,
      Format::List, 0, 1, nullptr, Values::PriorityType },
    { FieldId::LookBackTimeA, "lookBackTimeA", QT_TRANSLATE_NOOP("t40::Field", "Look back time A"), Storage::Image, 290, 1, 0xFF, 0, 10, 50, 10, Share::None, true,
      Format::Tenths, 0, 1, QT_TRANSLATE_NOOP("t40::Value", "s"), Values::None },
    { FieldId::LookBackTimeB, "lookBackTimeB", QT_TRANSLATE_NOOP("t40::Field", "Look back time B"), Storage::Image, 291, 1, 0xFF, 0, 10, 50, 10, Share::None, true,
      Format::Tenths, 0, 1, QT_TRANSLATE_NOOP("t40::Value", "s"), Values::None },
    { FieldId::RevertChannel, "revertChannel", QT_TRANSLATE_NOOP("t40::Field", "Revert channel"), Storage::Image, 292, 1, 0xFF, 0, 0, 3, 0, Share::None, true,
      Format::List, 0, 1, nullptr, Values::RevertChannel },
    { FieldId::DropoutDelay, "dropoutDelay", QT_TRANSLATE_NOOP("t40::Field", "Dropout delay time"), Storage::Image, 293, 1, 0xFF, 0, 10, 50, 10, Share::None, true,
      Format::Tenths, 0, 1, QT_TRANSLATE_NOOP("t40::Value", "s"), Values::None },
    { FieldId::TransmitDwell, "transmitDwell", QT_TRANSLATE_NOOP("t40::Field", "TX dwell time"), Storage::Image, 294, 1, 0xFF, 0, 10, 50, 10, Share::None, true,
      Format::Tenths, 0, 1, QT_TRANSLATE_NOOP("t40::Value", "s"), Values::None },
    { FieldId::MicNoiseReduction, "micNoiseReduction", QT_TRANSLATE_NOOP("t40::Field", "Mic noise reduction"), Storage::Image, 295, 1, 0xFF, 0, 0, 2, 0, Share::None, true,
      Format::List, 0, 1, nullptr, Values::MicNoiseReduction },
    { FieldId::AlertLock, "alertLock", QT_TRANSLATE_NOOP("t40::Field", "Alert lock"), Storage::Image, 296, 1, 0xFF, 0, 0, 1, 1, Share::None, true,
      Format::List, 0, 1, nullptr, Values::OnOff },
    { FieldId::ResetAllowed, "resetAllowed", QT_TRANSLATE_NOOP("t40::Field", "Reset allowed"), Storage::Image, 299, 1, 0xFF, 0, 0, 1, 0, Share::None, true,
      Format::List, 0, 1, nullptr, Values::OffOn },
    { FieldId::BandExtension, "bandExtension", QT_TRANSLATE_NOOP("t40::Field", "Band extension"), Storage::Image, 300, 1, 0xFF, 0, 0, 1, 0, Share::None, true,
      Format::List, 0, 1, nullptr, Values::OffOn },
    { FieldId::VoicePrompt, "voicePrompt", QT_TRANSLATE_NOOP("t40::Field", "Voice prompt"), Storage::Image, 303, 1, 0xFF, 0, 0, 2, 1, Share::None, true,
      Format::List, 0, 1, nullptr, Values::VoicePrompt },
    { FieldId::TimeOutTimer, "timeOutTimer", QT_TRANSLATE_NOOP("t40::Field", "Time-out timer"), Storage::Image, 304, 1, 0xFF, 0, 1, 40, 12, Share::None, true,
      Format::OffNumber, 0, 15, QT_TRANSLATE_NOOP("t40::Value", "s"), Values::None },
    { FieldId::TotPreAlert, "totWarning", QT_TRANSLATE_NOOP("t40::Field", "TOT warning"), Storage::Image, 305, 1, 0xFF, 0, 0, 10, 0, Share::None, true,
      Format::OffNumber, 0, 1, QT_TRANSLATE_NOOP("t40::Value", "s"), Values::None },
    { FieldId::RogerTone, "rogerTone", QT_TRANSLATE_NOOP("t40::Field", "Roger tone"), Storage::Image, 306, 1, 0xFF, 0, 0, 1, 0, Share::None, true,
      Format::List, 0, 1, nullptr, Values::OffOn },
    { FieldId::SquelchLevel, "squelchLevel", QT_TRANSLATE_NOOP("t40::Field", "Squelch level"), Storage::Image, 308, 1, 0xFF, 0, 0, 9, 3, Share::None, true,
      Format::Number, 0, 1, nullptr, Values::None },
    { FieldId::BatterySave, "batterySave", QT_TRANSLATE_NOOP("t40::Field", "Battery save"), Storage::Image, 309, 1, 0xFF, 0, 0, 1, 1, Share::None, true,
      Format::List, 0, 1, nullptr, Values::OffOn },
    { FieldId::PriorityChannel1, "priorityChannel1", QT_TRANSLATE_NOOP("t40::Field", "Priority channel 1"), Storage::Image, 312, 1, 0xFF, 0, 1, 16, 1, Share::None, true,
      Format::Number, 0, 1, nullptr, Values::None },
    { FieldId::PriorityChannel2, "priorityChannel2", QT_TRANSLATE_NOOP("t40::Field", "Priority channel 2"), Storage::Image, 313, 1, 0xFF, 0, 1, 16, 1, Share::ScanVox, false,
      Format::Number, 0, 1, nullptr, Values::None },
    { FieldId::PriorityChannel3, "priorityChannel3", QT_TRANSLATE_NOOP("t40::Field", "Priority channel 3"), Storage::Image, 314, 1, 0xFF, 0, 1, 16, 1, Share::ScanVox, false,
      Format::Number, 0, 1, nullptr, Values::None },
    { FieldId::PriorityChannel4, "priorityChannel4", QT_TRANSLATE_NOOP("t40::Field", "Priority channel 4"), Storage::Image, 315, 1, 0xFF, 0, 1, 16, 1, Share::None, true,
      Format::Number, 0, 1, nullptr, Values::None },
    { FieldId::PriorityChannel5, "priorityChannel5", QT_TRANSLATE_NOOP("t40::Field", "Priority channel 5"), Storage::Image, 316, 1, 0xFF, 0, 1, 16, 1, Share::None, true,
      Format::Number, 0, 1, nullptr, Values::None },
    { FieldId::PriorityChannel6, "priorityChannel6", QT_TRANSLATE_NOOP("t40::Field", "Priority channel 6"), Storage::Image, 317, 1, 0xFF, 0, 1, 16, 1, Share::None, true,
      Format::Number, 0, 1, nullptr, Values::None },
    { FieldId::PriorityChannel7, "priorityChannel7", QT_TRANSLATE_NOOP("t40::Field", "Priority channel 7"), Storage::Image, 318, 1, 0xFF, 0, 1, 16, 1, Share::None, true,
      Format::Number, 0, 1, nullptr, Values::None },
    { FieldId::PriorityChannel8, "priorityChannel8", QT_TRANSLATE_NOOP("t40::Field", "Priority channel 8"), Storage::Image, 319, 1, 0xFF, 0, 1, 16, 1, Share::None, true,
      Format::Number, 0, 1, nullptr, Values::None },
    { FieldId::VoxSwitch, "vox", QT_TRANSLATE_NOOP("t40::Field", "VOX"), Storage::Image, 313, 1, 0xFF, 0, 0, 1, 0, Share::ScanVox, true,
      Format::List, 0, 1, nullptr, Values::OffOn },
    { FieldId::VoxLevel, "voxLevel", QT_TRANSLATE_NOOP("t40::Field", "VOX level"), Storage::Image, 314, 1, 0xFF, 0, 0, 9, 3, Share::ScanVox, true,
      Format::OffNumber, 0, 1, nullptr, Values::None },
    { FieldId::ScanAddBitmap, "scanAddBitmap", QT_TRANSLATE_NOOP("t40::Field", "Scan-add bitmap"), Storage::Image, 382, 2, 0xFF, 0, 0, 255, 255, Share::None, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::ModelBlock, "modelBlock", QT_TRANSLATE_NOOP("t40::Field", "Model block"), Storage::Image, 440, 8, 0xFF, 0, 0, 255, 255, Share::ModelBlock, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::ModelFamily, "bandFamily", QT_TRANSLATE_NOOP("t40::Field", "Band family"), Storage::Image, 441, 1, 0xFF, 0, 0, 255, 0x33, Share::ModelBlock, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::ModelBandCode, "bandCode", QT_TRANSLATE_NOOP("t40::Field", "Band code"), Storage::Image, 445, 1, 0xFF, 0, 0, 255, 0x73, Share::ModelBlock, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::FirmwareVersion, "firmwareVersion", QT_TRANSLATE_NOOP("t40::Field", "Firmware version"), Storage::Image, 448, 4, 0xFF, 0, 0, 255, 255, Share::None, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::PasswordBlock, "passwordBlock", QT_TRANSLATE_NOOP("t40::Field", "Password block"), Storage::Image, 0x2F0, 16, 0xFF, 0, 0, 255, 255, Share::PasswordBlock, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::Password, "password", QT_TRANSLATE_NOOP("t40::Field", "Password"), Storage::Image, 0x2F0, 6, 0xFF, 0, 0, 255, 255, Share::PasswordBlock, true,
      Format::Secret, 0, 1, nullptr, Values::None },
    { FieldId::MessageLine1, "messageLine1", QT_TRANSLATE_NOOP("t40::Field", "Message line 1"), Storage::Image, 0x300, 32, 0xFF, 0, 0, 255, 255, Share::MessageTune, true,
      Format::Text, 0, 1, nullptr, Values::None },
    { FieldId::MessageLine2, "messageLine2", QT_TRANSLATE_NOOP("t40::Field", "Message line 2"), Storage::Image, 0x320, 32, 0xFF, 0, 0, 255, 255, Share::MessageTune, true,
      Format::Text, 0, 1, nullptr, Values::None },
    { FieldId::TuneGroup1, "tuneGroup1", QT_TRANSLATE_NOOP("t40::Field", "Tune group 1"), Storage::Image, 0x300, 48, 0xFF, 0, 0, 255, 255, Share::MessageTune, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::TuneGroup2, "tuneGroup2", QT_TRANSLATE_NOOP("t40::Field", "Tune group 2"), Storage::Image, 0x330, 48, 0xFF, 0, 0, 255, 255, Share::MessageTune, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::TuneGroup3, "tuneGroup3", QT_TRANSLATE_NOOP("t40::Field", "Tune group 3"), Storage::Image, 0x360, 48, 0xFF, 0, 0, 255, 255, Share::None, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::TuneGroup4, "tuneGroup4", QT_TRANSLATE_NOOP("t40::Field", "Tune group 4"), Storage::Image, 0x390, 48, 0xFF, 0, 0, 255, 255, Share::None, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::TuneCommon, "tuneCommon", QT_TRANSLATE_NOOP("t40::Field", "Tune common"), Storage::Image, 0x3C0, 64, 0xFF, 0, 0, 255, 255, Share::TuneCommon, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::DealerInformation, "dealerInformation", QT_TRANSLATE_NOOP("t40::Field", "Dealer information"), Storage::Memory, 0xA80, 256, 0xFF, 0, 0, 255, 255, Share::Dealer, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::StunKill, "stunKill", QT_TRANSLATE_NOOP("t40::Field", "Stun/kill"), Storage::Memory, 0xB80, 32, 0xFF, 0, 0, 255, 255, Share::StunKill, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::SpecialOption, "specialOption", QT_TRANSLATE_NOOP("t40::Field", "Special option"), Storage::Memory, 0xE10, 16, 0xFF, 0, 0, 255, 255, Share::Special, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::TuneDeviation, "tuneDeviation", QT_TRANSLATE_NOOP("t40::Field", "Deviation"), Storage::Image, 0x3C0, 1, 0xFF, 0, 0, 127, 0, Share::TuneCommon, true,
      Format::Number, 0, 1, nullptr, Values::None },
    { FieldId::DealerModelName, "modelName", QT_TRANSLATE_NOOP("t40::Field", "Radio type"), Storage::Memory, 0xA80, 6, 0xFF, 0, 0, 255, 255, Share::Dealer, true,
      Format::Text, 0, 1, nullptr, Values::None },
    { FieldId::DealerFrequencyArea, "frequencyArea", QT_TRANSLATE_NOOP("t40::Field", "Frequency area"), Storage::Memory, 0xA86, 1, 0xFF, 0, 0, 2, 0, Share::Dealer, true,
      Format::Number, 0, 1, nullptr, Values::None },
    { FieldId::DealerAreaCode, "areaCode", QT_TRANSLATE_NOOP("t40::Field", "Area code"), Storage::Memory, 0xA88, 4, 0xFF, 0, 0, 255, 255, Share::Dealer, true,
      Format::Text, 0, 1, nullptr, Values::None },
    { FieldId::DealerSerialNumber, "serialNumber", QT_TRANSLATE_NOOP("t40::Field", "Serial number"), Storage::Memory, 0xA90, 16, 0xFF, 0, 0, 255, 255, Share::Dealer, true,
      Format::Text, 0, 1, nullptr, Values::None },
    { FieldId::DealerProductionDate, "productionDate", QT_TRANSLATE_NOOP("t40::Field", "Production date"), Storage::Memory, 0xAA0, 16, 0xFF, 0, 0, 255, 255, Share::Dealer, true,
      Format::Text, 0, 1, nullptr, Values::None },
    { FieldId::DealerManufactureCode, "manufactureCode", QT_TRANSLATE_NOOP("t40::Field", "Manufacture code"), Storage::Memory, 0xAB0, 8, 0xFF, 0, 0, 255, 255, Share::Dealer, true,
      Format::Text, 0, 1, nullptr, Values::None },
    { FieldId::DealerUserCode, "userCode", QT_TRANSLATE_NOOP("t40::Field", "User code"), Storage::Memory, 0xAB8, 8, 0xFF, 0, 0, 255, 255, Share::Dealer, true,
      Format::Text, 0, 1, nullptr, Values::None },
    { FieldId::DealerMaintenanceDate, "maintenanceDate", QT_TRANSLATE_NOOP("t40::Field", "Maintenance date"), Storage::Memory, 0xAC0, 16, 0xFF, 0, 0, 255, 255, Share::Dealer, true,
      Format::Text, 0, 1, nullptr, Values::None },
    { FieldId::DealerCode, "dealerCode", QT_TRANSLATE_NOOP("t40::Field", "Dealer code"), Storage::Memory, 0xAD0, 16, 0xFF, 0, 0, 255, 255, Share::Dealer, true,
      Format::Text, 0, 1, nullptr, Values::None },
    { FieldId::DealerStockDate, "stockDate", QT_TRANSLATE_NOOP("t40::Field", "Stock date"), Storage::Memory, 0xAE0, 16, 0xFF, 0, 0, 255, 255, Share::Dealer, true,
      Format::Text, 0, 1, nullptr, Values::None },
    { FieldId::DealerSellDate, "sellDate", QT_TRANSLATE_NOOP("t40::Field", "Sell date"), Storage::Memory, 0xAF0, 16, 0xFF, 0, 0, 255, 255, Share::Dealer, true,
      Format::Text, 0, 1, nullptr, Values::None },
    { FieldId::DealerSeller, "seller", QT_TRANSLATE_NOOP("t40::Field", "Seller"), Storage::Memory, 0xB00, 16, 0xFF, 0, 0, 255, 255, Share::Dealer, true,
      Format::Text, 0, 1, nullptr, Values::None },
    { FieldId::DealerMaintenanceDescription, "maintenanceDescription", QT_TRANSLATE_NOOP("t40::Field", "Maintenance description"), Storage::Memory, 0xB10, 96, 0xFF, 0, 0, 255, 255, Share::Dealer, true,
      Format::Text, 0, 1, nullptr, Values::None },
    { FieldId::StunCode, "stunCode", QT_TRANSLATE_NOOP("t40::Field", "Stun code"), Storage::Memory, 0xB80, 8, 0xFF, 0, 0, 255, 255, Share::StunKill, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::KillCode, "killCode", QT_TRANSLATE_NOOP("t40::Field", "Kill code"), Storage::Memory, 0xB88, 8, 0xFF, 0, 0, 255, 255, Share::StunKill, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::StunKillCodeLengths, "codeLengths", QT_TRANSLATE_NOOP("t40::Field", "Code lengths"), Storage::Memory, 0xB90, 1, 0xFF, 0, 0, 255, 255, Share::StunKill, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::StunKillStatus, "stunStatus", QT_TRANSLATE_NOOP("t40::Field", "Stun status"), Storage::Memory, 0xB91, 1, 0xFF, 0, 0, 255, 255, Share::StunKill, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::StunKillAckType, "callResponseType", QT_TRANSLATE_NOOP("t40::Field", "Call response type"), Storage::Memory, 0xB92, 1, 0xFF, 0, 0, 255, 255, Share::StunKill, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::StunKillEnable, "stunEnable", QT_TRANSLATE_NOOP("t40::Field", "Stun/kill enable"), Storage::Memory, 0xB93, 1, 0xFF, 0, 0, 255, 255, Share::StunKill, true,
      Format::Hex, 0, 1, nullptr, Values::None },
    { FieldId::SpecialRxVoiceLevel, "rxVoiceLevel", QT_TRANSLATE_NOOP("t40::Field", "RX voice level"), Storage::Memory, 0xE11, 1, 0xFF, 0, 0, 15, 0, Share::Special, true,
      Format::Number, 1, 1, nullptr, Values::None },
} };
// clang-format on

// The fields of a channel: its 16-byte record and its bit in the scan-add
// bitmap, in the order of the channel grid's columns.
enum class ChannelFieldId { Receive, Transmit, Decode, Encode, Power, ScanAdd, Spacing, BusyLock, Count };

struct ChannelFieldSpec {
    ChannelFieldId id;
    const char* key;   // stable machine name
    const char* name;  // for people, translatable (context "Field")
    int offset;        // within the record; -1: the scan-add bitmap
    int length;
    std::uint8_t mask;
    int shift;
    Format format;
    ValueNames values;
};

// clang-format off
inline constexpr std::array<ChannelFieldSpec, int(ChannelFieldId::Count)> ChannelFieldTable { {
    { ChannelFieldId::Receive,  "receiveMHz",  QT_TRANSLATE_NOOP("t40::Field", "Rx Frequency"),     0,  4, 0xFF, 0, Format::Frequency, Values::None },
    { ChannelFieldId::Transmit, "transmitMHz", QT_TRANSLATE_NOOP("t40::Field", "Tx Frequency"),     4,  4, 0xFF, 0, Format::Frequency, Values::None },
    { ChannelFieldId::Decode,   "decode",      QT_TRANSLATE_NOOP("t40::Field", "CTCSS/DCS Decode"), 8,  2, 0xFF, 0, Format::Code,      Values::None },
    { ChannelFieldId::Encode,   "encode",      QT_TRANSLATE_NOOP("t40::Field", "CTCSS/DCS Encode"), 10, 2, 0xFF, 0, Format::Code,      Values::None },
    { ChannelFieldId::Power,    "power",       QT_TRANSLATE_NOOP("t40::Field", "Tx Power"),         12, 1, 0xC0, 6, Format::List,      Values::Power },
    { ChannelFieldId::ScanAdd,  "scan",        QT_TRANSLATE_NOOP("t40::Field", "Scan Add"),         -1, 1, 0x01, 0, Format::List,      Values::ScanAdd },
    { ChannelFieldId::Spacing,  "spacing",     QT_TRANSLATE_NOOP("t40::Field", "Channel Spacing"),  12, 1, 0x08, 3, Format::List,      Values::Spacing },
    { ChannelFieldId::BusyLock, "busyLock",    QT_TRANSLATE_NOOP("t40::Field", "Busy Lock"),        12, 1, 0x30, 4, Format::List,      Values::BusyLock },
} };
// clang-format on

constexpr const ChannelFieldSpec& ChannelFieldOf(ChannelFieldId id)
{
    return ChannelFieldTable[static_cast<std::size_t>(id)];
}

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

constexpr bool ChannelFieldTableInOrder()
{
    for (std::size_t i = 0; i < ChannelFieldTable.size(); ++i)
        if (static_cast<std::size_t>(ChannelFieldTable[i].id) != i)
            return false;
    return true;
}
static_assert(ChannelFieldTableInOrder(), "ChannelFieldTable rows must follow the ChannelFieldId order");

} // namespace t40
