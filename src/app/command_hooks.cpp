#include "command_hooks.h"

#include "form_password.h"
#include "form_process.h"

namespace t40 {

void ShowProgrammingSession(QWidget* parent)
{
    FormProcess session(parent);
    session.exec();
}

void ShowPasswordDialog(QWidget* parent)
{
    FormPassword dialog(parent);
    dialog.exec();
}

void RunDealerInformation(QWidget*) { }
void RunStunKill(QWidget*) { }
void RunSpecialOption(QWidget*) { }
void ShowBatchChannelEdit(QWidget*) { }
void ShowPrintDialog(QWidget*) { }

} // namespace t40
