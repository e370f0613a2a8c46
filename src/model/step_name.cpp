#include "step_name.h"

#include "channel_codec.h"
#include "field_table.h"
#include "memory_map.h"
#include "value_texts.h"

#include <QCoreApplication>

#include <cstring>
#include <optional>
#include <set>

namespace t40 {

namespace {

StepName Named(const char* source) { return { source, 0, FieldId::Count }; }

// The narrowest field holding the changed bits of one byte. Where two
// fields share a byte on purpose, the one a page shows wins; the channel
// table and the scan-add bitmap are told by channel.
std::optional<FieldId> FieldOfByte(int address, std::uint8_t changedBits)
{
    std::optional<FieldId> best;
    for (auto row = FieldTable.rbegin(); row != FieldTable.rend(); ++row) {
        const FieldSpec& f = *row;
        if (address < f.offset || address >= f.offset + f.length)
            continue;
        if ((f.length == 1 && (f.mask & changedBits) == 0))
            continue;
        if (!best || f.length < Field(*best).length || (f.length == Field(*best).length && f.shown && !Field(*best).shown))
            best = f.id;
    }
    return best;
}

} // namespace

bool StepName::operator==(const StepName& other) const
{
    const bool sameSource = source == other.source || (source && other.source && std::strcmp(source, other.source) == 0);
    return sameSource && channel == other.channel && field == other.field;
}

QString StepName::text() const
{
    if (!source)
        return {};
    const QString t = QCoreApplication::translate("t40::Step", source);
    if (field != FieldId::Count)
        return t.arg(FieldName(field));
    return channel ? t.arg(channel) : t;
}

namespace StepNames {
StepName InsertChannel() { return Named(QT_TRANSLATE_NOOP("t40::Step", "Insert channel")); }
StepName DeleteChannel() { return Named(QT_TRANSLATE_NOOP("t40::Step", "Delete channel")); }
StepName CopyChannel() { return Named(QT_TRANSLATE_NOOP("t40::Step", "Copy channel")); }
StepName CopyFrequency() { return Named(QT_TRANSLATE_NOOP("t40::Step", "Frequency copy")); }
StepName CopyQtDqt() { return Named(QT_TRANSLATE_NOOP("t40::Step", "QT/DQT copy")); }
StepName BatchEdit() { return Named(QT_TRANSLATE_NOOP("t40::Step", "Batch edit")); }
StepName ReadFromRadio() { return Named(QT_TRANSLATE_NOOP("t40::Step", "Read from radio")); }
StepName ChangeModel() { return Named(QT_TRANSLATE_NOOP("t40::Step", "Change model")); }
StepName ImportChannels() { return Named(QT_TRANSLATE_NOOP("t40::Step", "Import channels")); }
StepName MoveChannels() { return Named(QT_TRANSLATE_NOOP("t40::Step", "Move channels")); }
StepName SortChannels() { return Named(QT_TRANSLATE_NOOP("t40::Step", "Sort channels")); }
StepName ChangeChannels() { return Named(QT_TRANSLATE_NOOP("t40::Step", "Change channels")); }
StepName EncodeAsDecode() { return Named(QT_TRANSLATE_NOOP("t40::Step", "Encode as decode")); }
StepName InsertPreset() { return Named(QT_TRANSLATE_NOOP("t40::Step", "Insert preset channels")); }
} // namespace StepNames

StepName NameForChange(const RadioImage& before, const RadioImage& after)
{
    using namespace MemoryMap;
    std::set<int> channels;
    std::set<FieldId> fields;
    bool other = false;
    for (int a = 0; a < RadioImage::MemorySize; ++a) {
        const std::uint8_t bits = before.memoryByte(a) ^ after.memoryByte(a);
        if (bits == 0)
            continue;
        if (a >= ChannelTable && a < ChannelTableEnd) {
            channels.insert((a - ChannelTable) / ChannelRecordSize + 1);
        } else if (a >= ScanAddBitmap && a < ScanAddBitmap + 2) {
            for (int c = 1; c <= t40::ChannelCount; ++c)
                if (ReadScanBit(before, c) != ReadScanBit(after, c))
                    channels.insert(c);
        } else if (const auto field = FieldOfByte(a, bits)) {
            fields.insert(*field);
        } else {
            other = true;
        }
    }
    if (!other && fields.empty() && channels.size() == 1)
        return { QT_TRANSLATE_NOOP("t40::Step", "Edit channel %1"), *channels.begin(), FieldId::Count };
    if (!other && fields.empty() && !channels.empty())
        return Named(QT_TRANSLATE_NOOP("t40::Step", "Edit channels"));
    if (!other && channels.empty() && fields.size() == 1)
        return { QT_TRANSLATE_NOOP("t40::Step", "Change %1"), 0, *fields.begin() };
    return Named(QT_TRANSLATE_NOOP("t40::Step", "Edit"));
}

} // namespace t40
