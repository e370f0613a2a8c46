#include "step_name.h"

#include "channel_codec.h"
#include "field_names.h"
#include "field_table.h"
#include "memory_map.h"

#include <optional>
#include <set>

namespace t40 {

namespace {

StepName Named(const char* english, const char* chinese)
{
    return { QString::fromUtf8(english), QString::fromUtf8(chinese) };
}

// The narrowest field holding the changed bits of one byte. Where two
// fields share a byte on purpose, the later row (the one a page writes)
// wins; the channel table and the scan-add bitmap are told by channel.
std::optional<FieldId> FieldOfByte(int address, std::uint8_t changedBits)
{
    std::optional<FieldId> best;
    for (auto row = FieldTable.rbegin(); row != FieldTable.rend(); ++row) {
        const FieldSpec& f = *row;
        if (address < f.offset || address >= f.offset + f.length)
            continue;
        if (f.length == 1 && (f.mask & changedBits) == 0)
            continue;
        if (!best || f.length < Field(*best).length)
            best = f.id;
    }
    return best;
}

} // namespace

namespace StepNames {
StepName InsertChannel() { return Named("Insert channel", "插入信道"); }
StepName DeleteChannel() { return Named("Delete channel", "删除信道"); }
StepName CopyChannel() { return Named("Copy channel", "信道复制"); }
StepName CopyFrequency() { return Named("Frequency copy", "频率复制"); }
StepName CopyQtDqt() { return Named("QT/DQT copy", "亚音复制"); }
StepName BatchEdit() { return Named("Batch edit", "批信道编辑"); }
StepName ReadFromRadio() { return Named("Read from radio", "从对讲机读出数据"); }
StepName ChangeModel() { return Named("Change model", "更改机型"); }
StepName ImportChannels() { return Named("Import channels", "导入信道"); }
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
            for (int c = 1; c <= ChannelCount; ++c)
                if (ReadScanBit(before, c) != ReadScanBit(after, c))
                    channels.insert(c);
        } else if (const auto field = FieldOfByte(a, bits)) {
            fields.insert(*field);
        } else {
            other = true;
        }
    }
    if (!other && fields.empty() && channels.size() == 1) {
        const QString n = QString::number(*channels.begin());
        return { QStringLiteral("Edit channel ") + n, QString::fromUtf8("编辑信道") + n };
    }
    if (!other && fields.empty() && !channels.empty())
        return Named("Edit channels", "编辑信道");
    if (!other && channels.empty() && fields.size() == 1) {
        const FieldId id = *fields.begin();
        return { QStringLiteral("Change ") + FieldDisplayName(id, true),
                 QString::fromUtf8("修改") + FieldDisplayName(id, false) };
    }
    return Named("Edit", "编辑");
}

} // namespace t40
