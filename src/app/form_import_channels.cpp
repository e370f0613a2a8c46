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
        place = Lang("Line %1", "第 %1 行").arg(m.line);
    if (m.column > 0)
        place += Lang(", column %1", "，第 %1 列").arg(m.column);
    if (!m.columnName.isEmpty())
        place += QStringLiteral(" (%1)").arg(m.columnName);
    return place;
}

FormImportChannels::FormImportChannels(const ChannelCsvImport& parsed, const QString& fileName, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(Lang("Import Channels", "导入信道"));
    QString summary = Lang("%1 has the problems listed below. Nothing has been changed yet.",
                           "%1 存在下列问题，尚未作任何更改。")
                          .arg(fileName);
    summary += QLatin1Char('\n');
    summary += parsed.rows.empty()
        ? Lang("No row can be imported.", "没有可导入的行。")
        : Lang("The rows without problems can be imported: channels %1. The rows with problems and the channels "
               "the file does not list stay as they are.",
               "可导入没有问题的行：信道 %1。有问题的行和文件未列出的信道保持不变。")
              .arg(ImportedLocationList(parsed.rows));
    LabelSummary = new QLabel(summary, this);
    LabelSummary->setWordWrap(true);

    ListProblems = new QTreeWidget(this);
    ListProblems->setRootIsDecorated(false);
    ListProblems->setHeaderLabels({ Lang("Line", "行"), Lang("Column", "列"), Lang("Problem", "问题") });
    for (const CsvMessage& m : parsed.problems) {
        const QString column = m.column > 0 ? QStringLiteral("%1 (%2)").arg(m.column).arg(m.columnName) : m.columnName;
        auto* item = new QTreeWidgetItem(ListProblems, { m.line > 0 ? QString::number(m.line) : QString(), column,
                                                         m.text(State().IsEnglish) });
        item->setToolTip(2, item->text(2)); // a long message is cut in its cell
    }
    ListProblems->resizeColumnToContents(0);
    ListProblems->resizeColumnToContents(1);
    ListProblems->header()->setStretchLastSection(true);

    CommandImport = new QPushButton(Lang("&Import the valid rows", "导入有效行(&I)"), this);
    CommandImport->setEnabled(!parsed.rows.empty());
    CommandCancel = new QPushButton(Lang("&Cancel", "取消(&C)"), this);
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
