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
    setWindowTitle(Lang("Compare %1 With %2", "比较 %1 与 %2").arg(openTitle, fileTitle));
    const QString summary = differences.isEmpty()
        ? Lang("No differences: %1 and %2 hold the same data.", "没有差异：%1 与 %2 的数据相同。").arg(openTitle, fileTitle)
        : Lang("%1 differences, each shown as %2 -> %3:", "共 %1 处差异，格式为 %2 -> %3：")
              .arg(QString::number(differences.size()), openTitle, fileTitle);
    LabelSummary = new QLabel(summary + QLatin1Char('\n')
                                  + Lang("Only the 1024 bytes a data file holds are compared.",
                                         "只比较数据文件所含的 1024 字节。"),
                              this);
    LabelSummary->setWordWrap(true);
    TextDifferences = new QPlainTextEdit(differences.join(QLatin1Char('\n')), this);
    TextDifferences->setReadOnly(true);
    TextDifferences->setLineWrapMode(QPlainTextEdit::NoWrap);
    TextDifferences->setVisible(!differences.isEmpty());
    CommandClose = new QPushButton(Lang("&Close", "关闭(&C)"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelSummary);
    layout->addWidget(TextDifferences, 1);
    layout->addLayout(ButtonRow({ CommandClose }));
    resize(620, differences.isEmpty() ? 120 : 420);
    connect(CommandClose, &QPushButton::clicked, this, &FormCompare::accept);
}

} // namespace t40
