#include "document_diff.h"

#include "channel.h"
#include "channel_codec.h"
#include "field_names.h"
#include "field_table.h"
#include "radio_functions.h"

#include <algorithm>
#include <vector>

namespace t40 {

namespace {
// Fields longer than this show only the stretch that differs, with its addresses.
constexpr int WholeHexLength = 8;

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
    Comparison(const RadioImage& before, const RadioImage& after, bool english)
        : a_(before), b_(after), english_(english)
    {
    }

    QStringList run()
    {
        for (int c = 1; c <= ChannelsPerGroup; ++c)
            compareChannel(c);
        compareFields();
        reportOtherBytes();
        return lines_;
    }

private:
    QString tr(const char* english, const char* chinese) const
    {
        return QString::fromUtf8(english_ ? english : chinese);
    }

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

    static QString line(const QString& name, const QString& before, const QString& after)
    {
        return name + QStringLiteral(": ") + before + QStringLiteral(" -> ") + after;
    }

    QString frequency(const std::optional<Frequency>& f, const QString& missing) const
    {
        return f ? FrequencyText(*f, QStringLiteral(".")) : missing;
    }

    QString power(Power p) const
    {
        return p == Power::Low ? tr("Low", "低") : p == Power::Middle ? tr("Middle", "中") : tr("High", "高");
    }
    QString busyLock(BusyLock b) const
    {
        return b == BusyLock::None ? tr("None", "关") : b == BusyLock::Carrier ? tr("Carrier", "载波") : QStringLiteral("QT/DQT");
    }
    static QString spacing(Spacing s) { return s == Spacing::Wide ? QStringLiteral("25K") : QStringLiteral("12.5K"); }
    QString scan(bool add) const { return add ? tr("Add", "添加") : tr("Delete", "删除"); }

    void compareChannel(int c)
    {
        const Channel x = ReadChannel(a_, c);
        const Channel y = ReadChannel(b_, c);
        const int record = *ChannelRecordOffset(0, c);
        const ScanBit scanBit = *ScanBitLocation(0, c);
        const std::uint8_t scanMask = std::uint8_t(1u << scanBit.bit);
        const QString channel = english_ ? QStringLiteral("channel %1").arg(c) : QStringLiteral("信道%1").arg(c);
        if (x.present() != y.present()) {
            const QString empty = tr("empty", "空");
            lines_ << line(channel, frequency(x.receive, empty), frequency(y.receive, empty));
            explain(record, 16);
            explain(scanBit.byteOffset, 1, scanMask);
            return;
        }
        if (!x.present())
            return; // both absent: what their bytes still hold is left to the last line
        const auto item = [&](bool differs, const char* english, const char* chinese, const QString& before,
                              const QString& after, int offset, int length, std::uint8_t mask) {
            if (!differs)
                return;
            lines_ << line(channel + QLatin1Char(' ') + tr(english, chinese), before, after);
            explain(offset, length, mask);
        };
        const QString receiveOnly = tr("receive only", "仅接收");
        const QString none = tr("None", "无");
        const QString dot = QStringLiteral(".");
        item(x.receive != y.receive, "receive frequency", "接收频率", frequency(x.receive, {}), frequency(y.receive, {}),
             record + ChannelField::Receive, 4, 0xFF);
        item(x.transmit != y.transmit, "transmit frequency", "发射频率", frequency(x.transmit, receiveOnly),
             frequency(y.transmit, receiveOnly), record + ChannelField::Transmit, 4, 0xFF);
        item(x.decode != y.decode, "decode", "解码", x.decode.text(dot, none), y.decode.text(dot, none),
             record + ChannelField::Decode, 2, 0xFF);
        item(x.encode != y.encode, "encode", "编码", x.encode.text(dot, none), y.encode.text(dot, none),
             record + ChannelField::Encode, 2, 0xFF);
        item(x.power != y.power, "power", "发射功率", power(x.power), power(y.power), record + ChannelField::Flags, 1,
             ChannelFlags::PowerMask);
        item(x.busyLock != y.busyLock, "busy lock", "繁忙锁定", busyLock(x.busyLock), busyLock(y.busyLock),
             record + ChannelField::Flags, 1, ChannelFlags::BusyLockMask);
        item(x.spacing != y.spacing, "spacing", "宽/窄带", spacing(x.spacing), spacing(y.spacing),
             record + ChannelField::Flags, 1, ChannelFlags::SpacingMask);
        item(x.scanAdd != y.scanAdd, "scan", "扫描添加", scan(x.scanAdd), scan(y.scanAdd), scanBit.byteOffset, 1, scanMask);
    }

