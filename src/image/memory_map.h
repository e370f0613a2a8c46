#pragma once

#include "field_table.h"

// Short names for the offsets of the field table, as the codecs use them.
namespace t40::MemoryMap {

// Channel table: channel c (1..16) at 16 * c.
constexpr int ChannelTable = FieldOffset(FieldId::ChannelTable);
constexpr int ChannelRecordSize = 16;
constexpr int ChannelCount = 16;
constexpr int ChannelTableEnd = ChannelTable + ChannelRecordSize * ChannelCount; // 272

// Optional features.
constexpr int CallResponse = FieldOffset(FieldId::CallResponse);
constexpr int VoxCancel = FieldOffset(FieldId::VoxCancel);
constexpr int VoxDelay = FieldOffset(FieldId::VoxDelay);
constexpr int VoxProceedTone = FieldOffset(FieldId::VoxProceedTone);
constexpr int SquelchTail = FieldOffset(FieldId::SquelchTail);
constexpr int MicNoiseReduction = FieldOffset(FieldId::MicNoiseReduction);
constexpr int AlertLock = FieldOffset(FieldId::AlertLock);
constexpr int ResetAllowed = FieldOffset(FieldId::ResetAllowed);
constexpr int BandExtension = FieldOffset(FieldId::BandExtension);
constexpr int VoicePrompt = FieldOffset(FieldId::VoicePrompt);
constexpr int TimeOutTimer = FieldOffset(FieldId::TimeOutTimer);
constexpr int TotPreAlert = FieldOffset(FieldId::TotPreAlert);
constexpr int RogerTone = FieldOffset(FieldId::RogerTone);
constexpr int SquelchLevel = FieldOffset(FieldId::SquelchLevel);
constexpr int BatterySave = FieldOffset(FieldId::BatterySave);
constexpr int VoxSwitch = FieldOffset(FieldId::VoxSwitch);
constexpr int VoxLevel = FieldOffset(FieldId::VoxLevel);

// Key assignment: four 4-bit function codes in two bytes.
constexpr int KeyAssignment = FieldOffset(FieldId::KeyPf1);
constexpr int KeyAssignmentSize = 2;

// Scan settings.
constexpr int PriorityScanType = FieldOffset(FieldId::PriorityScanType);
constexpr int LookBackTimeA = FieldOffset(FieldId::LookBackTimeA);
constexpr int LookBackTimeB = FieldOffset(FieldId::LookBackTimeB);
constexpr int RevertChannel = FieldOffset(FieldId::RevertChannel);
constexpr int DropoutDelay = FieldOffset(FieldId::DropoutDelay);
constexpr int TransmitDwell = FieldOffset(FieldId::TransmitDwell);
constexpr int PriorityChannels = FieldOffset(FieldId::PriorityChannel1); // priority channels 1..8 at 312..319
constexpr int PriorityChannelCount = 8;

// Scan-add bitmap: 382 holds channels 1..8, 383 channels 9..16.
constexpr int ScanAddBitmap = FieldOffset(FieldId::ScanAddBitmap);

// Model block.
constexpr int ModelBlock = FieldOffset(FieldId::ModelBlock);
constexpr int ModelBlockSize = Field(FieldId::ModelBlock).length;
constexpr int ModelFamily = FieldOffset(FieldId::ModelFamily);
constexpr int ModelBandCode = FieldOffset(FieldId::ModelBandCode);
constexpr int FirmwareVersion = FieldOffset(FieldId::FirmwareVersion); // 448..451, shown by the dealer page
constexpr int FirmwareVersionSize = Field(FieldId::FirmwareVersion).length;

// Password block 0x2F0..0x2FF; the password itself is its first six bytes.
constexpr int PasswordBlock = FieldOffset(FieldId::PasswordBlock);
constexpr int PasswordBlockSize = Field(FieldId::PasswordBlock).length;
constexpr int PasswordLength = Field(FieldId::Password).length;

// Embedded message: two lines of 32 characters (shares its bytes with the
// first tune-data group).
constexpr int EmbeddedMessage = FieldOffset(FieldId::MessageLine1);
constexpr int MessageLineLength = Field(FieldId::MessageLine1).length;
constexpr int MessageLineCount = 2;

// Tune data: four 48-byte band groups, then 64 bytes common to all bands.
constexpr int TuneData = FieldOffset(FieldId::TuneGroup1);
constexpr int TuneGroupSize = Field(FieldId::TuneGroup1).length;
constexpr int TuneGroupCount = 4;
constexpr int TuneCommon = FieldOffset(FieldId::TuneCommon);
constexpr int TuneDataEnd = FieldEnd(FieldId::TuneCommon);

// Radio memory above the image, exchanged only by partial sessions.
constexpr int DealerInformation = FieldOffset(FieldId::DealerInformation);
constexpr int DealerInformationEnd = FieldEnd(FieldId::DealerInformation);
constexpr int StunKill = FieldOffset(FieldId::StunKill);
constexpr int StunKillEnd = FieldEnd(FieldId::StunKill);
constexpr int SpecialOption = FieldOffset(FieldId::SpecialOption);
constexpr int SpecialOptionEnd = FieldEnd(FieldId::SpecialOption);

} // namespace t40::MemoryMap
