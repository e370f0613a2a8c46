#include "radio_band.h"

#include "radio_document.h"

#include <algorithm>

namespace t40 {

namespace {
std::vector<BandEntry> Rows(int family)
{
    return BandsOfFamily(family == 0 ? BandFamily::VHF : BandFamily::UHF);
}
} // namespace

QStringList BandListTexts(int family)
{
    QStringList texts;
    for (const BandEntry& entry : Rows(family))
        texts << QString::fromLatin1(entry.listText);
    return texts;
}

BandChoice CurrentBandChoice(const RadioDocument& document)
{
    if (document.value(FieldId::ModelFamily) == FamilyByteVHF)
        return { 0, 0 };
    const auto rows = Rows(1);
    BandChoice choice { 1, static_cast<int>(rows.size()) - 1 }; // 400-470MHz when no code matches
    for (int i = 0; i < static_cast<int>(rows.size()); ++i)
        if (rows[i].code == document.value(FieldId::ModelBandCode))
            choice.row = i;
    return choice;
}

bool IsCurrentBand(const RadioDocument& document, const BandChoice& choice)
{
    const auto rows = Rows(choice.family);
    if (choice.row < 0 || choice.row >= static_cast<int>(rows.size()))
        return false;
    const auto expected = ExpectedModelBlock(rows[choice.row]);
    const QByteArray stored = document.fieldBytes(FieldId::ModelBlock);
    return std::equal(expected.begin(), expected.end(), stored.begin(), stored.end(),
                      [](std::uint8_t a, char b) { return a == std::uint8_t(b); });
}

std::optional<BandState> BandOfChoice(const BandChoice& choice)
{
    const auto rows = Rows(choice.family);
    if (choice.row < 0 || choice.row >= static_cast<int>(rows.size()))
        return std::nullopt;
    const BandEntry& entry = rows[choice.row];
    return BandState { choice.family == 0 ? QStringLiteral("VHF") : QStringLiteral("UHF"), entry.lowMHz,
                       entry.highMHz, entry.highMHz };
}

void StoreModel(RadioDocument& document, const BandState& band)
{
    const ModelBytes bytes = ModelBytesForBand(band.lowMHz, band.highMHz);
    document.setValue(FieldId::ModelFamily, bytes.family);
    document.setValue(FieldId::ModelBandCode, bytes.code);
    document.setBand(band);
}

BandState BandOfMemory(const RadioImage& memory)
{
    BandState band;
    AnalyseModelBlock(memory, band);
    return band;
}

} // namespace t40
