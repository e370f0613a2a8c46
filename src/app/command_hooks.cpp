#include "command_hooks.h"

#include "form_batch_channel_edit.h"
#include "form_password.h"
#include "form_print.h"
#include "form_process.h"
#include "partial_pages.h"

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

void RunDealerInformation(QWidget* parent) { OpenDealerInformation(parent); }
void RunStunKill(QWidget* parent) { OpenStunKill(parent); }
void RunSpecialOption(QWidget* parent) { OpenSpecialOption(parent); }

void ShowBatchChannelEdit(QWidget* parent)
{
    FormBatchChannelEdit dialog(parent);
    dialog.exec();
}

void ShowPrintDialog(QWidget* parent)
{
    FormPrint dialog(parent);
    dialog.exec();
}

} // namespace t40
