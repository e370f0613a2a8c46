#include "step_name.h"

#include "channel_codec.h"
#include "field_table.h"
#include "memory_map.h"

#include <array>
#include <optional>
#include <set>

namespace t40 {

namespace {

StepName Named(const char* english, const char* chinese)
{
    return { QString::fromUtf8(english), QString::fromUtf8(chinese) };
}

// The Chinese name of each field, in FieldId order; the English name is the
// field table's own.
// clang-format off
constexpr std::array<const char*, int(FieldId::Count)> ChineseFieldNames {
    "信道表", "呼叫响应", "声控可取消", "声控延时", "声控可进行音调",
    "PF1键", "PF2键", "PF1长按键", "PF2长按键", "无信令消除尾音",
    "优先扫描类型", "回扫时间A", "回扫时间B", "返回信道", "扫描接收恢复延迟时间", "扫描发射恢复延迟时间",
    "麦克风降噪", "报警锁定", "复位允许", "频段扩展", "提示音",
    "超时定时器", "超时定时器预警", "发射结束提示音", "静噪等级", "省电",
    "优先信道1", "优先信道2", "优先信道3", "优先信道4", "优先信道5", "优先信道6", "优先信道7", "优先信道8",
    "声控功能", "声控等级", "扫描列表",
    "机型", "机型", "频段", "固件版本", "密码", "密码",
    "嵌入信息第1行", "嵌入信息第2行",
    "调谐数据组1", "调谐数据组2", "调谐数据组3", "调谐数据组4", "公共调谐数据",
    "本机信息", "遥晕遥毙选项", "特殊选项",
};
// clang-format on

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
        return { QStringLiteral("Change ") + QString::fromLatin1(Field(id).name),
                 QString::fromUtf8("修改") + QString::fromUtf8(ChineseFieldNames[static_cast<std::size_t>(id)]) };
    }
    return Named("Edit", "编辑");
}

} // namespace t40
