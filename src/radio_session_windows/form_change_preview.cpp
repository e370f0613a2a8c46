#include "form_change_preview.h"

#include "button_row.h"
#include "shared_state.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace t40 {

FormChangePreview::FormChangePreview(const QStringList& changes, const QStringList& ruleBreaches, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Changes Before Write"));
    const QString summary = changes.isEmpty()
        ? tr("No changes: the radio already holds this data. You may still write it.")
        : tr("Writing changes %1 values in the radio, each shown as radio -> data:").arg(changes.size());
    LabelSummary = new QLabel(summary, this);
    LabelSummary->setWordWrap(true);
    TextChanges = new QPlainTextEdit(changes.join(QLatin1Char('\n')), this);
    TextChanges->setReadOnly(true);
    TextChanges->setLineWrapMode(QPlainTextEdit::NoWrap);
    TextChanges->setVisible(!changes.isEmpty());
    LabelRules = new QLabel(tr("These channels break the rules of a licence-free service:"), this);
    LabelRules->setWordWrap(true);
    TextRules = new QPlainTextEdit(ruleBreaches.join(QLatin1Char('\n')), this);
    TextRules->setReadOnly(true);
    TextRules->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A few lines show; more scroll, so that the window keeps to the screen.
    TextRules->setMaximumHeight(TextRules->fontMetrics().lineSpacing() * 6);
    LabelRules->setVisible(!ruleBreaches.isEmpty());
    TextRules->setVisible(!ruleBreaches.isEmpty());
    CommandWrite = new QPushButton(tr("&Write"), this);
    CommandCancel = new QPushButton(tr("&Cancel"), this);
    CommandWrite->setAutoDefault(false);
    CommandCancel->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelSummary);
    layout->addWidget(TextChanges, 1);
    layout->addWidget(LabelRules);
    layout->addWidget(TextRules);
    layout->addLayout(ButtonRow({ CommandWrite, CommandCancel }));
    resize(620, changes.isEmpty() ? 120 : 420);
    connect(CommandWrite, &QPushButton::clicked, this, &QDialog::accept);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    CommandCancel->setFocus();
}

} // namespace t40
