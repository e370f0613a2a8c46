#include "band_table.h"

#include "memory_map.h"

#include <vector>

namespace t40 {

std::vector<BandEntry> BandsOfFamily(BandFamily family)
{
    std::vector<BandEntry> rows;
    for (const auto& entry : BandTable)
        if (entry.family == family)
            rows.push_back(entry);
    return rows;
}

std::optional<BandEntry> UhfBandForCode(std::uint8_t code)
{
    for (const auto& entry : BandTable)
        if (entry.family == BandFamily::UHF && entry.code == code)
            return entry;
    return std::nullopt;
}

void AnalyseModelBlock(const RadioImage& image, BandState& band)
{
    int high = band.highMHz;
    if (image.byte(MemoryMap::ModelFamily) == FamilyByteVHF) {
        band.name = QStringLiteral("VHF");
        band.lowMHz = 136;
        high = 174;
    } else {
        band.name = QStringLiteral("UHF");
        const auto entry = UhfBandForCode(image.byte(MemoryMap::ModelBandCode));
        if (!entry)
            return;
        band.lowMHz = entry->lowMHz;
        high = entry->highMHz;
    }
    band.highMHz = high;
    band.effectiveHighMHz = high;
}

ModelBytes ModelBytesForBand(int lowMHz, int highMHz)
{
    switch (highMHz) {
    case 174: return { FamilyByteVHF, 1 };
    case 370: return { FamilyByteUHF, 83 };
    case 390: return { FamilyByteUHF, 99 };
    case 430: return { FamilyByteUHF, 67 };
    case 480: return { FamilyByteUHF, 51 };
    case 490: return { FamilyByteUHF, 33 };
    case 520: return { FamilyByteUHF, 115 };
    case 470: return { FamilyByteUHF, static_cast<std::uint8_t>(lowMHz == 420 ? 147 : 19) };
    default: return { FamilyByteUHF, 131 };
    }
}

std::array<std::uint8_t, 8> ExpectedModelBlock(const BandEntry& entry)
{
    const std::uint8_t family = entry.family == BandFamily::VHF ? FamilyByteVHF : FamilyByteUHF;
    return { 0x50, family, 0x32, 0x30, 0x37, entry.code, 0xF8, 0xFF };
}

} // namespace t40
