// File > Compare With...: the open data against a data file.

#include "data_file.h"
#include "document_diff.h"
#include "form_compare.h"
#include "mdi_form_main.h"
#include "prompts.h"
#include "shared_state.h"

#include <QFileInfo>

namespace t40 {

void MDIFormMain::MenuCompare_Click()
{
    const QString path = ShowOtherFileDialog(true, tr("Compare With"), QString(),
                                             { tr("Radio data file(*.rdat *.dat)"),
                                               tr("All file(*.*)") },
                                             QString(), CurrentFilePath.isEmpty() ? QString() : QFileInfo(CurrentFilePath).path());
    if (path.isEmpty())
        return;
    RadioImage other;
    QString reason;
    const DataFileStatus status = LoadDataFileOrImage(path, other, &reason);
    if (status == DataFileStatus::IoError) {
        ShowMessageBox(tr("Cannot read the file %1: %2").arg(path, reason), BoxIcon::Error);
        return;
    }
    if (status != DataFileStatus::Ok) {
        ShowMessageBox(tr("Error file！"), BoxIcon::Error, BoxButtons::Ok, tr("Error"));
        return;
    }
    // Text still in an editor is part of the open data.
    flushChannelEdit();
    AppDocument().commitPendingEdits();
    FormCompare form(AppDocument().title(), QFileInfo(path).fileName(),
                     CompareImages(AppDocument().memory(), other, State().IsEnglish), this);
    form.exec();
}

} // namespace t40
