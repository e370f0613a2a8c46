#include "form_print.h"

#include "form_printer_setting.h"
#include "help_topic.h"
#include "prompts.h"
#include "radio_document.h"
#include "safe_file_write.h"
#include "shared_state.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QUrl>
#include <QVBoxLayout>

namespace t40 {

namespace {
// The settings key of the report lines of the open data file.
QString HeaderLinesKey(const QString& line)
{
    const QString file = AppDocument().path().isEmpty() ? AppDocument().title() : AppDocument().path();
    return QStringLiteral("PrintHeader/") + QString::fromLatin1(QUrl::toPercentEncoding(file)) + u'/' + line;
}
} // namespace

FormPrint::FormPrint(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Print List"));

    auto* sections = new QGroupBox(this);
    CheckOption = new QCheckBox(tr("Optional Features"), sections);
    CheckKeySetting = new QCheckBox(tr("Key Assignment"), sections);
    CheckEmbedMessage = new QCheckBox(tr("Embedded Message"), sections);
    CheckChannelInfo = new QCheckBox(tr("Channel Information"), sections);
    auto* boxes = new QVBoxLayout(sections);
    for (QCheckBox* box : { CheckOption, CheckKeySetting, CheckEmbedMessage, CheckChannelInfo })
        boxes->addWidget(box);

    CommandPrinterSetting = new QPushButton(tr("P&rint Setup"), this);
    CommandClearAll = new QPushButton(tr("C&lear All"), this);
    CommandSelectAll = new QPushButton(tr("Select &All"), this);
    CommandOK = new QPushButton(tr("&OK"), this);
    CommandExportPdf = new QPushButton(tr("Export PDF"), this);
    CommandCancel = new QPushButton(tr("&Cancel"), this);
    CommandHelp = new QPushButton(tr("&Help"), this);

    auto* side = new QVBoxLayout;
    for (QPushButton* button : { CommandPrinterSetting, CommandSelectAll, CommandClearAll })
        side->addWidget(button);
    side->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : { CommandOK, CommandExportPdf, CommandCancel, CommandHelp })
        buttons->addWidget(button);
    const QSettings settings(QStringLiteral("ZEV"), QStringLiteral("T40"));
    TextCustomer = new QLineEdit(settings.value(HeaderLinesKey(QStringLiteral("Customer"))).toString(), this);
    TextNote = new QLineEdit(settings.value(HeaderLinesKey(QStringLiteral("Note"))).toString(), this);
    auto* headerLines = new QFormLayout;
    headerLines->addRow(tr("Customer"), TextCustomer);
    headerLines->addRow(tr("Note"), TextNote);

    auto* layout = new QGridLayout(this);
    layout->addWidget(sections, 0, 0);
    layout->addLayout(side, 0, 1);
    layout->addLayout(headerLines, 1, 0, 1, 2);
    layout->addLayout(buttons, 2, 0, 1, 2);

    connect(CommandPrinterSetting, &QPushButton::clicked, this, [this] { CommandPrinterSetting_Click(); });
    connect(CommandClearAll, &QPushButton::clicked, this, [this] { CommandClearAll_Click(); });
    connect(CommandSelectAll, &QPushButton::clicked, this, [this] { CommandSelectAll_Click(); });
    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandExportPdf, &QPushButton::clicked, this, [this] { CommandExportPdf_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });
    connect(CommandHelp, &QPushButton::clicked, this, [this] { CommandHelp_Click(); });

    // Ticking boxes by hand leaves OK as it is: only the two buttons set it.
    CommandOK->setEnabled(false);
    CommandExportPdf->setEnabled(false);
}

void FormPrint::setAllSections(bool ticked)
{
    for (QCheckBox* box : { CheckOption, CheckKeySetting, CheckEmbedMessage, CheckChannelInfo })
        box->setChecked(ticked);
    CommandOK->setEnabled(ticked);
    CommandExportPdf->setEnabled(ticked);
}

void FormPrint::CommandPrinterSetting_Click()
{
    FormPrinterSetting dialog(this);
    dialog.setChoice(printer_);
    if (dialog.exec() == QDialog::Accepted)
        printer_ = dialog.choice();
}

QString FormPrint::reportHtml() const
{
    ReportSections sections;
    sections.options = CheckOption->isChecked();
    sections.keys = CheckKeySetting->isChecked();
    sections.message = CheckEmbedMessage->isChecked();
    sections.channels = CheckChannelInfo->isChecked();
    const BandState& band = AppDocument().band();
    const ReportHeader header { AppDocument().title(),
                                QStringLiteral("%1 %2-%3MHz").arg(band.name).arg(band.lowMHz).arg(band.effectiveHighMHz),
                                QDate::currentDate(), TextCustomer->text(), TextNote->text() };
    rememberHeaderLines();
    AppDocument().commitPendingEdits();
    return ReportHtml(AppDocument(), sections, header);
}

void FormPrint::rememberHeaderLines() const
{
    QSettings settings(QStringLiteral("ZEV"), QStringLiteral("T40"));
    const std::pair<QString, const QLineEdit*> lines[] = { { QStringLiteral("Customer"), TextCustomer },
                                                          { QStringLiteral("Note"), TextNote } };
    for (const auto& [name, box] : lines) {
        if (box->text().trimmed().isEmpty())
            settings.remove(HeaderLinesKey(name));
        else
            settings.setValue(HeaderLinesKey(name), box->text());
    }
}

void FormPrint::CommandClearAll_Click() { setAllSections(false); }
void FormPrint::CommandSelectAll_Click() { setAllSections(true); }
void FormPrint::CommandOK_Click()
{
    const QString html = reportHtml();
    QPrinter printer(QPrinter::HighResolution);
    if (!printer_.device.isEmpty())
        printer.setPrinterName(printer_.device);
    printer.setPageOrientation(printer_.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(AppDocument().title());
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(tr("Print Preview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&html](QPrinter* target) { PrintReport(html, target); });
    // Large enough to read a page: most of the screen, the page as wide as the window.
    if (const QScreen* where = screen())
        preview.resize(where->availableSize() * 0.85);
    if (auto* pages = preview.findChild<QPrintPreviewWidget*>())
        pages->setZoomMode(QPrintPreviewWidget::FitToWidth);
    preview.exec();
}

void FormPrint::CommandExportPdf_Click()
{
    QString name = AppDocument().title();
    name = name.left(name.lastIndexOf(u'.')) + QStringLiteral(".pdf");
    const QString path = ShowOtherFileDialog(false, tr("Export PDF"), name,
                                             { tr("PDF file(*.pdf)") }, QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    QString reason;
    if (WriteFileSafely(path, ReportPdf(reportHtml(), LocalPaperSize()), {}, &reason) != FileWriteStatus::Ok)
        ShowMessageBox(tr("Cannot write the file %1: %2").arg(path, reason), BoxIcon::Error);
}
void FormPrint::CommandCancel_Click() { reject(); }
void FormPrint::CommandHelp_Click() { ShowHelpTopic(QStringLiteral("Print.htm")); }

} // namespace t40
