#include "channel_presets.h"

#include "radio_document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace t40 {

namespace {
const char* const Context = "t40::ChannelPresets";

// The descriptions of the shipped plans, for the translator; a plan added
// later shows its description as written until it is translated.
[[maybe_unused]] const char* const ShippedDescriptions[] = {
    QT_TRANSLATE_NOOP("t40::ChannelPresets", "Europe, 16 channels, 0.5 W, narrow"),
    QT_TRANSLATE_NOOP("t40::ChannelPresets", "USA, 22 channels, low power, narrow"),
    QT_TRANSLATE_NOOP("t40::ChannelPresets", "Australia, 16 simplex channels, narrow"),
    QT_TRANSLATE_NOOP("t40::ChannelPresets", "Europe, 16 of the 69 channels, 10 mW"),
    QT_TRANSLATE_NOOP("t40::ChannelPresets", "USA, 5 VHF channels, 2 W"),
};

std::optional<Power> PowerOf(const QString& text)
{
    if (text == QLatin1String("low"))
        return Power::Low;
    if (text == QLatin1String("middle"))
        return Power::Middle;
    if (text == QLatin1String("high"))
        return Power::High;
    return std::nullopt;
}

std::optional<Spacing> SpacingOf(const QString& text)
{
    if (text == QLatin1String("narrow"))
        return Spacing::Narrow;
    if (text == QLatin1String("wide"))
        return Spacing::Wide;
    return std::nullopt;
}

// Reads the file's values; the first fault is kept in error_.
class PresetReader {
public:
    std::optional<ChannelPreset> read(const QJsonObject& root)
    {
        ChannelPreset p;
        p.name = root.value(QLatin1String("name")).toString().trimmed();
        p.description = root.value(QLatin1String("description")).toString();
        const QString localPrefix = QStringLiteral("description_");
        for (auto key = root.constBegin(); key != root.constEnd(); ++key)
            if (key.key().startsWith(localPrefix) && key.value().isString())
                p.descriptions.insert(key.key().mid(localPrefix.size()), key.value().toString());
        if (p.name.isEmpty())
            fail(QStringLiteral("it has no name"));
        const QString band = root.value(QLatin1String("band")).toString();
        if (band == QLatin1String("UHF") || band == QLatin1String("VHF"))
            p.band = band == QLatin1String("UHF") ? BandFamily::UHF : BandFamily::VHF;
        else
            fail(QStringLiteral("band must be UHF or VHF"));
        Channel defaults;
        defaults.power = power(root, Power::Low);
        defaults.spacing = spacing(root, Spacing::Narrow);
        defaults.scanAdd = true;
        const QJsonArray channels = root.value(QLatin1String("channels")).toArray();
        if (channels.isEmpty())
            fail(QStringLiteral("it has no channels"));
        for (const QJsonValue& v : channels)
            p.channels.push_back(channel(v.toObject(), defaults));
        for (const QJsonValue& v : root.value(QLatin1String("rules")).toArray())
            p.rules.push_back(rule(v.toObject()));
        if (!error_.isEmpty())
            return std::nullopt;
        return p;
    }
    QString error() const { return error_; }

private:
    void fail(const QString& text)
    {
        if (error_.isEmpty())
            error_ = text;
    }

    std::optional<Frequency> frequency(const QJsonValue& v)
    {
        const QString text = v.toString();
        const auto f = ParseFrequency(text, QStringLiteral("."));
        if (!f || FrequencyText(*f, QStringLiteral(".")) != CompleteText(text))
            fail(QStringLiteral("'%1' is not a frequency in MHz with at most five decimals").arg(text));
        return f;
    }

    static QString CompleteText(QString text)
    {
        if (!text.contains(QLatin1Char('.')))
            text += QLatin1Char('.');
        const qsizetype decimals = text.size() - text.indexOf(QLatin1Char('.')) - 1;
        return decimals <= 5 ? text + QString(5 - decimals, QLatin1Char('0')) : text;
    }

    Power power(const QJsonObject& o, Power fallback, const char* key = "power")
    {
        if (!o.contains(QLatin1String(key)))
            return fallback;
        const auto p = PowerOf(o.value(QLatin1String(key)).toString());
        if (!p)
            fail(QStringLiteral("%1 must be low, middle or high").arg(QLatin1String(key)));
        return p.value_or(fallback);
    }

