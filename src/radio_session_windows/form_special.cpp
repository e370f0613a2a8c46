#include "form_special.h"

#include "button_row.h"
#include "partial_session.h"
#include "prompts.h"
#include "shared_state.h"
#include "page_settings.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace t40 {

FormSpecial::FormSpecial(RadioDocument& document, QWidget* parent)
    : QDialog(parent)
    , document_(document)
{
    Form_Load();
}

void FormSpecial::Form_Load()
{
    LabelRxVoice = new QLabel(this);
    ComboRxVoice = new QComboBox(this);
    CommandWrite = new QPushButton(this);
    CommandClose = new QPushButton(this);

    auto* field = new QHBoxLayout;
    field->addWidget(LabelRxVoice);
    field->addWidget(ComboRxVoice, 1);
    auto* buttons = ButtonRow({ CommandWrite, CommandClose });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addStretch(1);
    layout->addLayout(buttons);

    setWindowTitle(tr("Special Option"));
    setMinimumWidth(260); // room for the caption
    LabelRxVoice->setText(tr("RX Voice Level:"));
    for (int level = 1; level <= Special::LevelCount; ++level)
        ComboRxVoice->addItem(QString::number(level));
    CommandWrite->setText(tr("&Write"));
    CommandClose->setText(tr("&Close"));
    ComboRxVoice->setCurrentIndex(ReadSpecialOption(document_).rxVoiceLevel);

    connect(CommandWrite, &QPushButton::clicked, this, &FormSpecial::CommandWrite_Click);
    connect(CommandClose, &QPushButton::clicked, this, &FormSpecial::CommandClose_Click);
}

void FormSpecial::CommandWrite_Click()
{
    WriteSpecialOption(document_, { ComboRxVoice->currentIndex() });
    if (ShowMessageBox(tr("Write Data into Raido.Do you wish continue?"),
                       BoxIcon::Warning, BoxButtons::OkCancel) != BoxAnswer::Ok)
        return;
    if (RunSession(this, PartialRequest(document_, SessionKind::Special, Direction::Write)))
        ShowMessageBox(tr("Write data successful"), BoxIcon::Information);
}

void FormSpecial::CommandClose_Click()
{
    accept();
}

} // namespace t40
