#include "command_hooks.h"

#include "form_batch_channel_edit.h"
#include "form_password.h"
#include "form_print.h"
#include "mdi_form_main.h"
#include "radio_commands.h"
#include "page_window.h"
#include "form_process.h"
#include "form_write_many.h"
#include "partial_pages.h"
#include "shared_state.h"

namespace t40 {

void ShowProgrammingSession(QWidget* parent, bool read, QString& programPassword,
                            const std::function<void()>& afterRead)
{
    const SessionRequest request { SessionKind::Whole, read ? Direction::Read : Direction::Write, AppDocument().band().lowMHz };
    FormProcess session(request, programPassword, parent);
    session.setPreviewBeforeWrite(!read && State().ShowChangesBeforeWrite);
    if (auto* main = qobject_cast<MDIFormMain*>(parent))
        QObject::connect(&session, &FormProcess::detectRadioRequested, main, [main] { main->radio().MenuDetect_Click(); });
    QObject::connect(&session, &FormProcess::radioRead, &session, afterRead);
    session.exec();
    programPassword = session.ProgramPassword();
}

void ShowPasswordDialog(QWidget* parent, QString& programPassword)
{
    FormPassword dialog(AppDocument(), programPassword, parent);
    dialog.exec();
}

void RunDealerInformation(QWidget* parent, const std::function<void()>& afterRead)
{
    OpenDealerInformation(AppDocument(), parent, afterRead);
}

void RunStunKill(QWidget* parent, const std::function<void()>& afterRead) { OpenStunKill(AppDocument(), parent, afterRead); }

void RunSpecialOption(QWidget* parent, const std::function<void()>& afterRead)
{
    OpenSpecialOption(AppDocument(), parent, afterRead);
}

void ShowBatchChannelEdit(QWidget* parent)
{
    // An edit still open on a page goes into the image now: committed after
    // the batch it would overwrite what the batch wrote.
    if (auto* main = qobject_cast<MDIFormMain*>(parent))
        for (PageWindow* page : main->openPages())
            page->FreshData();
    FormBatchChannelEdit dialog(AppDocument(), parent);
    dialog.exec();
}

void ShowWriteMany(QWidget* parent)
{
    FormWriteMany row(AppDocument(), parent);
    row.exec();
}

void ShowPrintDialog(QWidget* parent)
{
    FormPrint dialog(parent);
    dialog.exec();
}

} // namespace t40
