#include "document_diff.h"

#include "channel.h"
#include "channel_codec.h"
#include "field_table.h"
#include "radio_functions.h"
#include "value_texts.h"

#include <QCoreApplication>

#include <algorithm>

namespace t40 {

namespace {
// Fields longer than this show only the stretch that differs, with its addresses.
constexpr int WholeHexLength = 8;

QString Phrase(const char* text) { return QCoreApplication::translate("t40::Compare", text); }

QString Address(int a) { return QStringLiteral("0x") + QStringLiteral("%1").arg(a, 4, 16, QLatin1Char('0')).toUpper(); }

QString Hex(const RadioImage& image, int offset, int length)
{
    QStringList bytes;
    for (int a = offset; a < offset + length; ++a)
        bytes << QStringLiteral("%1").arg(image.byte(a), 2, 16, QLatin1Char('0')).toUpper();
    return bytes.join(QLatin1Char(' '));
}

class Comparison {
public:
    Comparison(const RadioImage& before, const RadioImage& after)
        : a_(before), b_(after)
    {
    }

    std::vector<Difference> run()
    {
        for (int c = 1; c <= ChannelsPerGroup; ++c)
            compareChannel(c);
        compareFields();
        reportOtherBytes();
        return found_;
    }

private:
    void explain(int offset, int length, std::uint8_t mask = 0xFF)
    {
        for (int i = offset; i < offset + length; ++i)
            if (RadioImage::inImage(i))
                explained_[std::size_t(i)] |= mask;
    }

    bool bitsDiffer(int offset, int length, std::uint8_t mask = 0xFF) const
    {
        for (int i = offset; i < offset + length; ++i)
            if ((a_.byte(i) ^ b_.byte(i)) & mask & ~explained_[std::size_t(i)])
                return true;
        return false;
    }

    static QString Bits(const RadioImage& m, int offset, std::uint8_t mask, int shift)
    {
        return QString::number((m.byte(offset) & mask) >> shift);
    }

    void compareChannel(int c)
    {
        const Channel x = ReadChannel(a_, c);
        const Channel y = ReadChannel(b_, c);
        const int record = *ChannelRecordOffset(0, c);
        const ScanBit scanBit = *ScanBitLocation(0, c);
        const std::uint8_t scanMask = std::uint8_t(1u << scanBit.bit);
        const QString channel = ChannelName(c);
        const QString key = QStringLiteral("channel.%1").arg(c);
        if (x.present() != y.present()) {
            const auto shown = [](const Channel& ch) {
                return ch.present() ? ChannelValueText(ChannelFieldId::Receive, ch) : Phrase(QT_TRANSLATE_NOOP("t40::Compare", "empty"));
            };
            found_.push_back({ key, channel, shown(x), shown(y), Hex(a_, record, 16), Hex(b_, record, 16) });
            explain(record, 16);
            explain(scanBit.byteOffset, 1, scanMask);
            return;
        }
        if (!x.present())
            return; // both absent: what their bytes still hold is left to the last entry
        for (const ChannelFieldSpec& f : ChannelFieldTable) {
            const QString before = ChannelValueText(f.id, x);
            const QString after = ChannelValueText(f.id, y);
            if (before == after)
                continue;
            const bool scan = f.offset < 0;
            const int offset = scan ? scanBit.byteOffset : record + f.offset;
            const std::uint8_t mask = scan ? scanMask : f.mask;
            const auto shown = [&](const QString& text) {
                return text.isEmpty() && f.id == ChannelFieldId::Transmit ? Phrase(QT_TRANSLATE_NOOP("t40::Compare", "receive only")) : text;
            };
            const auto raw = [&](const RadioImage& m) {
                return f.length > 1 ? Hex(m, offset, f.length) : Bits(m, offset, mask, scan ? scanBit.bit : f.shift);
            };
            found_.push_back({ key + QLatin1Char('.') + QLatin1String(f.key), channel + QLatin1Char(' ') + ChannelFieldName(f.id),
                               shown(before), shown(after), raw(a_), raw(b_) });
            explain(offset, f.length, mask);
        }
    }

