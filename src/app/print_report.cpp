#include "print_report.h"

#include "page_settings.h"
#include "radio_document.h"
#include "shared_state.h"
#include "value_texts.h"

#include <QCoreApplication>
#include <QBuffer>

#include <algorithm>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QTextDocument>

namespace t40 {

// The report speaks the interface language.
struct ReportText {
    Q_DECLARE_TR_FUNCTIONS(t40::ReportText)
};

namespace {
bool IsLatin(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x250; });
}

// Values keep to one line; Latin headings wrap between words only, Chinese
// headings (short) not at all.
QString Cell(const QString& text, const char* tag = "td")
{
    QString escaped = text.toHtmlEscaped();
    if (qstrcmp(tag, "th") == 0 && IsLatin(text))
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

QString ChannelSection(const RadioDocument& document)
{
    const QString sep = State().DecimalSeparator;
    QList<QStringList> rows;
    for (int c = 1; c <= ChannelCount; ++c) {
        const Channel ch = document.channel(c);
        QStringList row { QString::number(c) };
        for (const ChannelFieldSpec& f : ChannelFieldTable)
            row << (!ch.present() || (f.id == ChannelFieldId::Encode && !ch.transmit) ? QString() : ChannelValueText(f.id, ch, sep));
        rows << row;
    }
    QStringList head { ChannelColumnName() };
    for (const ChannelFieldSpec& f : ChannelFieldTable)
        head << ChannelFieldName(f.id);
    return Table(ReportText::tr("Channel Information"), head, rows);
}

QString OptionSection(const RadioDocument& document)
{
    QList<QStringList> rows;
    for (FieldId id : OptionFields())
        rows << QStringList { FieldName(id), ValueText(id, ShownOptionValue(document, id), State().DecimalSeparator) };
    return Table(ReportText::tr("Function Setup"), {}, rows);
}

QString KeySection(const RadioDocument& document)
{
    static const char* const keyNames[] = { "PF1", "PF2", "PF1_Long", "PF2_Long" };
    QList<QStringList> rows;
    for (int k = 0; k < KeyCount; ++k)
        rows << QStringList { QString::fromLatin1(keyNames[k]), ValueName(Values::KeyFunction, KeyFunctionCode(document, k)) };
    return Table(ReportText::tr("Key Setting"), {}, rows);
}

QString MessageSection(const RadioDocument& document)
{
    const MessageLines lines = ReadMessageLines(document);
    if (lines[0].trimmed().isEmpty() && lines[1].trimmed().isEmpty())
        return QString();
    return Table(ReportText::tr("Embedded Message"), {}, { { QStringLiteral("1"), lines[0] }, { QStringLiteral("2"), lines[1] } });
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
    QStringList lines { ReportText::tr("File") + QStringLiteral(": ") + header.fileName,
                        ReportText::tr("Band") + QStringLiteral(": ") + header.band,
                        ReportText::tr("Date") + QStringLiteral(": ") + header.date.toString(Qt::ISODate) };
    if (!header.customer.trimmed().isEmpty())
        lines << ReportText::tr("Customer") + QStringLiteral(": ") + header.customer.trimmed();
    if (!header.note.trimmed().isEmpty())
        lines << ReportText::tr("Note") + QStringLiteral(": ") + header.note.trimmed();
    for (QString& line : lines)
        line = line.toHtmlEscaped();
    QString html = QStringLiteral("<html><body><h1>%1</h1><p>%2</p>")
                       .arg(ReportText::tr("T40 Radio Configuration").toHtmlEscaped(),
                            lines.join(QStringLiteral("<br>")));
    if (sections.channels)
        html += ChannelSection(document);
    if (sections.options)
        html += OptionSection(document);
    if (sections.keys)
        html += KeySection(document);
    if (sections.message)
        html += MessageSection(document);
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
