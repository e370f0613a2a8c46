#pragma once

#include "radio_image.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace t40 {

enum class BandFamily { VHF = 0, UHF = 1 };

constexpr std::uint8_t FamilyByteVHF = 0x32;
constexpr std::uint8_t FamilyByteUHF = 0x33;

struct BandEntry {
    BandFamily family;
    const char* listText;
    std::uint8_t code; // model block byte 445
    int lowMHz;
    int highMHz;
};

// In the order of the model dialog's lists.
constexpr std::array<BandEntry, 10> BandTable { {
    { BandFamily::VHF, "136-174MHz", 1, 136, 174 },
    { BandFamily::UHF, "350-370MHz", 0x53, 350, 370 },
    { BandFamily::UHF, "370-390MHz", 0x63, 370, 390 },
    { BandFamily::UHF, "400-430MHz", 0x43, 400, 430 },
    { BandFamily::UHF, "440-480MHz", 0x33, 440, 480 },
    { BandFamily::UHF, "450-490MHz", 0x21, 450, 490 },
    { BandFamily::UHF, "400-520MHz", 0x73, 400, 520 },
    { BandFamily::UHF, "490-512MHz", 0x83, 490, 512 },
    { BandFamily::UHF, "420-470MHz", 0x93, 420, 470 },
    { BandFamily::UHF, "400-470MHz", 0x13, 400, 470 },
} };

// The rows of one family, in list order.
std::vector<BandEntry> BandsOfFamily(BandFamily family);

// The UHF row for a band code, if any.
std::optional<BandEntry> UhfBandForCode(std::uint8_t code);

struct BandState {
    QString name; // "VHF" or "UHF"
    int lowMHz = 400;
    int highMHz = 520;
    int effectiveHighMHz = 520;
};

// Decodes the model block. A UHF code that is not in the table keeps the
// previous limits and changes only the name.
void AnalyseModelBlock(const RadioImage& image, BandState& band);

// The family byte and band code a model change writes for the given limits.
struct ModelBytes {
    std::uint8_t family;
    std::uint8_t code;
};
ModelBytes ModelBytesForBand(int lowMHz, int highMHz);

// The eight bytes the model dialog expects for a list row.
std::array<std::uint8_t, 8> ExpectedModelBlock(const BandEntry& entry);

} // namespace t40
