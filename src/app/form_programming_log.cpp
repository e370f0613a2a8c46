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
    return { Lang("Time", "时间"),   Lang("Operation", "操作"), Lang("Port", "端口"),     Lang("Band", "频段"),
             Lang("File", "文件"),   Lang("Result", "结果"),    Lang("Verify", "校验"), Lang("No. in row", "批次序号") };
}
} // namespace

FormProgrammingLog::FormProgrammingLog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(Lang("Programming Log", "编程日志"));
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
    CommandExport = new QPushButton(Lang("&Export...", "导出(&E)..."), this);
    CommandClose = new QPushButton(Lang("&Close", "关闭(&C)"), this);

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
        ShowMessageBox(Lang("Cannot read the file %1: %2", "无法读取文件 %1：%2").arg(path, reason), BoxIcon::Error);
    Model->clear();
    Model->setHorizontalHeaderLabels(Headers());
    const int columns = int(ProgrammingLog::Columns().size());
    for (const QStringList& record : records) {
        QList<QStandardItem*> row;
        for (int c = 0; c < columns; ++c) {
            auto* item = new QStandardItem(record.value(c));
            // The radio's number within its row sorts as a number.
            item->setData(c == columns - 1 ? QVariant(record.value(c).toInt()) : QVariant(record.value(c)), SortRole);
            row << item;
        }
        Model->appendRow(row);
    }
    LabelPath->setText(Lang("%1 entries in %2", "%2 中共 %1 条记录").arg(records.size()).arg(path));
    TableLog->resizeColumnsToContents();
    TableLog->sortByColumn(0, Qt::DescendingOrder); // the latest first
}

void FormProgrammingLog::CommandExport_Click()
{
    const QString path = ShowSaveFileDialog(Lang("Export", "导出"), QStringLiteral("programming-log.csv"),
                                            { Lang("CSV file(*.csv)", "CSV 文件(*.csv)"), Lang("All file(*.*)", "所有文件(*.*)") });
    if (path.isEmpty())
        return;
    // The rows as they are shown, in the order they are sorted.
    QByteArray csv = ProgrammingLog::CsvHeader().toUtf8();
    for (int r = 0; r < Sorted->rowCount(); ++r) {
        QStringList fields;
        for (int c = 0; c < Sorted->columnCount(); ++c)
            fields << Sorted->index(r, c).data().toString();
        csv += ProgrammingLog::CsvRecord(fields).toUtf8();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit())
        ShowMessageBox(Lang("Cannot write the file %1: %2", "无法写入文件 %1：%2").arg(path, file.errorString()), BoxIcon::Error);
}

} // namespace t40
