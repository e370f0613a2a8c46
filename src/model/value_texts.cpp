#include "value_texts.h"

#include <QCoreApplication>

#include <algorithm>

namespace t40 {

namespace {
QString Translated(const char* context, const char* text)
{
    return text ? QCoreApplication::translate(context, text) : QString();
}

QString WithUnit(const QString& number, const FieldSpec& f)
{
    return f.unit ? number + QLatin1Char(' ') + Translated("t40::Value", f.unit) : number;
}

QString Invalid(int value) { return QCoreApplication::translate("t40::Value", "invalid (%1)").arg(value); }

// Without the unit: what a list shows.
QString Bare(const FieldSpec& f, int value, const QString& separator)
{
    switch (f.format) {
    case Format::OffNumber:
        if (value == 0)
            return ValueName(Values::OffOn, 0);
        [[fallthrough]];
    case Format::Number:
        return QString::number((value + f.bias) * f.scale);
    case Format::Tenths: {
        const int tenths = value + f.bias;
        return QString::number(tenths / 10) + separator + QString::number(tenths % 10);
    }
    case Format::List:
        return ValueName(f.values, value);
    default:
        return QString::number(value);
    }
}
} // namespace

QString FieldName(FieldId id) { return Translated("t40::Field", Field(id).name); }
QString ChannelFieldName(ChannelFieldId id) { return Translated("t40::Field", ChannelFieldOf(id).name); }
QString ChannelName(int c) { return QCoreApplication::translate("t40::Field", "Channel %1").arg(c); }
QString ChannelColumnName() { return QCoreApplication::translate("t40::Field", "CH"); }

std::span<const FieldId> OptionFields()
{
    static constexpr FieldId fields[] { FieldId::TimeOutTimer, FieldId::TotPreAlert, FieldId::SquelchLevel, FieldId::VoicePrompt,
                                        FieldId::VoxSwitch, FieldId::VoxLevel, FieldId::BatterySave, FieldId::RogerTone };
    return fields;
}

QString ValueName(ValueNames names, int value)
{
    if (value < 0 || std::size_t(value) >= names.names.size() || !names.names[std::size_t(value)])
        return Invalid(value);
    return Translated(names.context, names.names[std::size_t(value)]);
}

QStringList ValueNameList(ValueNames names)
{
    QStringList texts;
    for (const char* name : names.names)
        texts << Translated(names.context, name);
    return texts;
}

QString ValueText(FieldId id, int value, const QString& decimalSeparator)
{
    const FieldSpec& f = Field(id);
    if (f.format == Format::OffNumber && value == 0)
        return Bare(f, value, decimalSeparator);
    if (value < f.min || value > f.max)
        return Invalid(value);
    const QString bare = Bare(f, value, decimalSeparator);
    return f.format == Format::List ? bare : WithUnit(bare, f);
}

QStringList ValueListTexts(FieldId id, const QString& decimalSeparator)
{
    const FieldSpec& f = Field(id);
    QStringList texts;
    for (int v = f.min; v <= f.max; ++v)
        texts << Bare(f, v, decimalSeparator);
    return texts;
}

QString NoCodeText() { return QCoreApplication::translate("t40::Value", "None"); }

QString ChannelValueText(ChannelFieldId id, const Channel& ch, const QString& decimalSeparator)
{
    const ValueNames names = ChannelFieldOf(id).values;
    switch (id) {
    case ChannelFieldId::Receive:
        return ch.receive ? FrequencyText(*ch.receive, decimalSeparator) : QString();
    case ChannelFieldId::Transmit:
        return ch.transmit ? FrequencyText(*ch.transmit, decimalSeparator) : QString();
    case ChannelFieldId::Decode:
        return ch.decode.text(decimalSeparator, NoCodeText());
    case ChannelFieldId::Encode:
        return ch.encode.text(decimalSeparator, NoCodeText());
    case ChannelFieldId::Power:
        return ValueName(names, int(ch.power));
    case ChannelFieldId::ScanAdd:
        return ValueName(names, ch.scanAdd ? 1 : 0);
    case ChannelFieldId::Spacing:
        return ValueName(names, int(ch.spacing)).replace(QLatin1Char('.'), decimalSeparator);
    case ChannelFieldId::BusyLock:
        return ValueName(names, int(ch.busyLock));
    case ChannelFieldId::Count:
        break;
    }
    return {};
}

QStringList ChannelListTexts(ChannelFieldId id, const QString& decimalSeparator)
{
    QStringList texts = ValueNameList(ChannelFieldOf(id).values);
    if (id == ChannelFieldId::ScanAdd)
        std::reverse(texts.begin(), texts.end()); // the list offers Add first
    if (id == ChannelFieldId::Spacing)
        for (QString& t : texts)
            t.replace(QLatin1Char('.'), decimalSeparator);
    return texts;
}

} // namespace t40
