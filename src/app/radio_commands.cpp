// Program > Read, Write, Write to Many Radios, Detect, Verify, Show Changes,
// Check Cable, Password; the dealer and stun/kill reads; Setting > Set Com.
#include "radio_commands.h"

#include "command_hooks.h"
#include "form_check_cable.h"
#include "form_com_port.h"
#include "form_detect_radio.h"
#include "mdi_form_main.h"
#include "file_commands.h"
#include "preset_commands.h"
#include "reg_keys.h"
#include "shared_state.h"

#include <QAction>

namespace t40 {

RadioCommands::RadioCommands(MDIFormMain& main)
    : QObject(&main)
    , main_(main)
{
}

void RadioCommands::MenuRead_Click()
{
    main_.flushChannelEdit();
    if (!main_.files().maybeSave())
        return;
    ShowProgrammingSession(&main_, true, ProgramPassword, [this] { main_.afterRadioRead(); });
}

void RadioCommands::MenuWrite_Click()
{
    main_.flushChannelEdit();
    if (!ConfirmRuleFindings())
        return;
    ShowProgrammingSession(&main_, false, ProgramPassword, [this] { main_.afterRadioRead(); });
}

void RadioCommands::MenuWriteMany_Click()
{
    main_.flushChannelEdit();
    if (!ConfirmRuleFindings())
        return;
    ShowWriteMany(&main_);
}

void RadioCommands::MenuDetect_Click()
{
    {
        FormDetectRadio dialog(&main_);
        dialog.exec();
    }
    main_.showPortPanel();
}

void RadioCommands::MenuVerify_Click()
{
    const bool on = !State().VerifyAfterWrite;
    State().VerifyAfterWrite = on;
    main_.MenuVerify->setChecked(on);
    RegWriteString(RegHive::LocalMachine, AppRegistryKey, VerifyAfterWriteValue,
                   on ? QStringLiteral("True") : QStringLiteral("False"));
}

void RadioCommands::MenuShowChanges_Click()
{
    const bool on = !State().ShowChangesBeforeWrite;
    State().ShowChangesBeforeWrite = on;
    main_.MenuShowChanges->setChecked(on);
    RegWriteString(RegHive::LocalMachine, AppRegistryKey, ShowChangesBeforeWriteValue,
                   on ? QStringLiteral("True") : QStringLiteral("False"));
}

void RadioCommands::MenuCheckCable_Click()
{
    FormCheckCable dialog(&main_);
    dialog.exec();
}

void RadioCommands::MenuPassword_Click() { ShowPasswordDialog(&main_, ProgramPassword); }
void RadioCommands::MenuLocalMessage_Click() { RunDealerInformation(&main_, [this] { main_.afterRadioRead(); }); }
void RadioCommands::MenuStun_Click() { RunStunKill(&main_, [this] { main_.afterRadioRead(); }); }

void RadioCommands::MenuCom_Click()
{
    {
        FormComPort dialog(&main_);
        dialog.exec();
    }
    main_.showPortPanel();
}

void RadioCommands::runSpecialOption() { RunSpecialOption(&main_, [this] { main_.afterRadioRead(); }); }

} // namespace t40
