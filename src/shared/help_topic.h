#pragma once

#include <QString>

class QTextBrowser;

namespace t40 {

// The folder of HTML help topics shipped beside the program.
QString HelpFolder();

// Shows a topic (a path inside the help folder, such as "Scan/Scan.htm") in
// the program's help window. A missing topic shows nothing.
void ShowHelpTopic(const QString& topic);

// The help window, once a topic has been shown (nullptr before).
QTextBrowser* HelpWindow();

} // namespace t40
