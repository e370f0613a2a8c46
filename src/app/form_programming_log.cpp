#include "form_programming_log.h"

#include "button_row.h"
#include "programming_log.h"
#include "prompts.h"
#include "shared_state.h"

#include <QHeaderView>
#include <QLabel>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace t40 {

namespace {
constexpr int SortRole = Qt::UserRole;

QStringList Headers()
{
    return { FormProgrammingLog::tr("Time"),   FormProgrammingLog::tr("Operation"), FormProgrammingLog::tr("Port"),     FormProgrammingLog::tr("Band"),
             FormProgrammingLog::tr("File"),   FormProgrammingLog::tr("Result"),    FormProgrammingLog::tr("Verify"), FormProgrammingLog::tr("No. in row") };
}
// The file keeps its words in English (t40-cli writes it too); the window
// shows them in the interface language. Unknown words are shown as they are.
const char* const LoggedWords[] = {
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "read"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "write"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "read password"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "write password"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "read tune data"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "write tune data"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "read dealer information"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "write dealer information"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "read special option"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "write special option"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "read stun/kill"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "write stun/kill"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "OK"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "failed"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "refused: band differs"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "failed: no answer"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "failed: port cannot be opened"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "abandoned"),
    QT_TRANSLATE_NOOP("t40::FormProgrammingLog", "failed: verify found a difference"),
};

QString ShownWord(const QString& logged)
{
    for (const char* word : LoggedWords)
        if (logged == QLatin1String(word))
            return FormProgrammingLog::tr(word);
    return logged;
}
} // namespace

FormProgrammingLog::FormProgrammingLog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Programming Log"));
    LabelPath = new QLabel(this);
    LabelPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Model = new QStandardItemModel(this);
    Sorted = new QSortFilterProxyModel(this);
    Sorted->setSourceModel(Model);
    Sorted->setSortRole(SortRole);
    TableLog = new QTableView(this);
    TableLog->setModel(Sorted);
    TableLog->setSortingEnabled(true);
    TableLog->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableLog->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableLog->verticalHeader()->hide();
    TableLog->horizontalHeader()->setStretchLastSection(true);
    CommandExport = new QPushButton(tr("&Export..."), this);
    CommandClose = new QPushButton(tr("&Close"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelPath);
    layout->addWidget(TableLog, 1);
    layout->addLayout(ButtonRow({ CommandExport, CommandClose }));
    resize(860, 420);

    connect(CommandExport, &QPushButton::clicked, this, &FormProgrammingLog::CommandExport_Click);
    connect(CommandClose, &QPushButton::clicked, this, &FormProgrammingLog::accept);
    Reload();
}

void FormProgrammingLog::Reload()
{
    const QString path = ProgrammingLog::DefaultPath();
    QString reason;
    const QList<QStringList> records = ProgrammingLog::Read(path, &reason);
    if (!reason.isEmpty())
        ShowMessageBox(tr("Cannot read the file %1: %2").arg(path, reason), BoxIcon::Error);
    Model->clear();
    Model->setHorizontalHeaderLabels(Headers());
    const int columns = int(ProgrammingLog::Columns().size());
    for (const QStringList& record : records) {
        QList<QStandardItem*> row;
        for (int c = 0; c < columns; ++c) {
            auto* item = new QStandardItem(c == 1 || c == 5 || c == 6 ? ShownWord(record.value(c)) : record.value(c));
            // The radio's number within its row sorts as a number.
            item->setData(c == columns - 1 ? QVariant(record.value(c).toInt()) : QVariant(record.value(c)), SortRole);
            row << item;
        }
        Model->appendRow(row);
    }
    LabelPath->setText(tr("%1 entries in %2").arg(records.size()).arg(path));
    TableLog->resizeColumnsToContents();
    TableLog->sortByColumn(0, Qt::DescendingOrder); // the latest first
}

void FormProgrammingLog::CommandExport_Click()
{
    const QString path = ShowSaveFileDialog(tr("Export"), QStringLiteral("programming-log.csv"),
                                            { tr("CSV file(*.csv)"), tr("All file(*.*)") });
    if (path.isEmpty())
        return;
    // The rows in the order they are sorted, with the log's own (English) words.
    QByteArray csv = ProgrammingLog::CsvHeader().toUtf8();
    for (int r = 0; r < Sorted->rowCount(); ++r) {
        QStringList fields;
        for (int c = 0; c < Sorted->columnCount(); ++c)
            fields << Sorted->index(r, c).data(c == Sorted->columnCount() - 1 ? Qt::DisplayRole : SortRole).toString();
        csv += ProgrammingLog::CsvRecord(fields).toUtf8();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit())
        ShowMessageBox(tr("Cannot write the file %1: %2").arg(path, file.errorString()), BoxIcon::Error);
}

} // namespace t40
