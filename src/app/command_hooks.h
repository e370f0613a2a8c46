#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace t40 {

// The main window's commands that run windows of other parts of the program.
// Each is modal and returns when its windows have closed.

// Whole-image read (read true) or write: the session window, carrying the
// programming password through. afterRead runs once a read has completed.
void ShowProgrammingSession(QWidget* parent, bool read, QString& programPassword,
                            const std::function<void()>& afterRead);
// Programming password dialog.
void ShowPasswordDialog(QWidget* parent, QString& programPassword);
// Dealer-information read, then its page.
void RunDealerInformation(QWidget* parent, const std::function<void()>& afterRead);
// Stun/kill read, then its page.
void RunStunKill(QWidget* parent, const std::function<void()>& afterRead);
// Special-option read, then its page.
void RunSpecialOption(QWidget* parent, const std::function<void()>& afterRead);
// Batch channel edit.
void ShowBatchChannelEdit(QWidget* parent);
// Print selection.
void ShowPrintDialog(QWidget* parent);
// The row of radios: the open image into one radio after another.
void ShowWriteMany(QWidget* parent);

} // namespace t40
