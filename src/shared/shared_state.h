#pragma once

#include "radio_document.h"

#include <QPointer>
#include <QString>

class QMenu;
class QMenuBar;

namespace t40 {

// The application-wide state that the windows share. One instance for the
// run; reset() restores the start values (start-up and tests).
struct SharedState {
    bool IsEnglish = false;
    QString DecimalSeparator = QStringLiteral(".");
    int ComPortNumber = 1;
    int ChildWindowState = 0; // 0 normal, 1 minimised, 2 maximised

    bool ChannelPageOpen = false;
    bool OptionPageOpen = false;
    bool KeyPageOpen = false;
    bool ScanPageOpen = false;
    bool MessagePageOpen = false;
    bool TunePageOpen = false;
    bool ChannelEditorOpen = false;

    bool LanguageChanged = false;

    bool SessionWindowOpen = false;
    bool VerifyAfterWrite = false; // a whole-image write is read back and compared
    bool ShowChangesBeforeWrite = true; // Write To Radio reads first and shows what will change

    QString TemplateFileName = QStringLiteral("Init.dat"); // in the program folder
    bool ServiceMode = false;

    QPointer<QMenuBar> MainMenuHandle;
    QPointer<QMenu> WindowMenuHandle;

    int CurrentGroup = 0;

    // Also resets the application's document.
    void reset();
};

SharedState& State();

// The document the main window edits, for the windows that do not yet get it
// handed to them.
RadioDocument& AppDocument();

} // namespace t40
