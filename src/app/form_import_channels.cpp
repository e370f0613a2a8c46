#include "form_import_channels.h"

#include "button_row.h"
#include "shared_state.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace t40 {

QString CsvPlaceText(const CsvMessage& m)
{
    QString place;
    if (m.line > 0)
        place = FormImportChannels::tr("Line %1").arg(m.line);
    if (m.column > 0)
        place += FormImportChannels::tr(", column %1").arg(m.column);
    if (!m.columnName.isEmpty())
        place += QStringLiteral(" (%1)").arg(m.columnName);
    return place;
}

FormImportChannels::FormImportChannels(const ChannelCsvImport& parsed, const QString& fileName, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Import Channels"));
    QString summary = tr("%1 has the problems listed below. Nothing has been changed yet.")
                          .arg(fileName);
    summary += QLatin1Char('\n');
    summary += parsed.rows.empty()
        ? tr("No row can be imported.")
        : tr("The rows without problems can be imported: channels %1. The rows with problems and the channels "
             "the file does not list stay as they are.")
              .arg(ImportedLocationList(parsed.rows));
    // What the file as a whole gives (missing or ignored columns) bears on the choice.
    for (const CsvMessage& m : parsed.notes)
        if (m.column == 0)
            summary += QStringLiteral("\n• ") + m.text;
    LabelSummary = new QLabel(summary, this);
    LabelSummary->setTextFormat(Qt::PlainText);
    LabelSummary->setWordWrap(true);

    ListProblems = new QTreeWidget(this);
    ListProblems->setRootIsDecorated(false);
    ListProblems->setHeaderLabels({ tr("Line"), tr("Column"), tr("Problem") });
    for (const CsvMessage& m : parsed.problems) {
        const QString column = m.column > 0 ? QStringLiteral("%1 (%2)").arg(m.column).arg(m.columnName) : m.columnName;
        auto* item = new QTreeWidgetItem(ListProblems, { m.line > 0 ? QString::number(m.line) : QString(), column,
                                                         m.text });
        item->setToolTip(2, item->text(2)); // a long message is cut in its cell
    }
    ListProblems->resizeColumnToContents(0);
    ListProblems->resizeColumnToContents(1);
    ListProblems->header()->setStretchLastSection(true);

    CommandImport = new QPushButton(tr("&Import the valid rows"), this);
    CommandImport->setEnabled(!parsed.rows.empty());
    CommandCancel = new QPushButton(tr("&Cancel"), this);
    CommandCancel->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelSummary);
    layout->addWidget(ListProblems);
    layout->addLayout(ButtonRow({ CommandImport, CommandCancel }));
    resize(860, 380);

    connect(CommandImport, &QPushButton::clicked, this, [this] { CommandImport_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });
}

void FormImportChannels::CommandImport_Click() { accept(); }
void FormImportChannels::CommandCancel_Click() { reject(); }

} // namespace t40
