#include "help_topic.h"

#include "program_files.h"

#include "prompts.h"
#include "shared_state.h"

#include <QCoreApplication>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>
#include <QUrl>

#include <functional>

namespace t40 {

namespace {
QPointer<HelpViewer> g_helpWindow;

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
    { "t40::FormPrinterSetting", "Print.htm" },
    { "t40::FormChannelCopy", "chcopy.htm" },
    { "t40::FormFrequencyCopy", "freqcopy.htm" },
    { "t40::FormQtDqtCopy", "qtdqtcopy.htm" },
    { "t40::FormCheckCable", "cable.htm" },
    { "t40::FormChangePreview", "preview.htm" },
    { "t40::FormComPort", "comport.htm" },
    { "t40::FormModelInformation", "model.htm" },
    { "t40::FormDetectRadio", "detect.htm" },
    { "t40::FormWriteMany", "writemany.htm" },
    { "t40::FormProgrammingLog", "proglog.htm" },
    { "t40::FormCompare", "compare.htm" },
    { "t40::FormImportChannels", "import.htm" },
    { "t40::FormChannelPreset", "presets.htm" },
    { "QMessageBox", "messages.htm" },
};

const QUrl ContentsUrl(QStringLiteral("t40-help:contents"));

// A browser that knows one page more than the help folder: the contents.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(std::function<QString()> contents, QWidget* parent)
        : QTextBrowser(parent)
        , contents_(std::move(contents))
    {
    }
    QVariant loadResource(int type, const QUrl& url) override
    {
        if (url == ContentsUrl)
            return contents_();
        return QTextBrowser::loadResource(type, url);
    }

private:
    std::function<QString()> contents_;
};

// The topic's own title, for the contents.
QString TopicTitle(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QString html = QString::fromUtf8(file.read(4096));
    const qsizetype begin = html.indexOf(QStringLiteral("<title>"));
    const qsizetype end = html.indexOf(QStringLiteral("</title>"));
    return begin >= 0 && end > begin ? html.mid(begin + 7, end - begin - 7).trimmed() : QString();
}

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

namespace {
// The folder that holds a topic in the interface language.
QString TopicFolder(const QString& topic)
{
    const QString folder = HelpFolder();
    if (!State().IsEnglish && QFileInfo(QDir(folder).filePath(QStringLiteral("zh/") + topic)).isFile())
        return QDir(folder).filePath(QStringLiteral("zh"));
    return folder;
}
} // namespace

void ShowHelpTopic(const QString& topic)
{
    const QString folder = TopicFolder(topic);
    const QString path = QDir(folder).filePath(topic);
    if (!QFileInfo(path).isFile())
        return;
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner || owner == g_helpWindow)
        owner = MainWindow();
    if (!g_helpWindow) {
        g_helpWindow = new HelpViewer(owner);
    } else if (g_helpWindow->parentWidget() != owner) {
        const QRect where = g_helpWindow->geometry();
        g_helpWindow->setParent(owner, Qt::Window);
        g_helpWindow->setGeometry(where);
    }
    g_helpWindow->showTopic(folder, path);
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

HelpViewer* HelpWindow()
{
    return g_helpWindow;
}

HelpViewer::HelpViewer(QWidget* owner)
    : QWidget(owner, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    contentsAction = bar->addAction(style()->standardIcon(QStyle::SP_FileDialogListView), QString());
    backAction = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QString());
    backAction->setEnabled(false);
    browser = new HelpBrowser([this] { return contentsPage(); }, this);
    browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser);
    connect(contentsAction, &QAction::triggered, this, &HelpViewer::showContents);
    connect(backAction, &QAction::triggered, browser, &QTextBrowser::backward);
    connect(browser, &QTextBrowser::backwardAvailable, backAction, &QAction::setEnabled);
    resize(660, 540);
    // Centred on its owner (or the screen); kept inside the screen as it shows.
    const QRect around = owner ? owner->frameGeometry() : screen()->availableGeometry();
    move(around.center() - QPoint(width() / 2, height() / 2));
}

void HelpViewer::showTopic(const QString& folder, const QString& path)
{
    folder_ = folder;
    fillCaptions();
    browser->setSearchPaths({ folder });
    browser->setSource(QUrl::fromLocalFile(path));
}

void HelpViewer::fillCaptions()
{
    setWindowTitle(ApplicationTitle() + QStringLiteral(" - ") + tr("Help"));
    contentsAction->setText(tr("&Contents"));
    backAction->setText(tr("&Back"));
}

void HelpViewer::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    fillCaptions();
    // The page shown, in the other language.
    const QUrl shown = browser->source();
    if (shown == ContentsUrl) {
        folder_ = TopicFolder(GeneralTopic);
        browser->setSearchPaths({ folder_ });
        browser->reload();
        return;
    }
    if (!shown.isLocalFile())
        return;
    const QString topic = QDir(folder_).relativeFilePath(shown.toLocalFile());
    const QString folder = TopicFolder(topic);
    const QString file = QDir(folder).filePath(topic);
    if (!QFileInfo(file).isFile())
        return;
    QUrl path = QUrl::fromLocalFile(file);
    path.setFragment(shown.fragment());
    folder_ = folder;
    browser->setSearchPaths({ folder_ });
    browser->setSource(path);
}

void HelpViewer::showContents()
{
    // A page of its own in the browser's history: Back returns from it.
    browser->setSource(ContentsUrl);
}

// Every topic of the program, by its title, in the language shown.
QString HelpViewer::contentsPage() const
{
    QStringList topics { GeneralTopic };
    for (const WindowTopic& entry : WindowTopics)
        if (const QString topic = QString::fromLatin1(entry.topic); !topics.contains(topic))
            topics << topic;
    QString html = QStringLiteral("<html><body><h1>%1</h1><ul>").arg(tr("Contents"));
    for (const QString& topic : topics) {
        const QString path = QDir(folder_).filePath(topic);
        const QString title = TopicTitle(path);
        if (!title.isEmpty())
            html += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                        .arg(QUrl::fromLocalFile(path).toString(), title.toHtmlEscaped());
    }
    html += QStringLiteral("</ul></body></html>");
    return html;
}

void HelpViewer::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QUrl HelpViewer::source() const
{
    return browser->source();
}

QString HelpViewer::toPlainText() const
{
    return browser->toPlainText();
}

} // namespace t40
