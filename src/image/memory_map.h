#pragma once

// Where each field lives in the radio memory (decimal image offsets unless
// written in hexadecimal). Bytes not named here are carried unchanged.
namespace t40::MemoryMap {

// Channel table: channel c (1..16) at 16 * c.
constexpr int ChannelTable = 16;
constexpr int ChannelRecordSize = 16;
constexpr int ChannelCount = 16;
constexpr int ChannelTableEnd = ChannelTable + ChannelRecordSize * ChannelCount; // 272

// Optional features.
constexpr int CallResponse = 275;
constexpr int VoxCancel = 279;
constexpr int VoxDelay = 283;
constexpr int VoxProceedTone = 284;
constexpr int SquelchTail = 287;
constexpr int MicNoiseReduction = 295;
constexpr int AlertLock = 296;
constexpr int ResetAllowed = 299;
constexpr int BandExtension = 300;
constexpr int VoicePrompt = 303;
constexpr int TimeOutTimer = 304;
constexpr int TotPreAlert = 305;
constexpr int RogerTone = 306;
constexpr int SquelchLevel = 308;
constexpr int BatterySave = 309;
constexpr int VoxSwitch = 313;
constexpr int VoxLevel = 314;

// Key assignment: four 4-bit function codes in two bytes.
constexpr int KeyAssignment = 285;
constexpr int KeyAssignmentSize = 2;

// Scan settings.
constexpr int PriorityScanType = 288;
constexpr int LookBackTimeA = 290;
constexpr int LookBackTimeB = 291;
constexpr int RevertChannel = 292;
constexpr int DropoutDelay = 293;
constexpr int TransmitDwell = 294;
constexpr int PriorityChannels = 312; // priority channels 1..8 at 312..319
constexpr int PriorityChannelCount = 8;

// Scan-add bitmap: 382 holds channels 1..8, 383 channels 9..16.
constexpr int ScanAddBitmap = 382;

// Model block.
constexpr int ModelBlock = 440;
constexpr int ModelBlockSize = 8;
constexpr int ModelFamily = 441;
constexpr int ModelBandCode = 445;
constexpr int FirmwareVersion = 448; // 448..451, shown by the dealer page
constexpr int FirmwareVersionSize = 4;

// Password block 0x2F0..0x2FF; the password itself is its first six bytes.
constexpr int PasswordBlock = 0x2F0;
constexpr int PasswordBlockSize = 16;
constexpr int PasswordLength = 6;

// Embedded message: two lines of 32 characters (shares its bytes with the
// first tune-data group).
constexpr int EmbeddedMessage = 0x300;
constexpr int MessageLineLength = 32;
constexpr int MessageLineCount = 2;

// Tune data: four 48-byte band groups, then 64 bytes common to all bands.
constexpr int TuneData = 0x300;
constexpr int TuneGroupSize = 48;
constexpr int TuneGroupCount = 4;
constexpr int TuneCommon = 0x3C0;
constexpr int TuneDataEnd = 0x400;

// Radio memory above the image, exchanged only by partial sessions.
constexpr int DealerInformation = 0x0A80;
constexpr int DealerInformationEnd = 0x0B80;
constexpr int StunKill = 0x0B80;
constexpr int StunKillEnd = 0x0BA0;
constexpr int SpecialOption = 0x0E10;
constexpr int SpecialOptionEnd = 0x0E20;

} // namespace t40::MemoryMap
