#include "image_report.h"

#include "band_table.h"
#include "channel_codec.h"
#include "memory_map.h"

#include <QStringList>

namespace t40 {

namespace {
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
    static const char* Powers[] = { "Low", "Middle", "High" };
    static const char* BusyLocks[] = { "None", "Carrier", "QT/DQT" };
    const QString point = QStringLiteral(".");
    const QString none = QStringLiteral("None");
    for (int c = 1; c <= ChannelCount; ++c) {
        const ChannelView ch = DecodeChannel(image, c, point, none);
        if (!ch.present) {
            out << QStringLiteral("%1  (empty)").arg(c, 2);
            continue;
        }
        out << QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8  %9")
                   .arg(c, 2)
                   .arg(ch.receiveText, -9)
                   .arg(ch.transmitPresent ? ch.transmitText : QStringLiteral("-"), -9)
                   .arg(ch.decode.text, -6)
                   .arg(ch.encode.text, -6)
                   .arg(QLatin1String(Powers[PowerPosition(ch.powerBits)]), -6)
                   .arg(ch.spacingBit ? QStringLiteral("25K") : QStringLiteral("12.5K"), -7)
                   .arg(QLatin1String(BusyLocks[BusyLockPosition(ch.busyLockBits)]), -9)
                   .arg(ch.scanAdd ? QStringLiteral("Add") : QStringLiteral("Delete"));
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