    // The line of a multi-byte field whose bytes differ, or nothing.
    QString multiByteLine(const FieldSpec& f)
    {
        const QString name = FieldDisplayName(f.id, english_);
        if (f.id == FieldId::Password)
            return name + QStringLiteral(": ") + tr("differs", "不同");
        if (f.id == FieldId::MessageLine1 || f.id == FieldId::MessageLine2) {
            const int index = f.id == FieldId::MessageLine1 ? 0 : 1;
            const QString x = DecodeEmbeddedMessage(a_)[std::size_t(index)];
            const QString y = DecodeEmbeddedMessage(b_)[std::size_t(index)];
            // Bytes that are no characters leave the text alike; the tune groups over them show them.
            if (x == y)
                return {};
            const auto quoted = [](const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); };
            return line(name, quoted(x), quoted(y));
        }
        if (f.length <= WholeHexLength)
            return line(name, Hex(a_, f.offset, f.length), Hex(b_, f.offset, f.length));
        // The stretch no narrower field shows yet (so the password block never shows the password).
        int first = f.offset;
        while (!bitsDiffer(first, 1))
            ++first;
        int last = f.offset + f.length - 1;
        while (!bitsDiffer(last, 1))
            --last;
        const QString where = first == last ? Address(first) : Address(first) + QStringLiteral("..") + Address(last);
        return line(name + (english_ ? QStringLiteral(" at ") : QStringLiteral(" ")) + where,
                    Hex(a_, first, last - first + 1), Hex(b_, first, last - first + 1));
    }

    void compareFields()
    {
        std::array<QString, FieldTable.size()> found;
        // One-byte values first, then the longer fields from the shortest up: a block whose
        // differences a narrower field sharing its bytes already shows is not repeated.
        std::vector<const FieldSpec*> order;
        for (const FieldSpec& f : FieldTable)
            if (f.storage == Storage::Image && f.id != FieldId::ChannelTable && f.id != FieldId::ScanAddBitmap)
                order.push_back(&f);
        std::stable_sort(order.begin(), order.end(), [](const FieldSpec* x, const FieldSpec* y) { return x->length < y->length; });
        for (const FieldSpec* f : order) {
            const std::size_t i = std::size_t(f->id);
            if (f->length == 1) {
                const int x = (a_.byte(f->offset) & f->mask) >> f->shift;
                const int y = (b_.byte(f->offset) & f->mask) >> f->shift;
                if (x != y)
                    found[i] = line(FieldDisplayName(f->id, english_), QString::number(x), QString::number(y));
            } else if (bitsDiffer(f->offset, f->length)) {
                found[i] = multiByteLine(*f);
            }
            if (!found[i].isEmpty())
                explain(f->offset, f->length, f->mask);
        }
        for (const QString& l : found)
            if (!l.isEmpty())
                lines_ << l;
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
            lines_ << tr("other bytes differ at ", "其他字节不同: ") + ranges.join(QStringLiteral(", "));
    }

    const RadioImage& a_;
    const RadioImage& b_;
    bool english_;
    QStringList lines_;
    std::array<std::uint8_t, RadioImage::ImageSize> explained_ {};
};
} // namespace

QStringList CompareImages(const RadioImage& before, const RadioImage& after, bool english)
{
    return Comparison(before, after, english).run();
}

} // namespace t40
