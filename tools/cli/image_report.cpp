#include "image_report.h"

#include "band_table.h"
#include "channel_codec.h"
#include "memory_map.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace t40 {

namespace {
QString Invalid(int v) { return QStringLiteral("invalid (%1)").arg(v); }
// 0 off, 1 on; anything else is a value the program would repair.
QString OnOff(int v) { return v == 0 ? QStringLiteral("off") : v == 1 ? QStringLiteral("on") : Invalid(v); }

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

QList<Setting> Settings(const RadioImage& image)
{
    using namespace MemoryMap;
    const auto invalid = Invalid;
    const int tot = image.byte(TimeOutTimer);
    const int pre = image.byte(TotPreAlert);
    const int sq = image.byte(SquelchLevel);
    static const char* Voices[] = { "off", "Chinese", "English" };
    const int voice = image.byte(VoicePrompt);
    const int voxLevel = image.byte(VoxLevel);
    return {
        { "timeOutTimer", "Time-out timer", tot >= 1 && tot <= 40 ? QStringLiteral("%1 s").arg(15 * tot) : invalid(tot) },
        { "totWarning", "TOT warning", pre == 0 ? QStringLiteral("off") : pre <= 10 ? QStringLiteral("%1 s").arg(pre) : invalid(pre) },
        { "squelchLevel", "Squelch level", sq <= 9 ? QString::number(sq) : invalid(sq) },
        { "voicePrompt", "Voice prompt", voice <= 2 ? QString::fromLatin1(Voices[voice]) : invalid(voice) },
        { "vox", "VOX", QStringLiteral("%1, level %2").arg(OnOff(image.byte(VoxSwitch)),
                                                          voxLevel == 0 ? QStringLiteral("off")
                                                          : voxLevel <= 9 ? QString::number(voxLevel) : invalid(voxLevel)) },
        { "batterySave", "Battery save", OnOff(image.byte(BatterySave)) },
        { "rogerTone", "Roger tone", OnOff(image.byte(RogerTone)) },
    };
}

BandState Band(const RadioImage& image)
{
    BandState band;
    AnalyseModelBlock(image, band);
    return band;
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
