#include "command_hooks.h"

#include "form_batch_channel_edit.h"
#include "form_password.h"
#include "form_print.h"
#include "mdi_form_main.h"
#include "page_window.h"
#include "form_process.h"
#include "form_write_many.h"
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
    // An edit still open on a page goes into the image now: committed after
    // the batch it would overwrite what the batch wrote.
    if (auto* main = qobject_cast<MDIFormMain*>(parent))
        for (PageWindow* page : main->openPages())
            page->FreshData();
    FormBatchChannelEdit dialog(parent);
    dialog.exec();
}

void ShowWriteMany(QWidget* parent)
{
    FormWriteMany row(parent);
    row.exec();
}

void ShowPrintDialog(QWidget* parent)
{
    FormPrint dialog(parent);
    dialog.exec();
}

} // namespace t40
