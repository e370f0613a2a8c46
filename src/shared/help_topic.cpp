#include "help_topic.h"

#include "program_files.h"

#include "prompts.h"
#include "shared_state.h"

#include <QCoreApplication>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace t40 {

namespace {
QPointer<QTextBrowser> g_helpWindow;

const QString GeneralTopic = QStringLiteral("general.htm");

// The windows that have a topic of their own, by class.
struct WindowTopic {
    const char* className;
    const char* topic;
};
constexpr WindowTopic WindowTopics[] = {
    { "t40::FormChannelInformation", "chinfo.htm" },
    { "t40::FormChannelEdit", "chEdit.htm" },
    { "t40::FormOption", "optfeatures.htm" },
    { "t40::FormKeySetting", "keyassign.htm" },
    { "t40::FormScanInformation", "Scan/Scan.htm" },
    { "t40::FormEmbedMessage", "embmsg.htm" },
    { "t40::FormLocalMessage", "Local/Local.htm" },
    { "t40::FormPrint", "Print.htm" },
    { "t40::FormChannelCopy", "chcopy.htm" },
    { "t40::FormFrequencyCopy", "freqcopy.htm" },
    { "t40::FormQtDqtCopy", "qtdqtcopy.htm" },
    { "t40::FormCheckCable", "cable.htm" },
    { "t40::FormChangePreview", "preview.htm" },
};

QString OwnTopic(const QWidget* widget)
{
    for (const WindowTopic& entry : WindowTopics)
        if (widget->inherits(entry.className))
            return QString::fromLatin1(entry.topic);
    return QString();
}

QWidget* MainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w) && w->isVisible())
            return w;
    return nullptr;
}

class HelpKeyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        ShowHelpForActiveWindow();
        return true;
    }
};
} // namespace

QString HelpFolder()
{
    return ProgramDataPath(QStringLiteral("help"));
}

void ShowHelpTopic(const QString& topic)
{
    QString folder = HelpFolder();
    if (!State().IsEnglish && QFileInfo(QDir(folder).filePath(QStringLiteral("zh/") + topic)).isFile())
        folder = QDir(folder).filePath(QStringLiteral("zh"));
    const QString path = QDir(folder).filePath(topic);
    if (!QFileInfo(path).isFile())
        return;
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner || owner == g_helpWindow)
        owner = MainWindow();
    if (!g_helpWindow) {
        g_helpWindow = new QTextBrowser(owner);
        g_helpWindow->setWindowFlag(Qt::Window);
        g_helpWindow->setAttribute(Qt::WA_DeleteOnClose);
        g_helpWindow->setOpenExternalLinks(true);
        g_helpWindow->resize(640, 520);
    } else if (g_helpWindow->parentWidget() != owner) {
        const QRect where = g_helpWindow->geometry();
        g_helpWindow->setParent(owner, Qt::Window);
        g_helpWindow->setGeometry(where);
    }
    g_helpWindow->setSearchPaths({ folder });
    g_helpWindow->setSource(QUrl::fromLocalFile(path));
    g_helpWindow->setWindowTitle(ApplicationTitle() + QStringLiteral(" - ") + QCoreApplication::translate("t40::HelpTopic", "Help"));
    g_helpWindow->show();
    g_helpWindow->raise();
    g_helpWindow->activateWindow();
}

QString HelpTopicFor(const QWidget* window)
{
    for (const QWidget* w = window; w; w = w->parentWidget())
        if (const QString topic = OwnTopic(w); !topic.isEmpty())
            return topic;
    // A main window answers with the page in front.
    if (window)
        if (const auto* area = window->window()->findChild<QMdiArea*>())
            if (const QMdiSubWindow* page = area->activeSubWindow(); page && page->widget())
                if (const QString topic = OwnTopic(page->widget()); !topic.isEmpty())
                    return topic;
    return GeneralTopic;
}

void ShowHelpForActiveWindow()
{
    QWidget* window = QApplication::activeModalWidget();
    if (!window || window == g_helpWindow)
        window = QApplication::focusWidget();
    if (!window || window->window() == g_helpWindow)
        window = MainWindow();
    ShowHelpTopic(HelpTopicFor(window));
}

void InstallHelpKey()
{
    static QPointer<HelpKeyFilter> filter;
    if (!filter)
        filter = new HelpKeyFilter(qApp);
    qApp->installEventFilter(filter);
}

QTextBrowser* HelpWindow()
{
    return g_helpWindow;
}

} // namespace t40
