#include "form_password.h"

#include "button_row.h"
#include "form_password_change.h"
#include "password_fields.h"
#include "shared_state.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace t40 {

FormPassword::FormPassword(RadioDocument& document, QString& programPassword, QWidget* parent)
    : QDialog(parent)
    , programPassword_(programPassword)
    , document_(document)
{
    setWindowTitle(tr("Program Password"));
    LabelPassword = new QLabel(tr("Password"), this);
    TextPassword = new QLineEdit(this);
    SetUpPasswordField(TextPassword);
    TextPassword->setText(programPassword_);
    CommandOK = new QPushButton(tr("&OK"), this);
    CommandChange = new QPushButton(tr("Chann&ge"), this);
    CommandCancel = new QPushButton(tr("&Cancel"), this);
    CommandOK->setDefault(true);
    // No change while a session window is open (the change runs a session of its own).
    CommandChange->setVisible(!State().SessionWindowOpen);

    auto* grid = new QGridLayout(this);
    grid->addWidget(LabelPassword, 0, 0);
    grid->addWidget(TextPassword, 0, 1);
    auto* buttons = ButtonRow({ CommandOK, CommandChange, CommandCancel });
    grid->addLayout(buttons, 1, 0, 1, 2);

    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandChange, &QPushButton::clicked, this, [this] { CommandChange_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });
}

void FormPassword::CommandOK_Click()
{
    programPassword_ = TextPassword->text();
    accept();
}

void FormPassword::CommandCancel_Click()
{
    reject();
}

void FormPassword::CommandChange_Click()
{
    FormPasswordChange change(document_, programPassword_, this);
    if (change.exec() == QDialog::Accepted)
        TextPassword->setText(programPassword_);
}

} // namespace t40
