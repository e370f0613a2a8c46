#pragma once

#include <QObject>

namespace t40 {

class MDIFormMain;

// The main window's commands that exchange data with other files without
// replacing the document: compare with a data file, channels as CSV.
class ExchangeCommands : public QObject {
    Q_OBJECT
public:
    explicit ExchangeCommands(MDIFormMain& main);

public slots:
    void MenuCompare_Click();
    void MenuImportChannels_Click();
    void MenuExportChannels_Click();
    void MenuInsertPreset_Click();

private:
    MDIFormMain& main_;
};

} // namespace t40
