// Fuzz target: a data file and every decoder over the radio memory it gives,
// and the typed-entry parsers over the same bytes read as text.

#include "band_table.h"
#include "decimal_text.h"
#include "channel_codec.h"
#include "data_file.h"
#include "dealer_record.h"
#include "frequency_entry.h"
#include "image_report.h"
#include "radio_functions.h"
#include "stun_kill_codec.h"
#include "tune_codec.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace t40;
using namespace t40::StunKill;
using namespace t40::Special;
using namespace t40::Tune;

namespace {
void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void DecodeEverything(RadioImage memory, const QString& separator)
{
    BandState band;
    AnalyseModelBlock(memory, band);
    (void)ImageReport(memory);
    const QString none = QStringLiteral("None");
    for (int c = 0; c <= ChannelsPerGroup + 1; ++c) {
        (void)DecodeChannel(memory, c, separator, none);
        (void)ReceivePresent(memory, c, separator);
        (void)TransmitPresent(memory, c, separator);
    }
    for (int k = 0; k < KeyCount; ++k)
        Require(KeyPositionOfCode(KeyCode(memory, k)) >= 0);
    (void)DecodeEmbeddedMessage(memory);
    (void)DecodeDealerRecord(memory);
    (void)FirmwareVersionText(memory, separator);
    Require(StatusPosition(memory) >= 0 && AckTypePosition(memory) >= 0);
    (void)IsEnabled(memory);
    (void)DecodeCode(memory, Code::Stun);
    (void)DecodeCode(memory, Code::Kill);
    const int voice = RxVoicePosition(memory);
    Require(voice >= 0 && voice < LevelCount);
    for (int low : { 136, 200, 350, 400, band.lowMHz }) {
        const int base = SectionBase(low);
        for (int row = 1; row <= DataRows; ++row)
            for (int column = 1; column <= PointCount; ++column)
                (void)CellValue(memory, base, row, column);
        for (int point = 1; point <= DetectionCount; ++point) {
            (void)HighThreshold(memory, base, point);
            (void)LowThreshold(memory, base, point);
        }
    }
    (void)Deviation(memory);

    // The optional-features page writes its corrections back: they stay in the image.
    const RadioImage before = memory;
    (void)DecodeOptions(memory);
    for (int a = RadioImage::ImageSize; a < RadioImage::MemorySize; ++a)
        Require(memory.memoryByte(a) == before.memoryByte(a));
    const OptionSettings again = DecodeOptions(memory);
    (void)again;

    // What a file holds comes back from it unchanged.
    RadioImage reread;
    Require(ParseDataFile(BuildDataFile(memory), reread) == DataFileStatus::Ok);
    for (int a = 0; a < RadioImage::ImageSize; ++a)
        Require(reread.byte(a) == memory.byte(a));
}

void ParseTyped(const QString& text, const QString& separator)
{
    RadioImage image;
    const BandState band;
    (void)CompleteFrequencyText(text, separator);
    (void)CheckFrequencyText(text, separator, band.lowMHz, band.highMHz);
    (void)EncodeFrequency(text, separator);
    (void)EnterReceiveFrequency(image, 1, text, separator, band);
    (void)EnterTransmitFrequency(image, 1, text, separator, band);
    (void)EncodeSignallingCodeFromText(text, separator);
    (void)EncodeSignallingCodeFromList(0, text, separator);
    (void)ParseDecimal(text, separator);
    (void)ReadLeadingNumber(text, separator);
    int value = 0;
    (void)ParseEntry(text, value);
    EncodeCode(image, Code::Stun, CleanCode(text));
    EncodeEmbeddedMessage(image, text, text.left(8));
    // A typed entry never reaches past the image or the radio memory.
    for (int a = RadioImage::ImageSize; a < RadioImage::MemorySize; ++a)
        if (a < 0x0B80 || a >= 0x0B91)
            Require(image.memoryByte(a) == RadioImage::Erased);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    RadioImage image;
    const DataFileStatus status = ParseDataFile(bytes, image);
    if (status == DataFileStatus::Ok)
        Require(std::memcmp(image.image().data(), data + DataFile::HeaderSize, RadioImage::ImageSize) == 0);

    // The same bytes as the whole radio memory, so that every decoder sees them.
    RadioImage memory;
    for (std::size_t a = 0; a < size && a < std::size_t(RadioImage::MemorySize); ++a)
        memory.setMemoryByte(int(a), data[a]);
    const QString separator = size > 0 && (data[0] & 1) ? QStringLiteral(",") : QStringLiteral(".");
    DecodeEverything(memory, separator);

    if (size <= 64)
        ParseTyped(QString::fromUtf8(bytes), separator);
    return 0;
}
