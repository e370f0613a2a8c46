#include "form_dtmf.h"

#include "button_row.h"
#include "partial_session.h"
#include "prompts.h"
#include "shared_state.h"
#include "page_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace t40 {

using StunKill::Code;

FormDtmf::FormDtmf(RadioDocument& document, QWidget* parent)
    : QDialog(parent)
    , document_(document)
{
    Form_Load();
}

void FormDtmf::buildControls()
{
    LabelStatus = new QLabel(this);
    ComboStatus = new QComboBox(this);
    LabelAckType = new QLabel(this);
    ComboAckType = new QComboBox(this);
    CheckStunEnable = new QCheckBox(this);

    FrameDtmf = new QGroupBox(this);
    LabelStun = new QLabel(FrameDtmf);
    TextStun = new QLineEdit(FrameDtmf);
    LabelKill = new QLabel(FrameDtmf);
    TextKill = new QLineEdit(FrameDtmf);
    for (QLineEdit* box : { TextStun, TextKill }) {
        box->setMaxLength(StunKill::MaxDigits);
        box->installEventFilter(this);
    }
    auto* codes = new QGridLayout(FrameDtmf);
    codes->addWidget(LabelStun, 0, 0);
    codes->addWidget(TextStun, 0, 1);
    codes->addWidget(LabelKill, 1, 0);
    codes->addWidget(TextKill, 1, 1);

    CommandWrite = new QPushButton(this);
    CommandClose = new QPushButton(this);

    auto* fields = new QGridLayout;
    fields->addWidget(LabelStatus, 0, 0);
    fields->addWidget(ComboStatus, 0, 1);
    fields->addWidget(LabelAckType, 1, 0);
    fields->addWidget(ComboAckType, 1, 1);
    fields->setColumnStretch(1, 1);

    auto* buttons = ButtonRow({ CommandWrite, CommandClose });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(CheckStunEnable);
    layout->addWidget(FrameDtmf);
    layout->addLayout(buttons);

    connect(ComboStatus, &QComboBox::activated, this, &FormDtmf::ComboStatus_Click);
    connect(ComboAckType, &QComboBox::activated, this, &FormDtmf::ComboAckType_Click);
    connect(CheckStunEnable, &QCheckBox::clicked, this, &FormDtmf::CheckStunEnable_Click);
    connect(CommandWrite, &QPushButton::clicked, this, &FormDtmf::CommandWrite_Click);
    connect(CommandClose, &QPushButton::clicked, this, &FormDtmf::CommandClose_Click);
}

void FormDtmf::setCaptions()
{
    setWindowTitle(tr("Stun Option"));
    setMinimumWidth(280); // room for the caption
    LabelStatus->setText(tr("Status"));
    ComboStatus->addItems({ tr("Normal"), tr("Stun"), tr("Die") });
    FrameDtmf->setTitle(tr("DTMF Code"));
    LabelStun->setText(tr("Stun Code"));
    LabelKill->setText(tr("Die Code"));
    LabelAckType->setText(tr("Call Response Type"));
    ComboAckType->addItems({ tr("Chord"), tr("Ring") });
    CheckStunEnable->setText(tr("Stun/Die Enable"));
    CommandWrite->setText(tr("&Write"));
    CommandClose->setText(tr("&Close"));
}

void FormDtmf::decode()
{
    const StunKillSettings s = ReadStunKill(document_);
    Decoding = true;
    ComboStatus->setCurrentIndex(qMax(0, s.status));
    ComboAckType->setCurrentIndex(qMax(0, s.ackType));
    CheckStunEnable->setChecked(s.enabled);
    TextStun->setText(s.stunCode);
    TextKill->setText(s.killCode);
    followEnable();
    Decoding = false;
}

void FormDtmf::Form_Load()
{
    buildControls();
    setCaptions();
    decode();
    CheckStunEnable->setVisible(State().ServiceMode);
}

void FormDtmf::followEnable()
{
    const bool enabled = CheckStunEnable->isChecked();
    FrameDtmf->setEnabled(enabled);
    TextStun->setEnabled(enabled);
    TextKill->setEnabled(enabled);
}

void FormDtmf::ComboStatus_Click()
{
    if (Decoding)
        return;
    StunKillSettings s = ReadStunKill(document_);
    s.status = ComboStatus->currentIndex();
    WriteStunKill(document_, s);
}

void FormDtmf::ComboAckType_Click()
{
    if (Decoding)
        return;
    StunKillSettings s = ReadStunKill(document_);
    s.ackType = ComboAckType->currentIndex();
    WriteStunKill(document_, s);
}

void FormDtmf::CheckStunEnable_Click()
{
    if (Decoding)
        return;
    StunKillSettings s = ReadStunKill(document_);
    s.enabled = CheckStunEnable->isChecked();
    WriteStunKill(document_, s);
    followEnable();
}

void FormDtmf::TextStun_LostFocus() { storeCode(TextStun); }
void FormDtmf::TextKill_LostFocus() { storeCode(TextKill); }

void FormDtmf::storeCode(QLineEdit* box)
{
    if (Decoding)
        return;
    const QString clean = StunKill::CleanCode(box->text());
    if (clean != box->text())
        box->setText(clean);
    WriteStunKillCode(document_, box == TextStun ? Code::Stun : Code::Kill, clean);
}

void FormDtmf::commitCode(QLineEdit* box)
{
    const StunKillSettings s = ReadStunKill(document_);
    if (box->text() != (box == TextStun ? s.stunCode : s.killCode))
        storeCode(box);
}

bool FormDtmf::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && (box == TextStun || box == TextKill)) {
        if (event->type() == QEvent::FocusOut) {
            commitCode(box);
        } else if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
                return false;
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                commitCode(box);
                return true; // Enter stores the code; it does not press the default button
            }
            const QString typed = key->text();
            if (key->key() == Qt::Key_Backspace || typed.size() != 1 || !typed.at(0).isPrint())
                return false;
            const int accepted = StunKill::FilterCodeKey(typed.at(0).unicode());
            if (accepted == 0)
                return true;
            if (accepted != typed.at(0).unicode()) {
                box->insert(QString(QChar(accepted)));
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool FormDtmf::codeTooShort(QLineEdit* box)
{
    const int length = int(box->text().size());
    if (length == 0 || length >= StunKill::MinWrittenDigits)
        return false;
    ShowMessageBox(tr("Code must longer than 5"), BoxIcon::Warning);
    box->setFocus();
    box->selectAll();
    return true;
}

void FormDtmf::CommandWrite_Click()
{
    // A code typed and then written with the access key has not lost the focus yet.
    commitCode(TextStun);
    commitCode(TextKill);
    if (CheckStunEnable->isChecked() && (codeTooShort(TextStun) || codeTooShort(TextKill)))
        return;
    if (ShowMessageBox(tr("Write Data into Raido.Do you wish continue?"),
                       BoxIcon::Warning, BoxButtons::OkCancel) != BoxAnswer::Ok)
        return;
    if (RunSession(this, PartialRequest(document_, SessionKind::Dtmf, Direction::Write)))
        ShowMessageBox(tr("Write data successful"), BoxIcon::Information);
}

void FormDtmf::CommandClose_Click()
{
    accept();
}

} // namespace t40