    Spacing spacing(const QJsonObject& o, Spacing fallback)
    {
        if (!o.contains(QLatin1String("spacing")))
            return fallback;
        const auto s = SpacingOf(o.value(QLatin1String("spacing")).toString());
        if (!s)
            fail(QStringLiteral("spacing must be narrow or wide"));
        return s.value_or(fallback);
    }

    SignallingCode code(const QJsonObject& o, const char* key)
    {
        const QString text = o.value(QLatin1String(key)).toString();
        if (text.isEmpty())
            return SignallingCode::none();
        QString stored;
        const SignallingCode c = SignallingCode::fromTyped(text, QStringLiteral("."), &stored);
        if (c.kind == SignallingCode::Kind::None || stored.compare(text, Qt::CaseInsensitive) != 0)
            fail(QStringLiteral("%1 '%2' is not a code the radio stores as written").arg(QLatin1String(key), text));
        return c;
    }

    Channel channel(const QJsonObject& o, const Channel& defaults)
    {
        Channel ch = defaults;
        ch.receive = frequency(o.value(QLatin1String("rx")));
        const QJsonValue tx = o.value(QLatin1String("tx"));
        if (tx.isUndefined())
            ch.transmit = ch.receive;
        else if (tx.toString() == QLatin1String("none"))
            ch.transmit.reset();
        else
            ch.transmit = frequency(tx);
        ch.power = power(o, defaults.power);
        ch.spacing = spacing(o, defaults.spacing);
        ch.decode = code(o, "decode");
        ch.encode = ch.transmit ? code(o, "encode") : SignallingCode::none();
        return ch;
    }

    ServiceRule rule(const QJsonObject& o)
    {
        ServiceRule r;
        for (const QJsonValue& v : o.value(QLatin1String("frequencies")).toArray())
            if (const auto f = frequency(v))
                r.frequencies.push_back(*f);
        if (r.frequencies.empty())
            fail(QStringLiteral("a rule has no frequencies"));
        std::sort(r.frequencies.begin(), r.frequencies.end());
        r.maxPower = power(o, Power::High, "maxPower");
        r.narrowRequired = o.value(QLatin1String("spacing")).toString() == QLatin1String("narrow");
        r.transmitAllowed = o.value(QLatin1String("transmit")).toBool(true);
        return r;
    }

    QString error_;
};

QString Simplified(const QString& name)
{
    QString s = name.toUpper();
    s.remove(QLatin1Char(' '));
    return s;
}

QString FrequencyList(const std::vector<Frequency>& list)
{
    QStringList texts;
    for (Frequency f : list)
        texts << FrequencyText(f, QStringLiteral("."));
    return texts.join(QStringLiteral(", "));
}

bool InBand(const Channel& ch, const BandState& band)
{
    const auto inside = [](Frequency f, int low, int high) {
        return f >= low * FrequencyUnitsPerMHz && f <= high * FrequencyUnitsPerMHz;
    };
    return inside(*ch.receive, band.lowMHz, band.highMHz)
        && (!ch.transmit || inside(*ch.transmit, band.lowMHz, band.effectiveHighMHz));
}

// Writes the plan's channels into the given channels, as far as they go.
PresetPlacement Place(RadioDocument& document, const ChannelPreset& preset, const QList<int>& targets)
{
    PresetPlacement placement;
    qsizetype next = 0;
    for (const Channel& ch : preset.channels) {
        if (!InBand(ch, document.band()))
            placement.outOfBand.push_back(*ch.receive);
        else if (next >= targets.size())
            placement.noRoom.push_back(*ch.receive);
        else {
            const int c = targets.at(next++);
            document.setChannel(c, ch);
            placement.filled << c;
        }
    }
    return placement;
}
} // namespace

QString ChannelPreset::title(const QString& language) const
{
    if (const auto own = descriptions.constFind(language); own != descriptions.cend() && !own->isEmpty())
        return QStringLiteral("%1 (%2)").arg(name, *own);
    if (description.isEmpty())
        return name;
    return QStringLiteral("%1 (%2)").arg(name, QCoreApplication::translate(Context, description.toUtf8().constData()));
}

