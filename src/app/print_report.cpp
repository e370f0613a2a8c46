#include "print_report.h"

#include "channel_codec.h"
#include "list_fillers.h"
#include "radio_document.h"
#include "radio_functions.h"
#include "shared_state.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QTextDocument>

namespace t40 {

namespace {
// Values keep to one line; headings wrap between words only.
QString Cell(const QString& text, const char* tag = "td")
{
    QString escaped = text.toHtmlEscaped();
    if (qstrcmp(tag, "th") == 0)
        escaped.replace(u'/', QStringLiteral("/ ")).replace(u' ', QStringLiteral("<br>"));
    return QStringLiteral("<%1 style=\"white-space:nowrap\">%2</%1>").arg(QLatin1String(tag), escaped);
}

QString Row(const QStringList& cells, const char* tag = "td")
{
    QString row = QStringLiteral("<tr>");
    for (const QString& c : cells)
        row += Cell(c, tag);
    return row + QStringLiteral("</tr>");
}

// A table with a heading row spans the page; a list of settings only its texts.
QString Table(const QString& title, const QStringList& head, const QList<QStringList>& rows)
{
    QString html = QStringLiteral("<h2>%1</h2><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"%2>")
                       .arg(title.toHtmlEscaped(), head.isEmpty() ? QString() : QStringLiteral(" width=\"100%\""));
    if (!head.isEmpty())
        html += Row(head, "th");
    for (const QStringList& r : rows)
        html += Row(r);
    return html + QStringLiteral("</table>");
}

QString ChannelSection(const RadioImage& memory)
{
    const QString sep = State().DecimalSeparator;
    const QStringList powers = PowerTexts(), scans = ScanAddTexts(), spacings = SpacingTexts(), locks = BusyLockTexts();
    QList<QStringList> rows;
    for (int c = 1; c <= ChannelsPerGroup; ++c) {
        const ChannelView ch = DecodeChannel(memory, c, sep, QCoreApplication::translate("t40::PrintReport", "None"));
        if (!ch.present) {
            rows << QStringList { QString::number(c), QString(), QString(), QString(), QString(), QString(), QString(), QString(), QString() };
            continue;
        }
        rows << QStringList { QString::number(c), ch.receiveText, ch.transmitPresent ? ch.transmitText : QString(),
                              ch.decode.text, ch.transmitPresent ? ch.encode.text : QString(),
                              powers.at(PowerPosition(ch.powerBits)), scans.at(ch.scanAdd ? 0 : 1),
                              spacings.at(ch.spacingBit), locks.at(BusyLockPosition(ch.busyLockBits)) };
    }
    return Table(QCoreApplication::translate("t40::PrintReport", "Channel Information"),
                 { QCoreApplication::translate("t40::PrintReport", "CH"), QCoreApplication::translate("t40::PrintReport", "Rx Frequency"), QCoreApplication::translate("t40::PrintReport", "Tx Frequency"),
                   QCoreApplication::translate("t40::PrintReport", "CTCSS/DCS Decode"), QCoreApplication::translate("t40::PrintReport", "CTCSS/DCS Encode"), QCoreApplication::translate("t40::PrintReport", "Tx Power"),
                   QCoreApplication::translate("t40::PrintReport", "Scan Add"), QCoreApplication::translate("t40::PrintReport", "Channel Spacing"), QCoreApplication::translate("t40::PrintReport", "Busy Lock") },
                 rows);
}

QString OptionSection(const RadioImage& memory)
{
    RadioImage copy = memory; // the decode repairs bytes out of range; the report shows what it would
    const OptionSettings s = DecodeOptions(copy);
    const QString off = QCoreApplication::translate("t40::PrintReport", "Off");
    const QString on = QCoreApplication::translate("t40::PrintReport", "On");
    const QStringList voices { off, QCoreApplication::translate("t40::PrintReport", "Chinese"), QCoreApplication::translate("t40::PrintReport", "English") };
    const QList<QStringList> rows {
        { QCoreApplication::translate("t40::PrintReport", "Time Out Timer(TOT)[s]"), QString::number(15 * (s.totIndex + 1)) },
        { QCoreApplication::translate("t40::PrintReport", "TOT Warning Time[s]"), s.totWarningIndex == 0 ? off : QString::number(s.totWarningIndex) },
        { QCoreApplication::translate("t40::PrintReport", "Squelch Level"), QString::number(s.squelchIndex) },
        { QCoreApplication::translate("t40::PrintReport", "Voice Prompt"), voices.value(s.voiceIndex) },
        { QCoreApplication::translate("t40::PrintReport", "VOX Function"), s.vox ? on : off },
        { QCoreApplication::translate("t40::PrintReport", "VOX Level"), s.voxLevelIndex == 0 ? off : QString::number(s.voxLevelIndex) },
        { QCoreApplication::translate("t40::PrintReport", "Battery Save"), s.batterySave ? on : off },
        { QCoreApplication::translate("t40::PrintReport", "Roger"), s.roger ? on : off },
    };
    return Table(QCoreApplication::translate("t40::PrintReport", "Optional Features"), {}, rows);
}

QString KeySection(const RadioImage& memory)
{
    static const char* const keyNames[] = { "PF1", "PF2", "PF1_Long", "PF2_Long" };
    const QStringList functions { QCoreApplication::translate("t40::PrintReport", "None"), QCoreApplication::translate("t40::PrintReport", "Scan"), QCoreApplication::translate("t40::PrintReport", "Monitor"),
                                  QCoreApplication::translate("t40::PrintReport", "Alarm"), QStringLiteral("1750"), QCoreApplication::translate("t40::PrintReport", "Power") };
    QList<QStringList> rows;
    for (int k = 0; k < KeyCount; ++k)
        rows << QStringList { QString::fromLatin1(keyNames[k]), functions.value(KeyPositionOfCode(KeyCode(memory, k))) };
    return Table(QCoreApplication::translate("t40::PrintReport", "Key Assignment"), {}, rows);
}

QString MessageSection(const RadioImage& memory)
{
    const auto lines = DecodeEmbeddedMessage(memory);
    return Table(QCoreApplication::translate("t40::PrintReport", "Embedded Message"), {}, { { QStringLiteral("1"), lines[0] }, { QStringLiteral("2"), lines[1] } });
}

QTextDocument* Layout(const QString& html, QObject* parent)
{
    auto* doc = new QTextDocument(parent);
    QFont font = doc->defaultFont();
    font.setPointSize(9);
    doc->setDefaultFont(font);
    doc->setHtml(html);
    // No page size of its own: print() then lays it out on the device's page
    // at the screen's scale, so that point sizes print as points.
    return doc;
}
} // namespace

QString ReportHtml(const RadioDocument& document, const ReportSections& sections, const ReportHeader& header)
{
    const RadioImage& memory = document.memory();
    QString html = QStringLiteral("<html><body><h1>%1</h1><p>%2: %3<br>%4: %5<br>%6: %7</p>")
                       .arg(QCoreApplication::translate("t40::PrintReport", "T40 Radio Configuration").toHtmlEscaped(),
                            QCoreApplication::translate("t40::PrintReport", "File").toHtmlEscaped(), header.fileName.toHtmlEscaped(),
                            QCoreApplication::translate("t40::PrintReport", "Band").toHtmlEscaped(), header.band.toHtmlEscaped(),
                            QCoreApplication::translate("t40::PrintReport", "Date").toHtmlEscaped(), header.date.toString(Qt::ISODate));
    if (sections.channels)
        html += ChannelSection(memory);
    if (sections.options)
        html += OptionSection(memory);
    if (sections.keys)
        html += KeySection(memory);
    if (sections.message)
        html += MessageSection(memory);
    return html + QStringLiteral("</body></html>");
}

void PrintReport(const QString& html, QPagedPaintDevice* device)
{
    QObject owner;
    Layout(html, &owner)->print(device);
}

QPageSize::PageSizeId LocalPaperSize()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

QByteArray ReportPdf(const QString& html, QPageSize::PageSizeId pageSize)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(pageSize));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(QStringLiteral("T40"));
        PrintReport(html, &writer);
    }
    return buffer.data();
}

} // namespace t40
