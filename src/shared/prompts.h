#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

class QWidget;

namespace t40 {

// Every message box and file dialog of the program goes through here, so that
// tests can answer them by script.

QString ApplicationTitle();
// The program file's name without its extension: the caption of the copy tools' boxes.
QString ExecutableName();

enum class BoxIcon { Error, Warning, Information };
enum class BoxButtons { Ok, OkCancel, RetryCancel, SaveDiscardCancel };
enum class BoxAnswer { Ok, Cancel, Retry, Save, Discard };

// A modal message box; the caption defaults to the application title.
BoxAnswer ShowMessageBox(const QString& text, BoxIcon icon = BoxIcon::Warning,
                         BoxButtons buttons = BoxButtons::Ok, const QString& caption = QString(),
                         const QString& detail = QString());

// The open or save dialog for data files ("OPEN", any case, gives an open
// dialog). Returns the chosen path, or an empty string when cancelled.
// folder: where the dialog starts; empty leaves it to the system.
QString ShowFileDialog(const QString& kind, const QString& title, const QString& defaultName,
                       const QString& folder = QString());

// An open or save dialog for other files (CSV, PDF): the given filters, and
// on saving the default suffix.
QString ShowOtherFileDialog(bool open, const QString& title, const QString& defaultName, const QStringList& filters,
                            const QString& defaultSuffix = QString(), const QString& folder = QString());

// A save dialog for any other file (an export): the chosen path, or an empty
// string when cancelled. The data file's title stays as it is.
QString ShowSaveFileDialog(const QString& title, const QString& defaultName, const QStringList& filters);

struct MessageRecord {
    QString text;
    QString caption;
    BoxIcon icon;
    BoxButtons buttons;
    QString detail;
};

struct FileDialogRecord {
    bool open;
    QString title;
    QString defaultName;
    QStringList filters;
    QString folder;
};

// Answers for tests. Message boxes take the next answer (Ok when none is
// queued; Cancel for Retry/Cancel boxes; Discard for Save/Discard/Cancel); file dialogs take the next path
// (an empty path = cancelled; cancelled when none is queued).
struct PromptScript {
    std::deque<BoxAnswer> answers;
    std::deque<QString> paths;
    std::vector<MessageRecord> messages;
    std::vector<FileDialogRecord> fileDialogs;
    // Runs while a message box is shown, before it takes its answer: what the
    // user (or the desktop) could do while a question waits.
    std::function<void(const MessageRecord&)> whileShown;
};

// nullptr restores the real dialogs.
void SetPromptScript(PromptScript* script);

} // namespace t40
