#pragma once

#include <QObject>
#include <QString>

namespace t40 {

class MDIFormMain;

// The main window's file commands: New, Open, Open Backup, Save, Save As,
// Print, Exit, and the model change, which starts the data afresh as New does.
class FileCommands : public QObject {
    Q_OBJECT
public:
    explicit FileCommands(MDIFormMain& main);

    QString currentFilePath() const { return CurrentFilePath; }
    // A save question (and the save it may lead to) is open: a close must wait.
    bool askingToSave() const { return askingToSave_; }

    // Before a command that replaces the document: asks whether to save
    // unsaved changes. False when the user cancels or the save fails.
    bool maybeSave();
    // False when nothing was written (no name chosen, or the write failed).
    bool save(const QString& dialogTitle);
    // After New or Open: the history starts afresh and nothing is unsaved.
    void startFreshHistory();
    // Opens a data file given by name (command line, file manager).
    void OpenDataFile(const QString& path);

public slots:
    void MenuNew_Click();
    void MenuNewFromPreset_Click();
    void MenuOpen_Click();
    void MenuOpenBackup_Click();
    void MenuSave_Click();
    void MenuSaveAs_Click();
    void MenuPrint_Click();
    void MenuExit_Click();
    void MenuModelInformation_Click();

private:
    bool writeFile(const QString& path);
    // Save As; false when the user gave up or the file could not be written.
    bool saveAs();
    void openDataFile(const QString& title, const QString& folder);
    // Puts a data file's contents in place of the document; false (and the
    // reason shown) when the file cannot be read or is no data file.
    bool loadDataFile(const QString& path);

    MDIFormMain& main_;
    QString CurrentFilePath;
    bool askingToSave_ = false;
};

} // namespace t40
