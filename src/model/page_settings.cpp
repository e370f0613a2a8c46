#include "page_settings.h"

#include "channel_codec.h"

namespace t40 {

OptionSettings ReadOptions(const RadioDocument& document)
{
    return ReadOptions(document.memory());
}

void WriteOptions(RadioDocument& document, const OptionSettings& settings)
{
    document.edit([&](RadioImage& m) { WriteOptions(m, settings); });
}

void RepairOptions(RadioDocument& document)
{
    document.edit([](RadioImage& m) { RepairOptions(m); });
}

int ShownOptionValue(const RadioDocument& document, FieldId id)
{
    RadioImage copy = document.memory();
    RepairOptions(copy);
    const FieldSpec& f = Field(id);
    return (copy.byte(f.offset) & f.mask) >> f.shift;
}

KeySettings ReadKeys(const RadioDocument& document)
{
    return ReadKeys(document.memory());
}

void WriteKeys(RadioDocument& document, const KeySettings& settings)
{
    document.edit([&](RadioImage& m) { WriteKeys(m, settings); });
}

int KeyFunctionCode(const RadioDocument& document, int key)
{
    return KeyCodeOfPosition(KeyPositionOfCode(KeyCode(document.memory(), key)));
}

ScanSettings ReadScan(const RadioDocument& document)
{
    return ReadScan(document.memory());
}

void WriteScan(RadioDocument& document, const ScanSettings& settings)
{
    document.edit([&](RadioImage& m) { WriteScan(m, settings); });
}

bool ChannelPresent(const RadioDocument& document, int c)
{
    return ReceivePresent(document.memory(), c, QStringLiteral("."));
}

MessageLines ReadMessageLines(const RadioDocument& document)
{
    return DecodeEmbeddedMessage(document.memory());
}

bool WriteMessageLine(RadioDocument& document, int index, const QString& line)
{
    bool stored = false;
    document.edit([&](RadioImage& m) { stored = EncodeEmbeddedMessageLine(m, index, line); });
    return stored;
}

bool WriteMessageLines(RadioDocument& document, const MessageLines& lines)
{
    bool stored = false;
    document.edit([&](RadioImage& m) { stored = EncodeEmbeddedMessage(m, lines[0], lines[1]); });
    return stored;
}

namespace {
int TuneSection(const RadioDocument& document)
{
    return Tune::SectionBase(document.band().lowMHz);
}

// Runs a tune setter through the document and gives back what it stored.
template <typename Setter>
int StoreTune(RadioDocument& document, Setter setter)
{
    int stored = 0;
    document.edit([&](RadioImage& m) { stored = setter(m, TuneSection(document)); });
    return stored;
}
} // namespace

TuneTable ReadTuneTable(const RadioDocument& document)
{
    const RadioImage& m = document.memory();
    const int base = TuneSection(document);
    TuneTable t;
    for (int row = 1; row <= Tune::DataRows; ++row)
        for (int c = 1; c <= Tune::PointCount; ++c)
            t.cells[row - 1][c - 1] = Tune::CellValue(m, base, row, c);
    for (int p = 1; p <= Tune::DetectionCount; ++p) {
        t.highThreshold[p - 1] = Tune::HighThreshold(m, base, p);
        t.lowThreshold[p - 1] = Tune::LowThreshold(m, base, p);
    }
    t.deviation = Tune::Deviation(m);
    return t;
}

int WriteTuneCell(RadioDocument& document, int row, int column, int value)
{
    return StoreTune(document, [&](RadioImage& m, int base) { return Tune::SetCellValue(m, base, row, column, value); });
}

int WriteHighThreshold(RadioDocument& document, int point, int value)
{
    return StoreTune(document, [&](RadioImage& m, int base) { return Tune::SetHighThreshold(m, base, point, value); });
}

int WriteLowThreshold(RadioDocument& document, int point, int value)
{
    return StoreTune(document, [&](RadioImage& m, int base) { return Tune::SetLowThreshold(m, base, point, value); });
}

int WriteDeviation(RadioDocument& document, int value)
{
    return StoreTune(document, [&](RadioImage& m, int) { return Tune::SetDeviation(m, value); });
}

DealerRecord ReadDealerRecord(const RadioDocument& document)
{
    return DecodeDealerRecord(document.memory());
}

QString ReadFirmwareVersion(const RadioDocument& document, const QString& decimalSeparator)
{
    return FirmwareVersionText(document.memory(), decimalSeparator);
}

namespace {
int StoredStatusPosition(const RadioImage& m)
{
    const std::uint8_t b = m.memoryByte(StunKill::Status);
    return b == StunKill::Normal || b == StunKill::Stunned || b == StunKill::Killed ? StunKill::StatusPosition(m) : -1;
}

int StoredAckTypePosition(const RadioImage& m)
{
    const std::uint8_t b = m.memoryByte(StunKill::AckType);
    return b == StunKill::Chord || b == StunKill::Ring ? StunKill::AckTypePosition(m) : -1;
}

StunKillSettings ReadStunKill(const RadioImage& m)
{
    StunKillSettings s;
    s.status = StoredStatusPosition(m);
    s.ackType = StoredAckTypePosition(m);
    s.enabled = StunKill::IsEnabled(m);
    s.stunCode = StunKill::DecodeCode(m, StunKill::Code::Stun);
    s.killCode = StunKill::DecodeCode(m, StunKill::Code::Kill);
    return s;
}
} // namespace

StunKillSettings ReadStunKill(const RadioDocument& document)
{
    return ReadStunKill(document.memory());
}

void WriteStunKill(RadioDocument& document, const StunKillSettings& s)
{
    document.edit([&](RadioImage& m) {
        const StunKillSettings b = ReadStunKill(m);
        if (s.status != b.status && s.status >= 0)
            StunKill::SetStatusPosition(m, s.status);
        if (s.ackType != b.ackType && s.ackType >= 0)
            StunKill::SetAckTypePosition(m, s.ackType);
        if (s.enabled != b.enabled)
            StunKill::SetEnabled(m, s.enabled);
        if (s.stunCode != b.stunCode)
            StunKill::EncodeCode(m, StunKill::Code::Stun, s.stunCode);
        if (s.killCode != b.killCode)
            StunKill::EncodeCode(m, StunKill::Code::Kill, s.killCode);
    });
}

void WriteStunKillCode(RadioDocument& document, StunKill::Code code, const QString& text)
{
    document.edit([&](RadioImage& m) { StunKill::EncodeCode(m, code, text); });
}

SpecialOption ReadSpecialOption(const RadioDocument& document)
{
    return { Special::RxVoicePosition(document.memory()) };
}

void WriteSpecialOption(RadioDocument& document, const SpecialOption& option)
{
    document.edit([&](RadioImage& m) { Special::SetRxVoicePosition(m, option.rxVoiceLevel); });
}

} // namespace t40
