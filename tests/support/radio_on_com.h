#pragma once

#include "pty_radio_server.h"
#include "shared_state.h"

#include <QSettings>
#include <QString>

namespace t40::test {

// Opens the virtual radio's pseudo-terminal, gives it the number COMn as a
// user's settings would, selects that port and starts answering.
inline bool ServeRadioOnCom(PtyRadioServer& server, int com, QString* reason)
{
    if (!server.open(reason))
        return false;
    QSettings(QStringLiteral("ZEV"), QStringLiteral("T40")).setValue(QStringLiteral("Ports/COM%1").arg(com), server.devicePath());
    State().ComPortNumber = com;
    server.startThread();
    return true;
}

} // namespace t40::test