const ServiceRule* ChannelPreset::ruleFor(Frequency f) const
{
    for (const ServiceRule& r : rules)
        if (std::binary_search(r.frequencies.begin(), r.frequencies.end(), f))
            return &r;
    return nullptr;
}

std::optional<ChannelPreset> ParsePreset(const QByteArray& json, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (!doc.isObject()) {
        if (error)
            *error = doc.isNull() ? parseError.errorString() : QStringLiteral("it is not a JSON object");
        return std::nullopt;
    }
    PresetReader reader;
    auto preset = reader.read(doc.object());
    if (error)
        *error = reader.error();
    return preset;
}

const std::vector<ChannelPreset>& ShippedPresets(QStringList* problems)
{
    static QStringList faults;
    static const std::vector<ChannelPreset> presets = [] {
        std::vector<ChannelPreset> list;
        const QDir dir(QStringLiteral(":/presets"));
        for (const QString& file : dir.entryList({ QStringLiteral("*.json") }, QDir::Files, QDir::Name)) {
            QFile f(dir.filePath(file));
            QString error = QStringLiteral("it cannot be read");
            std::optional<ChannelPreset> p;
            if (f.open(QIODevice::ReadOnly))
                p = ParsePreset(f.readAll(), &error);
            if (p)
                list.push_back(std::move(*p));
            else
                faults << QStringLiteral("%1: %2").arg(file, error);
        }
        std::sort(list.begin(), list.end(), [](const ChannelPreset& a, const ChannelPreset& b) { return a.name < b.name; });
        return list;
    }();
    if (problems)
        *problems = faults;
    return presets;
}

const ChannelPreset* FindPreset(const QString& name)
{
    for (const ChannelPreset& p : ShippedPresets())
        if (Simplified(p.name) == Simplified(name))
            return &p;
    return nullptr;
}

QString BandFamilyName(BandFamily band)
{
    return band == BandFamily::UHF ? QStringLiteral("UHF") : QStringLiteral("VHF");
}

QString PresetPlacement::summary(const QString& presetName) const
{
    QStringList channels;
    for (int c : filled)
        channels << QString::number(c);
    QString text = filled.isEmpty()
        ? QCoreApplication::translate("t40::ChannelPresets", "No channel of %1 was inserted.").arg(presetName)
        : QCoreApplication::translate("t40::ChannelPresets", "%1 channels of %2 are in channels %3.").arg(filled.size()).arg(presetName, channels.join(QStringLiteral(", ")));
    if (!outOfBand.empty())
        text += QLatin1Char(' ') + QCoreApplication::translate("t40::ChannelPresets", "Outside the radio's band, left out: %1 MHz.").arg(FrequencyList(outOfBand));
    if (!noRoom.empty())
        text += QLatin1Char(' ') + QCoreApplication::translate("t40::ChannelPresets", "No channel left for: %1 MHz.").arg(FrequencyList(noRoom));
    return text;
}

PresetPlacement InsertPresetChannels(RadioDocument& document, const ChannelPreset& preset, const QList<int>& targets)
{
    QList<int> channels;
    if (targets.size() > 1) {
        for (int c : targets)
            if (c >= 1 && c <= ChannelCount)
                channels << c;
    } else {
        for (int c = 1; c <= ChannelCount; ++c)
            if (!document.channel(c).present())
                channels << c;
    }
    const RadioDocument::Step step(document, StepNames::InsertPreset());
    return Place(document, preset, channels);
}

PresetPlacement NewDocumentFromPreset(RadioDocument& document, const RadioImage& templateImage, const ChannelPreset& preset)
{
    const RadioDocument::Unrecorded fresh(document);
    document.replaceImage(templateImage, true);
    const ModelBytes model = preset.band == BandFamily::VHF ? ModelBytesForBand(136, 174) : ModelBytesForBand(400, 520);
    document.setValue(FieldId::ModelFamily, model.family);
    document.setValue(FieldId::ModelBandCode, model.code);
    document.analyseBand();
    QList<int> all;
    for (int c = 1; c <= ChannelCount; ++c) {
        document.setChannel(c, Channel {});
        all << c;
    }
    PresetPlacement placement = Place(document, preset, all);
    document.setModified(true);
    return placement;
}

} // namespace t40
