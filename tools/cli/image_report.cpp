#include "image_report.h"

#include "channel_codec.h"
#include "radio_document.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <functional>

namespace t40 {

namespace {
QString Invalid(int v) { return QStringLiteral("invalid (%1)").arg(v); }

struct ChannelRow {
    int number;
    bool present;
    QString receive, transmit, decode, encode, power, spacing, busyLock, scan;
};

struct Setting {
    const char* key; // JSON name
    const char* label;
    QString value;
};

ChannelRow Row(const RadioImage& image, int c)
{
    static const char* Powers[] = { "Low", "Middle", "High" };
    static const char* BusyLocks[] = { "None", "Carrier", "QT/DQT" };
    const ChannelView ch = DecodeChannel(image, c, QStringLiteral("."), QStringLiteral("None"));
    if (!ch.present)
        return { c, false, {}, {}, {}, {}, {}, {}, {}, {} };
    return { c, true, ch.receiveText, ch.transmitPresent ? ch.transmitText : QString(), ch.decode.text, ch.encode.text,
             QLatin1String(Powers[PowerPosition(ch.powerBits)]),
             ch.spacingBit ? QStringLiteral("25K") : QStringLiteral("12.5K"),
             QLatin1String(BusyLocks[BusyLockPosition(ch.busyLockBits)]),
             ch.scanAdd ? QStringLiteral("Add") : QStringLiteral("Delete") };
}

// A field's stored value through the field table; one outside its range is
// shown as the value the program would repair.
QString Shown(const RadioDocument& d, FieldId id, const std::function<QString(int)>& text)
{
    const int v = d.value(id);
    return d.valueInRange(id) ? text(v) : Invalid(v);
}

QString OffOr(int v, const QString& text) { return v == 0 ? QStringLiteral("off") : text; }
QString OnOff(const RadioDocument& d, FieldId id)
{
    return Shown(d, id, [](int v) { return OffOr(v, QStringLiteral("on")); });
}

QList<Setting> Settings(const RadioImage& image)
{
    RadioDocument d;
    d.replaceImage(image, false);
    static const char* Voices[] = { "off", "Chinese", "English" };
    const auto seconds = [](int s) { return QStringLiteral("%1 s").arg(s); };
    const auto number = [](int v) { return QString::number(v); };
    return {
        { "timeOutTimer", "Time-out timer", Shown(d, FieldId::TimeOutTimer, [&](int v) { return seconds(15 * v); }) },
        { "totWarning", "TOT warning", Shown(d, FieldId::TotPreAlert, [&](int v) { return OffOr(v, seconds(v)); }) },
        { "squelchLevel", "Squelch level", Shown(d, FieldId::SquelchLevel, number) },
        { "voicePrompt", "Voice prompt", Shown(d, FieldId::VoicePrompt, [](int v) { return QString::fromLatin1(Voices[v]); }) },
        { "vox", "VOX", QStringLiteral("%1, level %2").arg(OnOff(d, FieldId::VoxSwitch),
                                                          Shown(d, FieldId::VoxLevel, [&](int v) { return OffOr(v, number(v)); })) },
        { "batterySave", "Battery save", OnOff(d, FieldId::BatterySave) },
        { "rogerTone", "Roger tone", OnOff(d, FieldId::RogerTone) },
    };
}

BandState Band(const RadioImage& image)
{
    RadioDocument d;
    d.replaceImage(image, false);
    d.analyseBand();
    return d.band();
}
} // namespace

QString ImageReport(const RadioImage& image)
{
    QStringList out;
    const BandState band = Band(image);
    out << QStringLiteral("Band: %1 %2-%3 MHz").arg(band.name).arg(band.lowMHz).arg(band.highMHz);
    out << QString();
    out << QStringLiteral("Ch  Rx MHz     Tx MHz     Decode  Encode  Power   Spacing  Busy lock  Scan");
    for (int c = 1; c <= ChannelsPerGroup; ++c) {
        const ChannelRow r = Row(image, c);
        if (!r.present) {
            out << QStringLiteral("%1  (empty)").arg(c, 2);
            continue;
        }
        out << QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8  %9")
                   .arg(c, 2)
                   .arg(r.receive, -9)
                   .arg(r.transmit.isEmpty() ? QStringLiteral("-") : r.transmit, -9)
                   .arg(r.decode, -6)
                   .arg(r.encode, -6)
                   .arg(r.power, -6)
                   .arg(r.spacing, -7)
                   .arg(r.busyLock, -9)
                   .arg(r.scan);
    }
    out << QString();
    for (const Setting& s : Settings(image))
        out << QStringLiteral("%1: %2").arg(QLatin1String(s.label), s.value);
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString ImageReportCsv(const RadioImage& image)
{
    QStringList out { QStringLiteral("Channel,Receive MHz,Transmit MHz,Decode,Encode,Power,Spacing,Busy lock,Scan") };
    for (int c = 1; c <= ChannelsPerGroup; ++c) {
        const ChannelRow r = Row(image, c);
        out << QStringList { QString::number(c), r.receive, r.transmit, r.decode, r.encode, r.power, r.spacing, r.busyLock, r.scan }
                   .join(QLatin1Char(','));
    }
    return out.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

QString ImageReportJson(const RadioImage& image)
{
    const BandState band = Band(image);
    QJsonArray channels;
    for (int c = 1; c <= ChannelsPerGroup; ++c) {
        const ChannelRow r = Row(image, c);
        QJsonObject o { { QStringLiteral("channel"), c }, { QStringLiteral("empty"), !r.present } };
        if (r.present) {
            o.insert(QStringLiteral("receiveMHz"), r.receive);
            o.insert(QStringLiteral("transmitMHz"), r.transmit.isEmpty() ? QJsonValue() : QJsonValue(r.transmit));
            o.insert(QStringLiteral("decode"), r.decode);
            o.insert(QStringLiteral("encode"), r.encode);
            o.insert(QStringLiteral("power"), r.power);
            o.insert(QStringLiteral("spacing"), r.spacing);
            o.insert(QStringLiteral("busyLock"), r.busyLock);
            o.insert(QStringLiteral("scan"), r.scan);
        }
        channels.append(o);
    }
    QJsonObject settings;
    for (const Setting& s : Settings(image))
        settings.insert(QLatin1String(s.key), s.value);
    const QJsonObject root {
        { QStringLiteral("band"), QJsonObject { { QStringLiteral("name"), band.name },
                                                { QStringLiteral("lowMHz"), band.lowMHz },
                                                { QStringLiteral("highMHz"), band.highMHz } } },
        { QStringLiteral("channels"), channels },
        { QStringLiteral("settings"), settings },
    };
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

} // namespace t40
