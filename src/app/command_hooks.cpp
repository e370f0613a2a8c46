#include "command_hooks.h"

namespace t40 {

void ShowProgrammingSession(QWidget*) { }
void ShowPasswordDialog(QWidget*) { }
void RunDealerInformation(QWidget*) { }
void RunStunKill(QWidget*) { }
void RunSpecialOption(QWidget*) { }
void ShowBatchChannelEdit(QWidget*) { }
void ShowPrintDialog(QWidget*) { }

} // namespace t40
