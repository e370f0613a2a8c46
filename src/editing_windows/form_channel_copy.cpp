#include "form_channel_copy.h"

#include "button_row.h"
#include "radio_document.h"
#include "help_topic.h"
#include "shared_state.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace t40 {

FormChannelCopy::FormChannelCopy(RadioDocument& document, int channel, QWidget* parent)
    : FormChannelCopy(document, QList<int> { channel }, parent)
{
}

FormChannelCopy::FormChannelCopy(RadioDocument& document, const QList<int>& channels, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , source_(qBound(1, channels.value(0, 1), ChannelCount))
    , destination_(source_)
    , sources_(channels.isEmpty() ? QList<int> { source_ } : channels)
{
    setObjectName(QStringLiteral("FormChannelCopy"));
    LabelChannelCopy = new QLabel(this);
    TextChannelFrom = new QLineEdit(this);
    TextChannelFrom->setReadOnly(true);
    TextChannelFrom->setAlignment(Qt::AlignCenter);
    ComboChannelTo = new QComboBox(this);
    for (int c = 1; c <= ChannelCount; ++c)
        ComboChannelTo->addItem(QString::number(c));
    CommandCopy = new QPushButton(this);
    CommandCancel = new QPushButton(this);
    CommandHelp = new QPushButton(this);
    for (QPushButton* b : { CommandCopy, CommandCancel, CommandHelp })
        b->setAutoDefault(false);

    auto* buttons = ButtonRow({ CommandCopy, CommandCancel, CommandHelp });
    auto* layout = new QVBoxLayout(this);
    layout->addSpacing(52); // the caption line with its two boxes
    layout->addLayout(buttons);

    connect(ComboChannelTo, &QComboBox::activated, this, &FormChannelCopy::ComboChannelTo_Click);
    connect(CommandCopy, &QPushButton::clicked, this, &FormChannelCopy::CommandCopy_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(CommandHelp, &QPushButton::clicked, this, &FormChannelCopy::CommandHelp_Click);

    Form_Load();
    placeBoxesInCaption();
}

void FormChannelCopy::Form_Load()
{
    setWindowTitle(tr("Copy Channel"));
    LabelChannelCopy->setText(tr("Channel               To Channel"));
    CommandCopy->setText(tr("C&opy"));
    CommandCancel->setText(tr("&Close"));
    CommandHelp->setText(tr("&Help"));
    // "3", "3-5" for a run of channels, "3,7" otherwise.
    const bool run = sources_.last() - sources_.first() == sources_.size() - 1;
    QStringList names;
    for (int c : sources_)
        names << QString::number(c);
    TextChannelFrom->setText(sources_.size() == 1 ? names.first()
                             : run                 ? names.first() + QLatin1Char('-') + names.last()
                                                   : names.join(QLatin1Char(',')));
    ComboChannelTo->setCurrentIndex(destination_ - 1);
    ComboChannelTo->setFocus();
}

void FormChannelCopy::placeBoxesInCaption()
{
    // The caption leaves a gap after each of its two parts; the source box
    // sits in the first, the destination list after the second.
    const QString caption = LabelChannelCopy->text();
    const QFontMetrics metrics(LabelChannelCopy->font());
    const int gap = caption.indexOf(QStringLiteral("  "));
    const int second = caption.indexOf(QRegularExpression(QStringLiteral("\\S")), gap);
    const int left = 16;
    const int top = 16;
    const int boxHeight = ComboChannelTo->sizeHint().height();
    LabelChannelCopy->setGeometry(left, top, metrics.horizontalAdvance(caption) + 4, boxHeight);
    const int fromX = left + metrics.horizontalAdvance(caption.left(gap)) + 4;
    const int fromWidth = metrics.horizontalAdvance(caption.mid(gap, second - gap)) - 8;
    TextChannelFrom->setGeometry(fromX, top, qMax(fromWidth, 28), boxHeight);
    const int toX = left + metrics.horizontalAdvance(caption) + 8;
    ComboChannelTo->setGeometry(toX, top, ComboChannelTo->sizeHint().width(), boxHeight);
    setMinimumWidth(toX + ComboChannelTo->width() + left);
}

void FormChannelCopy::ComboChannelTo_Click(int index)
{
    if (index >= 0)
        destination_ = index + 1;
}

void FormChannelCopy::CommandCopy_Click()
{
    document_.copyChannels(sources_.size() > 1 ? sources_ : QList<int> { source_ }, destination_);
    ComboChannelTo->setFocus();
}

void FormChannelCopy::CommandHelp_Click()
{
    ShowHelpTopic(QStringLiteral("chcopy.htm"));
}

} // namespace t40
