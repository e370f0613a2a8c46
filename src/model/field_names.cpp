#include "field_names.h"

namespace t40 {

namespace {
// In FieldId order, next to the English names of the field table.
constexpr std::array<const char*, int(FieldId::Count)> ChineseNames { {
    "信道表", "呼叫响应", "声控可取消", "声控延时", "声控可进行音调",
    "PF1键", "PF2键", "PF1长按键", "PF2长按键", "无信令消除尾音",
    "优先扫描类型", "回扫时间A", "回扫时间B", "返回信道", "扫描接收恢复延迟时间",
    "扫描发射恢复延迟时间", "麦克风降噪", "报警锁定", "复位允许", "频段扩展",
    "提示音", "超时定时器", "超时定时器预警", "发射结束提示音", "静噪等级",
    "省电", "优先信道1", "优先信道2", "优先信道3", "优先信道4",
    "优先信道5", "优先信道6", "优先信道7", "优先信道8", "声控功能",
    "声控等级", "扫描添加表", "机型块", "频段系列", "频段代码",
    "固件版本", "密码块", "密码", "嵌入信息第1行", "嵌入信息第2行",
    "调谐数据第1组", "调谐数据第2组", "调谐数据第3组", "调谐数据第4组", "调谐数据公共区",
    "本机信息", "遥晕遥毙选项", "特殊选项",
} };
static_assert(ChineseNames.back() != nullptr, "a Chinese name for every field");
} // namespace

QString FieldDisplayName(FieldId id, bool english)
{
    return english ? QString::fromLatin1(Field(id).name) : QString::fromUtf8(ChineseNames[std::size_t(id)]);
}

} // namespace t40
