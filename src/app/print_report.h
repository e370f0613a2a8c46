#pragma once

#include <QDate>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

namespace t40 {

class RadioDocument;

struct ReportSections {
    bool options = false;
    bool keys = false;
    bool message = false;
    bool channels = false;
};

struct ReportHeader {
    QString fileName;
    QString band; // "UHF 400-520MHz"
    QDate date;
    // Typed in the print dialog; a line is left out while empty.
    QString customer;
    QString note;
};

// The printed report of an image in the interface language, as HTML: a
// header, then the selected sections under the names of their pages. The
// embedded message, whose page is hidden on this model, is printed only
// when it holds text.
QString ReportHtml(const RadioDocument& document, const ReportSections& sections, const ReportHeader& header);

// Lays the report out for the device's page and prints it there.
void PrintReport(const QString& html, QPagedPaintDevice* device);
// The report as PDF bytes on pages of the given size.
QByteArray ReportPdf(const QString& html, QPageSize::PageSizeId pageSize);
// Letter where the locale measures in inches, else A4.
QPageSize::PageSizeId LocalPaperSize();

} // namespace t40
