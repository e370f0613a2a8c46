#include "image_report.h"

#include "radio_document.h"
#include "value_texts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>

namespace t40 {

namespace {
// The columns of every channel, as the grid shows them.
QStringList ChannelTexts(const Channel& ch)
{
    QStringList texts;
    for (const ChannelFieldSpec& f : ChannelFieldTable)
        texts << (ch.present() ? ChannelValueText(f.id, ch) : QString());
    return texts;
}

// A document over the image, for its typed values and band.
class Document : public RadioDocument {
public:
    explicit Document(const RadioImage& image)
    {
        replaceImage(image, false);
        analyseBand();
    }
};
} // namespace

QString ImageReport(const RadioImage& image)
{
    const Document d(image);
    QStringList out;
    const BandState& band = d.band();
    out << QStringLiteral("Band: %1 %2-%3 MHz").arg(band.name).arg(band.lowMHz).arg(band.highMHz);
    out << QString();
    // Each column as wide as its heading or its widest value.
    QList<QStringList> rows;
    QStringList heading { ChannelColumnName() };
    for (const ChannelFieldSpec& f : ChannelFieldTable)
        heading << ChannelFieldName(f.id);
    std::vector<int> width;
    for (const QString& h : heading)
        width.push_back(int(h.size()));
    for (int c = 1; c <= ChannelCount; ++c) {
        const QStringList texts = ChannelTexts(d.channel(c));
        for (int i = 0; i < texts.size(); ++i)
            width[std::size_t(i + 1)] = std::max(width[std::size_t(i + 1)], int(texts[i].size()));
        rows << texts;
    }
    const auto line = [&](const QStringList& cells) {
        QString l;
        for (int i = 0; i < cells.size(); ++i)
            l += (i ? QStringLiteral("  ") : QString()) + cells[i].leftJustified(i + 1 < cells.size() ? width[std::size_t(i)] : 0);
        return l;
    };
    out << line(heading);
    for (int c = 1; c <= ChannelCount; ++c) {
        const QString number = QStringLiteral("%1").arg(c, 2);
        out << (d.channel(c).present() ? line(QStringList { number } + rows[c - 1]) : number + QStringLiteral("  (empty)"));
    }
    out << QString();
    for (FieldId id : OptionFields())
        out << QStringLiteral("%1: %2").arg(FieldName(id), ValueText(id, d.value(id)));
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString ImageReportCsv(const RadioImage& image)
{
    const Document d(image);
    QStringList heading { ChannelColumnName() };
    for (const ChannelFieldSpec& f : ChannelFieldTable)
        heading << ChannelFieldName(f.id);
    QStringList out { heading.join(QLatin1Char(',')) };
    for (int c = 1; c <= ChannelCount; ++c)
        out << (QStringList { QString::number(c) } + ChannelTexts(d.channel(c))).join(QLatin1Char(','));
    return out.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

QString ImageReportJson(const RadioImage& image)
{
    const Document d(image);
    QJsonArray channels;
    for (int c = 1; c <= ChannelCount; ++c) {
        const Channel ch = d.channel(c);
        QJsonObject o { { QStringLiteral("channel"), c }, { QStringLiteral("empty"), !ch.present() } };
        if (ch.present())
            for (const ChannelFieldSpec& f : ChannelFieldTable) {
                const QString text = ChannelValueText(f.id, ch);
                o.insert(QLatin1String(f.key), text.isEmpty() ? QJsonValue() : QJsonValue(text));
            }
        channels.append(o);
    }
    QJsonObject settings;
    for (FieldId id : OptionFields())
        settings.insert(QLatin1String(Field(id).key), ValueText(id, d.value(id)));
    const BandState& band = d.band();
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
