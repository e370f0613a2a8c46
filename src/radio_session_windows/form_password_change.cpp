#include "form_password_change.h"

#include "button_row.h"
#include "form_process.h"
#include "password_fields.h"
#include "prompts.h"
#include "shared_state.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace t40 {

FormPasswordChange::FormPasswordChange(RadioDocument& document, QString& programPassword, QWidget* parent)
    : QDialog(parent)
    , programPassword_(programPassword)
    , document_(document)
{
    setWindowTitle(tr("Change Password"));
    LabelOldPassword = new QLabel(tr("OldPassword"), this);
    TextOldPassword = new QLineEdit(this);
    LabelNewPassword[0] = new QLabel(tr("NewPassword"), this);
    LabelNewPassword[1] = new QLabel(tr("NewPassword verify"), this);
    auto* grid = new QGridLayout(this);
    grid->addWidget(LabelOldPassword, 0, 0);
    grid->addWidget(TextOldPassword, 0, 1);
    SetUpPasswordField(TextOldPassword);
    for (int i = 0; i < 2; ++i) {
        TextNewPassword[i] = new QLineEdit(this);
        SetUpPasswordField(TextNewPassword[i]);
        grid->addWidget(LabelNewPassword[i], i + 1, 0);
        grid->addWidget(TextNewPassword[i], i + 1, 1);
    }
    CommandOK = new QPushButton(tr("&OK"), this);
    CommandCancel = new QPushButton(tr("&Cancel"), this);
    CommandOK->setDefault(true);
    auto* buttons = ButtonRow({ CommandOK, CommandCancel });
    grid->addLayout(buttons, 3, 0, 1, 2);

    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });
}

void FormPasswordChange::CommandOK_Click()
{
    const QString newPassword = TextNewPassword[0]->text();
    if (newPassword != TextNewPassword[1]->text()) {
        ShowMessageBox(tr("Different between two new passowrds"), BoxIcon::Warning);
        return;
    }
    StorePassword(document_, newPassword);
    programPassword_ = TextOldPassword->text();
    if (ShowMessageBox(tr("Change password?"), BoxIcon::Warning, BoxButtons::OkCancel) != BoxAnswer::Ok)
        return;

    FormProcess session(SessionRequest { SessionKind::PasswordChange, Direction::Write, document_.band().lowMHz },
                        programPassword_, this);
    session.exec();
    programPassword_ = session.ProgramPassword();
    if (!session.SessionSucceeded())
        return;
    ShowMessageBox(tr("Change password successful"), BoxIcon::Information);
    programPassword_ = newPassword;
    accept();
}

void FormPasswordChange::CommandCancel_Click()
{
    reject();
}

} // namespace t40
