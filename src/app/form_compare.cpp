#include "form_compare.h"

#include "button_row.h"
#include "shared_state.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace t40 {

FormCompare::FormCompare(const QString& openTitle, const QString& fileTitle, const QStringList& differences,
                         QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Compare %1 With %2").arg(openTitle, fileTitle));
    const QString summary = differences.isEmpty()
        ? tr("No differences: %1 and %2 hold the same data.").arg(openTitle, fileTitle)
        : tr("%1 differences, each shown as %2 -> %3:")
              .arg(QString::number(differences.size()), openTitle, fileTitle);
    LabelSummary = new QLabel(summary + QLatin1Char('\n')
                                  + tr("Only the 1024 bytes a data file holds are compared."),
                              this);
    LabelSummary->setWordWrap(true);
    TextDifferences = new QPlainTextEdit(differences.join(QLatin1Char('\n')), this);
    TextDifferences->setReadOnly(true);
    TextDifferences->setLineWrapMode(QPlainTextEdit::NoWrap);
    TextDifferences->setVisible(!differences.isEmpty());
    CommandClose = new QPushButton(tr("&Close"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelSummary);
    layout->addWidget(TextDifferences, 1);
    layout->addLayout(ButtonRow({ CommandClose }));
    resize(620, differences.isEmpty() ? 120 : 420);
    connect(CommandClose, &QPushButton::clicked, this, &FormCompare::accept);
}

} // namespace t40
