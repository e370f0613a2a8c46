#include "form_frequency_copy.h"

#include "button_row.h"
#include "channel_pages.h"
#include "frequency_text.h"
#include "help_topic.h"
#include "key_filter.h"
#include "prompts.h"
#include "shared_state.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace t40 {

FormFrequencyCopy::FormFrequencyCopy(RadioDocument& document, int channel, const QString& receiveText, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , channel_(channel)
{
    setObjectName(QStringLiteral("FormFrequencyCopy"));
    LabelRxFreq = new QLabel(this);
    TextRxFreq = new QLineEdit(receiveText, this);
    TextRxFreq->setReadOnly(true);
    LabelTxFreq = new QLabel(this);
    TextTxFreq = new QLineEdit(this);
    CommandOK = new QPushButton(this);
    CommandCancel = new QPushButton(this);
    CommandHelp = new QPushButton(this);
    for (QPushButton* b : { CommandOK, CommandCancel, CommandHelp })
        b->setAutoDefault(false);
    InstallKeyFilter(TextTxFreq, FrequencyKeys);
    TextTxFreq->installEventFilter(this);

    auto* fields = new QGridLayout;
    fields->addWidget(LabelRxFreq, 0, 0);
    fields->addWidget(TextRxFreq, 0, 1);
    fields->addWidget(LabelTxFreq, 1, 0);
    fields->addWidget(TextTxFreq, 1, 1);
    auto* buttons = ButtonRow({ CommandOK, CommandCancel, CommandHelp });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(CommandOK, &QPushButton::clicked, this, &FormFrequencyCopy::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(CommandHelp, &QPushButton::clicked, this, &FormFrequencyCopy::CommandHelp_Click);
    Form_Load();
}

void FormFrequencyCopy::Form_Load()
{
    setWindowTitle(tr("Frequency Copy"));
    LabelRxFreq->setText(tr("Receive"));
    LabelTxFreq->setText(tr("Transmit"));
    CommandOK->setText(tr("&OK"));
    CommandCancel->setText(tr("&Cancel"));
    CommandHelp->setText(tr("&Help"));
    TextTxFreq->setText(TextRxFreq->text());
    TextTxFreq->selectAll();
    TextTxFreq->setFocus();
}

void FormFrequencyCopy::CommandOK_Click()
{
    SharedState& s = State();
    const QString typed = TextTxFreq->text();
    if (typed.isEmpty()) {
        document_.copyFrequency(channel_, QString(), s.DecimalSeparator);
    } else {
        const FrequencyCheck check = CheckFrequencyBox(document_, FrequencyField::Transmit, typed, s.DecimalSeparator);
        TextTxFreq->setText(check.text);
        if (check.warning)
            ShowFrequencyWarning(ExecutableName());
        document_.copyFrequency(channel_, TextTxFreq->text(), s.DecimalSeparator);
    }
    accept();
}

void FormFrequencyCopy::CommandHelp_Click()
{
    ShowHelpTopic(QStringLiteral("freqcopy.htm"));
}

bool FormFrequencyCopy::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TextTxFreq && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            CommandOK_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace t40
