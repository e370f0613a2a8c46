#include "help_topic.h"

#include "program_files.h"

#include "prompts.h"
#include "shared_state.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace t40 {

namespace {
QPointer<QTextBrowser> g_helpWindow;
}

QString HelpFolder()
{
    return ProgramDataPath(QStringLiteral("help"));
}

void ShowHelpTopic(const QString& topic)
{
    const QString path = QDir(HelpFolder()).filePath(topic);
    if (!QFileInfo(path).isFile())
        return;
    if (!g_helpWindow) {
        g_helpWindow = new QTextBrowser;
        g_helpWindow->setAttribute(Qt::WA_DeleteOnClose);
        g_helpWindow->setOpenExternalLinks(true);
        g_helpWindow->resize(640, 520);
    }
    g_helpWindow->setSearchPaths({ HelpFolder() });
    g_helpWindow->setSource(QUrl::fromLocalFile(path));
    g_helpWindow->setWindowTitle(ApplicationTitle() + QStringLiteral(" - ") + Lang("Help", "帮助"));
    g_helpWindow->show();
    g_helpWindow->raise();
    g_helpWindow->activateWindow();
}

QTextBrowser* HelpWindow()
{
    return g_helpWindow;
}

} // namespace t40
