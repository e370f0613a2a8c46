#pragma once

class QWidget;

namespace t40 {

// The main window's commands that run windows of other parts of the program.
// Each is modal and returns when its windows have closed.

// Whole-image read or write: the session window for SessionIsRead.
void ShowProgrammingSession(QWidget* parent);
// Programming password dialog.
void ShowPasswordDialog(QWidget* parent);
// Dealer-information read, then its page.
void RunDealerInformation(QWidget* parent);
// Stun/kill read, then its page.
void RunStunKill(QWidget* parent);
// Special-option read, then its page.
void RunSpecialOption(QWidget* parent);
// Batch channel edit.
void ShowBatchChannelEdit(QWidget* parent);
// Print selection.
void ShowPrintDialog(QWidget* parent);
// The row of radios: the open image into one radio after another.
void ShowWriteMany(QWidget* parent);

} // namespace t40
