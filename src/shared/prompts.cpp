#include "prompts.h"

#include "shared_state.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace t40 {

namespace {
PromptScript* g_script = nullptr;

QStringList FileFilters()
{
    return { QCoreApplication::translate("t40::Prompts", "Radio data file(*.rdat)"),
             QCoreApplication::translate("t40::Prompts", "All file(*.*)") };
}
} // namespace

QString ApplicationTitle()
{
    return QStringLiteral("ZUL");
}

QString ExecutableName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void SetPromptScript(PromptScript* script)
{
    g_script = script;
}

BoxAnswer ShowMessageBox(const QString& text, BoxIcon icon, BoxButtons buttons, const QString& caption,
                         const QString& detail)
{
    const QString title = caption.isEmpty() ? ApplicationTitle() : caption;
    if (g_script) {
        g_script->messages.push_back({ text, title, icon, buttons, detail });
        if (g_script->whileShown) {
            const MessageRecord shown = g_script->messages.back(); // the callback may show another box
            g_script->whileShown(shown);
        }
        if (g_script->answers.empty())
            return buttons == BoxButtons::RetryCancel         ? BoxAnswer::Cancel
                : buttons == BoxButtons::SaveDiscardCancel ? BoxAnswer::Discard
                                                           : BoxAnswer::Ok;
        const BoxAnswer answer = g_script->answers.front();
        g_script->answers.pop_front();
        return answer;
    }

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    if (!detail.isEmpty())
        box.setInformativeText(detail);
    switch (icon) {
    case BoxIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case BoxIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case BoxIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    switch (buttons) {
    case BoxButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case BoxButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case BoxButtons::RetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    case BoxButtons::SaveDiscardCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        break;
    }
    // The buttons speak the interface language, not the desktop's.
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setText(QCoreApplication::translate("t40::Prompts", "OK"));
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel))
        cancel->setText(QCoreApplication::translate("t40::Prompts", "Cancel"));
    if (QAbstractButton* retry = box.button(QMessageBox::Retry))
        retry->setText(QCoreApplication::translate("t40::Prompts", "Retry"));
    if (QAbstractButton* save = box.button(QMessageBox::Save))
        save->setText(QCoreApplication::translate("t40::Prompts", "&Save"));
    if (QAbstractButton* discard = box.button(QMessageBox::Discard))
        discard->setText(QCoreApplication::translate("t40::Prompts", "&Don't Save"));
    const int result = box.exec();
    if (result == QMessageBox::Save)
        return BoxAnswer::Save;
    if (result == QMessageBox::Discard)
        return BoxAnswer::Discard;
    if (result == QMessageBox::Retry)
        return BoxAnswer::Retry;
    if (result == QMessageBox::Ok)
        return BoxAnswer::Ok;
    return BoxAnswer::Cancel;
}

QString ShowOtherFileDialog(bool open, const QString& title, const QString& defaultName, const QStringList& filters,
                            const QString& defaultSuffix, const QString& folder)
{
    QString path;
    if (g_script) {
        g_script->fileDialogs.push_back({ open, title, defaultName, filters, folder });
        if (!g_script->paths.empty()) {
            path = g_script->paths.front();
            g_script->paths.pop_front();
        }
        return path;
    }
    QFileDialog dialog(QApplication::activeWindow(), title);
    // The desktop's own dialog would speak the desktop's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(filters);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultSuffix);
    }
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (!defaultName.isEmpty())
        dialog.selectFile(defaultName);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        path = dialog.selectedFiles().constFirst();
    return path;
}

QString ShowFileDialog(const QString& kind, const QString& title, const QString& defaultName, const QString& folder)
{
    const bool open = kind.toUpper() == QStringLiteral("OPEN");
    const QString path
        = ShowOtherFileDialog(open, title, defaultName, FileFilters(), QStringLiteral("rdat"), folder);
    return path;
}

} // namespace t40

namespace t40 {

QString ShowSaveFileDialog(const QString& title, const QString& defaultName, const QStringList& filters)
{
    return ShowOtherFileDialog(false, title, defaultName, filters);
}

} // namespace t40
