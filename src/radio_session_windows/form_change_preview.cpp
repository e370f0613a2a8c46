#include "form_change_preview.h"

#include "button_row.h"
#include "shared_state.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace t40 {

FormChangePreview::FormChangePreview(const QStringList& changes, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(Lang("Changes Before Write", "写入前的更改"));
    const QString summary = changes.isEmpty()
        ? Lang("No changes: the radio already holds this data. You may still write it.",
               "没有更改：对讲机中已是这些数据。仍可写入。")
        : Lang("Writing changes %1 values in the radio, each shown as radio -> data:",
               "写入将更改对讲机中的 %1 项，格式为 对讲机 -> 数据：").arg(changes.size());
    LabelSummary = new QLabel(summary, this);
    LabelSummary->setWordWrap(true);
    TextChanges = new QPlainTextEdit(changes.join(QLatin1Char('\n')), this);
    TextChanges->setReadOnly(true);
    TextChanges->setLineWrapMode(QPlainTextEdit::NoWrap);
    TextChanges->setVisible(!changes.isEmpty());
    CommandWrite = new QPushButton(Lang("&Write", "写入(&W)"), this);
    CommandCancel = new QPushButton(Lang("&Cancel", "取消(&C)"), this);
    CommandWrite->setAutoDefault(false);
    CommandCancel->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelSummary);
    layout->addWidget(TextChanges, 1);
    layout->addLayout(ButtonRow({ CommandWrite, CommandCancel }));
    resize(620, changes.isEmpty() ? 120 : 420);
    connect(CommandWrite, &QPushButton::clicked, this, &QDialog::accept);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    CommandCancel->setFocus();
}

} // namespace t40
