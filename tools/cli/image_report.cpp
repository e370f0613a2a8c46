#include "image_report.h"

#include "band_table.h"
#include "memory_map.h"

#include <QStringList>

namespace t40 {

namespace {
// MHz with five decimals, or empty when the four BCD bytes hold no frequency in 50..520 MHz.
QString FrequencyText(const RadioImage& image, int at)
{
    long long value = 0;
    for (int i = 3; i >= 0; --i) {
        const int b = image.byte(at + i);
        if ((b >> 4) > 9 || (b & 0x0F) > 9)
            return QString();
        value = value * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    if (value < 5000000LL || value > 52000000LL)
        return QString();
    return QStringLiteral("%1.%2").arg(value / 100000).arg(value % 100000, 5, 10, QLatin1Char('0'));
}

QString CodeText(const RadioImage& image, int at)
{
    const int low = image.byte(at);
    const int high = image.byte(at + 1);
    if (low == 0xFF && high == 0xFF)
        return QStringLiteral("None");
    if (high & 0x20) {
        const int v = low + 256 * (high & 1);
        return QStringLiteral("D%1%2").arg(v, 3, 8, QLatin1Char('0')).arg((high & 0x80) ? 'I' : 'N');
    }
    const int tenths = 256 * (high & 0x0F) + low;
    if (tenths > 2543)
        return QStringLiteral("None");
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

QString OnOff(bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); }
} // namespace

QString ImageReport(const RadioImage& image)
{
    using namespace MemoryMap;
    QStringList out;
    BandState band;
    AnalyseModelBlock(image, band);
    out << QStringLiteral("Band: %1 %2-%3 MHz").arg(band.name).arg(band.lowMHz).arg(band.highMHz);
    out << QString();
    out << QStringLiteral("Ch  Rx MHz     Tx MHz     Decode  Encode  Power   Spacing  Busy lock  Scan");
    static const char* Powers[] = { "Low", "Middle", "High", "High" };
    static const char* BusyLocks[] = { "None", "Carrier", "QT/DQT", "None" };
    for (int c = 1; c <= ChannelCount; ++c) {
        const int at = ChannelTable + ChannelRecordSize * (c - 1);
        const QString rx = FrequencyText(image, at);
        if (rx.isEmpty()) {
            out << QStringLiteral("%1  (empty)").arg(c, 2);
            continue;
        }
        const QString tx = FrequencyText(image, at + 4);
        const int flags = image.byte(at + 12);
        const bool scan = image.byte(ScanAddBitmap + (c - 1) / 8) & (1 << ((c - 1) % 8));
        out << QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8  %9")
                   .arg(c, 2)
                   .arg(rx, -9)
                   .arg(tx.isEmpty() ? QStringLiteral("-") : tx, -9)
                   .arg(CodeText(image, at + 8), -6)
                   .arg(CodeText(image, at + 10), -6)
                   .arg(QLatin1String(Powers[(flags >> 6) & 3]), -6)
                   .arg((flags & 0x08) ? QStringLiteral("25K") : QStringLiteral("12.5K"), -7)
                   .arg(QLatin1String(BusyLocks[(flags >> 4) & 3]), -9)
                   .arg(scan ? QStringLiteral("Add") : QStringLiteral("Delete"));
    }
    out << QString();
    const int tot = image.byte(TimeOutTimer);
    out << QStringLiteral("Time-out timer: %1").arg(tot >= 1 && tot <= 40 ? QStringLiteral("%1 s").arg(15 * tot) : QStringLiteral("invalid (%1)").arg(tot));
    const int pre = image.byte(TotPreAlert);
    out << QStringLiteral("TOT warning: %1").arg(pre == 0 ? QStringLiteral("off") : pre <= 10 ? QStringLiteral("%1 s").arg(pre) : QStringLiteral("invalid (%1)").arg(pre));
    const int sq = image.byte(SquelchLevel);
    out << QStringLiteral("Squelch level: %1").arg(sq <= 9 ? QString::number(sq) : QStringLiteral("invalid (%1)").arg(sq));
    static const char* Voices[] = { "off", "Chinese", "English" };
    const int voice = image.byte(VoicePrompt);
    out << QStringLiteral("Voice prompt: %1").arg(voice <= 2 ? QString::fromLatin1(Voices[voice]) : QStringLiteral("invalid (%1)").arg(voice));
    const int voxLevel = image.byte(VoxLevel);
    out << QStringLiteral("VOX: %1, level %2").arg(OnOff(image.byte(VoxSwitch) == 1),
                                                   voxLevel == 0 ? QStringLiteral("off") : QString::number(voxLevel));
    out << QStringLiteral("Battery save: %1").arg(OnOff(image.byte(BatterySave) != 0));
    out << QStringLiteral("Roger tone: %1").arg(OnOff(image.byte(RogerTone) == 1));
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace t40
