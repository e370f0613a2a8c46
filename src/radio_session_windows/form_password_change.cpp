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
    setWindowTitle(Lang("Change Password", "编程密码"));
    LabelOldPassword = new QLabel(Lang("OldPassword", "旧密码"), this);
    TextOldPassword = new QLineEdit(this);
    LabelNewPassword[0] = new QLabel(Lang("NewPassword", "新密码"), this);
    LabelNewPassword[1] = new QLabel(Lang("NewPassword verify", "新密码确认"), this);
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
    CommandOK = new QPushButton(Lang("&OK", "确定(&O)"), this);
    CommandCancel = new QPushButton(Lang("&Cancel", "取消(&C)"), this);
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
        ShowMessageBox(Lang("Different between two new passowrds", "新密码不一致"), BoxIcon::Warning);
        return;
    }
    StorePassword(document_, newPassword);
    programPassword_ = TextOldPassword->text();
    if (ShowMessageBox(Lang("Change password?", "修改密码？"), BoxIcon::Warning, BoxButtons::OkCancel) != BoxAnswer::Ok)
        return;

    FormProcess session(SessionRequest { SessionKind::PasswordChange, Direction::Write, document_.band().lowMHz },
                        programPassword_, this);
    session.exec();
    programPassword_ = session.ProgramPassword();
    if (!session.SessionSucceeded())
        return;
    ShowMessageBox(Lang("Change password successful", "修改密码成功"), BoxIcon::Information);
    programPassword_ = newPassword;
    accept();
}

void FormPasswordChange::CommandCancel_Click()
{
    reject();
}

} // namespace t40