    // The entry of a multi-byte field whose bytes differ, if any.
    std::optional<Difference> multiByte(const FieldSpec& f)
    {
        const QString name = FieldName(f.id);
        const QString key = QLatin1String(f.key);
        if (f.format == Format::Secret)
            return Difference { key, name, {}, {}, {}, {} };
        if (f.id == FieldId::MessageLine1 || f.id == FieldId::MessageLine2) {
            const std::size_t index = f.id == FieldId::MessageLine1 ? 0 : 1;
            const QString x = DecodeEmbeddedMessage(a_)[index];
            const QString y = DecodeEmbeddedMessage(b_)[index];
            // Bytes that are no characters leave the text alike; the tune groups over them show them.
            if (x == y)
                return std::nullopt;
            const auto quoted = [](const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); };
            return Difference { key, name, quoted(x), quoted(y), Hex(a_, f.offset, f.length), Hex(b_, f.offset, f.length) };
        }
        if (f.length <= WholeHexLength) {
            const QString x = Hex(a_, f.offset, f.length), y = Hex(b_, f.offset, f.length);
            return Difference { key, name, x, y, x, y };
        }
        // The stretch no narrower field shows yet (so the password block never shows the password).
        int first = f.offset;
        while (!bitsDiffer(first, 1))
            ++first;
        int last = f.offset + f.length - 1;
        while (!bitsDiffer(last, 1))
            --last;
        const QString where = first == last ? Address(first) : Address(first) + QStringLiteral("..") + Address(last);
        const QString x = Hex(a_, first, last - first + 1), y = Hex(b_, first, last - first + 1);
        return Difference { key + QLatin1Char('@') + where, Phrase(QT_TRANSLATE_NOOP("t40::Compare", "%1 at %2")).arg(name, where), x, y, x, y };
    }

    void compareFields()
    {
        std::array<std::optional<Difference>, FieldTable.size()> found;
        // One-byte values first, then the longer fields from the shortest up: a block whose
        // differences a narrower field sharing its bytes already shows is not repeated. Of two
        // fields on the same bits, only the one a page shows speaks.
        std::vector<const FieldSpec*> order;
        for (const FieldSpec& f : FieldTable)
            if (f.storage == Storage::Image && f.id != FieldId::ChannelTable && f.id != FieldId::ScanAddBitmap
                && (f.shown || f.share == Share::None))
                order.push_back(&f);
        std::stable_sort(order.begin(), order.end(), [](const FieldSpec* x, const FieldSpec* y) { return x->length < y->length; });
        for (const FieldSpec* f : order) {
            const std::size_t i = std::size_t(f->id);
            if (f->length == 1 && f->format != Format::Hex) {
                const int x = (a_.byte(f->offset) & f->mask) >> f->shift;
                const int y = (b_.byte(f->offset) & f->mask) >> f->shift;
                if (x != y && bitsDiffer(f->offset, 1, f->mask))
                    found[i] = Difference { QLatin1String(f->key), FieldName(f->id), ValueText(f->id, x), ValueText(f->id, y),
                                            QString::number(x), QString::number(y) };
            } else if (bitsDiffer(f->offset, f->length, f->mask)) {
                found[i] = multiByte(*f);
            }
            if (found[i])
                explain(f->offset, f->length, f->mask);
        }
        for (const auto& d : found)
            if (d)
                found_.push_back(*d);
    }

    void reportOtherBytes()
    {
        QStringList ranges;
        int start = -1;
        for (int i = 0; i <= RadioImage::ImageSize; ++i) {
            const bool differs = i < RadioImage::ImageSize && ((a_.byte(i) ^ b_.byte(i)) & ~explained_[std::size_t(i)]);
            if (differs && start < 0)
                start = i;
            if (!differs && start >= 0) {
                ranges << (i - 1 == start ? Address(start) : Address(start) + QStringLiteral("..") + Address(i - 1));
                start = -1;
            }
        }
        if (!ranges.isEmpty())
            found_.push_back({ QStringLiteral("otherBytes"), Phrase(QT_TRANSLATE_NOOP("t40::Compare", "other bytes differ at %1")).arg(ranges.join(QStringLiteral(", "))),
                               {}, {}, {}, {} });
    }

    const RadioImage& a_;
    const RadioImage& b_;
    std::vector<Difference> found_;
    std::array<std::uint8_t, RadioImage::ImageSize> explained_ {};
};
} // namespace

QString Difference::line() const
{
    if (key == QLatin1String("otherBytes"))
        return name;
    if (before.isEmpty() && after.isEmpty())
        return name + QStringLiteral(": ") + Phrase(QT_TRANSLATE_NOOP("t40::Compare", "differs"));
    return name + QStringLiteral(": ") + before + QStringLiteral(" -> ") + after;
}

std::vector<Difference> DiffImages(const RadioImage& before, const RadioImage& after)
{
    return Comparison(before, after).run();
}

QStringList CompareImages(const RadioImage& before, const RadioImage& after)
{
    QStringList lines;
    for (const Difference& d : DiffImages(before, after))
        lines << d.line();
    return lines;
}

} // namespace t40
