// The main window's place and layout: the tree pane beside the page area,
// the splitter between them, and the events that move them.
#include "mdi_form_main.h"

#include "file_commands.h"
#include "interface_language.h"
#include "main_window_keys.h"
#include "page_window.h"
#include "shared_state.h"
#include "window_menu.h"

#include <QDate>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QWindow>

namespace t40 {

using namespace main_window;

void MDIFormMain::buildClientArea()
{
    client_ = new QWidget(this);
    setCentralWidget(client_);

    PictureTree = new QWidget(client_);
    PictureTree->setObjectName(QStringLiteral("PictureTree"));
    FrameTree = new QFrame(PictureTree);
    static_cast<QFrame*>(FrameTree)->setFrameShape(QFrame::StyledPanel);
    Label1 = new QLabel(FrameTree);
    Label1->setAlignment(Qt::AlignCenter);
    QFont titleFont = Label1->font();
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    TreeView1 = new QTreeWidget(FrameTree);
    TreeView1->setHeaderHidden(true);
    connect(TreeView1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        TreeView1_NodeClick(item->data(0, Qt::UserRole).toString());
    });
    PictureSeparator = new QWidget(PictureTree);
    PictureSeparator->setCursor(Qt::SplitHCursor);
    PictureSeparator->setMouseTracking(false);
    PictureSeparator->installEventFilter(this);

    MdiArea = new QMdiArea(client_);
    MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A page's close key would take Ctrl+W from Write To Radio; Ctrl+F4 stays.
    connect(MdiArea, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* sub) {
        if (!sub || !sub->systemMenu())
            return;
        const QKeySequence writeKey(Qt::CTRL | Qt::Key_W);
        for (QAction* action : sub->systemMenu()->actions())
            if (QList<QKeySequence> keys = action->shortcuts(); keys.removeAll(writeKey) > 0)
                action->setShortcuts(keys);
    });

    client_->installEventFilter(this);
}

void MDIFormMain::buildStatusBar()
{
    StatusBar1 = statusBar();
    StatusBar1->setSizeGripEnabled(true);
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(StatusBar1);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(6, 0, 6, 0);
        StatusBar1->addPermanentWidget(panel, i == 0 ? 1 : 0);
        StatusPanels.append(panel);
    }
    StatusBar1->installEventFilter(this);
}

int MDIFormMain::treeTwipsNeeded() const
{
    // The tree is 120 twips narrower than the splitter position.
    const int pixels = static_cast<const QAbstractItemView*>(TreeView1)->sizeHintForColumn(0) + 2 * TreeView1->frameWidth() + 8;
    return pixels * twipsPerPixel() + 120;
}

void MDIFormMain::placeAtStart()
{
    QSettings settings(QStringLiteral("ZEV"), QStringLiteral("T40"));
    settings.beginGroup(WindowSettingsGroup);
    splitterTwips_ = qMax(settings.value(SplitterSetting, InitialSplitterTwips).toInt(), treeTwipsNeeded());
    LayoutTreePane(splitterTwips_);
    if (restoreGeometry(settings.value(GeometrySetting).toByteArray()))
        return;
    // First start: room for the whole channel grid beside the uncut tree.
    const PageWindow* grid = page(ChannelPageId);
    const QWidget* frame = grid ? grid->parentWidget() : nullptr;
    const QSize pageSize = frame ? frame->size() : QSize(700, 450);
    const int tpp = twipsPerPixel();
    const int chrome = 2 * MdiArea->frameWidth() + 8;
    QSize wanted((splitterTwips_ + 100) / tpp + pageSize.width() + chrome,
                 menuBar()->sizeHint().height() + Toolbar1->sizeHint().height() + StatusBar1->sizeHint().height()
                     + pageSize.height() + chrome);
    if (const QScreen* where = screen())
        wanted = wanted.boundedTo(where->availableGeometry().size() - QSize(16, 48)); // leave room for the frame
    resize(wanted);
}

void MDIFormMain::Timer1_Timer()
{
    const QLocale locale = InterfaceLocale();
    StatusPanels.at(2)->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    StatusPanels.at(3)->setText(locale.toString(QTime::currentTime(), QLocale::LongFormat));
    setWindowTitle(markedTitleText());
    StatusPanels.at(0)->setText(bandPanelText());
    if (LayoutPending) {
        Timer1->setInterval(TimerIntervalMs);
        LayoutTreePane(splitterTwips_);
        LayoutPending = false;
    }
}

int MDIFormMain::twipsPerPixel() const
{
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    return qMax(1, 1440 / dpi);
}

void MDIFormMain::LayoutTreePane(int x)
{
    splitterTwips_ = x;
    const int tpp = twipsPerPixel();
    const auto px = [tpp](int twips) { return twips / tpp; };

    const int paneHeightTwips = client_->height() * tpp;
    const int paneWidthTwips = x + 100;
    PictureTree->setGeometry(0, 0, px(paneWidthTwips), client_->height());

    if (paneHeightTwips >= 500)
        PictureSeparator->setGeometry(px(x), 0, px(50), px(paneHeightTwips - 500));
    else
        PictureSeparator->setGeometry(px(x), 0, px(50), PictureSeparator->height());

    int frameWidth = FrameTree->width() * tpp;
    int frameHeight = FrameTree->height() * tpp;
    if (paneWidthTwips >= 100)
        frameWidth = paneWidthTwips - 100;
    if (paneHeightTwips >= 520)
        frameHeight = paneHeightTwips - 520;
    FrameTree->setGeometry(0, px(10), px(frameWidth), px(frameHeight));

    Label1->setGeometry(0, px(120), px(frameWidth), px(400));
    int treeWidth = TreeView1->width() * tpp;
    int treeHeight = TreeView1->height() * tpp;
    if (frameWidth >= 120)
        treeWidth = frameWidth - 120;
    if (frameHeight >= 100)
        treeHeight = frameHeight - 100;
    TreeView1->setGeometry(0, px(600), px(treeWidth), px(treeHeight));
    layoutClient();
}

void MDIFormMain::layoutClient()
{
    const int left = PictureTree->isVisible() ? PictureTree->width() : 0;
    MdiArea->setGeometry(left, 0, qMax(0, client_->width() - left), client_->height());
}

void MDIFormMain::DragSplitterTo(int clientPixelX)
{
    const int tpp = twipsPerPixel();
    int x = clientPixelX * tpp;
    const int halfWidth = width() * tpp / 2;
    if (x <= SplitterMinimumTwips)
        x = SplitterMinimumTwips;
    else if (x > halfWidth)
        x = halfWidth;
    LayoutTreePane(x);
}

void MDIFormMain::onClientResize()
{
    layoutClient();
    if (PictureTree->height() != 0 || client_->height() != 0) {
        LayoutPending = true;
        Timer1->setInterval(1);
        if (!Timer1->isActive())
            Timer1->start();
    }
}

bool MDIFormMain::eventFilter(QObject* watched, QEvent* event)
{
    // A close that arrives while the save question of a close waits never
    // reaches closeEvent (Qt counts the window as closing already) and would
    // end the program behind the question: it is refused here.
    if (watched == windowHandle() && event->type() == QEvent::Close && files_->askingToSave()) {
        event->ignore();
        return true;
    }
    if (watched == client_ && event->type() == QEvent::Resize) {
        onClientResize();
    } else if (watched == PictureSeparator) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            SplitterDragging = true;
            return true;
        case QEvent::MouseButtonRelease:
            SplitterDragging = false;
            return true;
        case QEvent::MouseMove:
            if (SplitterDragging) {
                const QPointF global = static_cast<QMouseEvent*>(event)->globalPosition();
                DragSplitterTo(client_->mapFromGlobal(global.toPoint()).x());
            }
            return true;
        default:
            break;
        }
    } else if (watched == StatusBar1 && event->type() == QEvent::MouseButtonDblClick) {
        // Hidden service-mode gesture: Ctrl+Shift with a right-button double-click.
        auto* mouse = static_cast<QMouseEvent*>(event);
        const auto wanted = Qt::ControlModifier | Qt::ShiftModifier;
        if (mouse->button() == Qt::RightButton && (mouse->modifiers() & wanted) == wanted) {
            State().ServiceMode = !State().ServiceMode;
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (QWindow* window = windowHandle())
        window->installEventFilter(this);
    layoutClient();
    fitPagesToArea();
}

void MDIFormMain::fitPagesToArea()
{
    const QSize area = MdiArea->viewport()->size();
    if (area.isEmpty())
        return;
    for (QMdiSubWindow* sub : MdiArea->subWindowList()) {
        if (sub->isMaximized() || sub->isMinimized())
            continue;
        sub->resize(sub->size().boundedTo(area));
        if (!QRect(QPoint(0, 0), area).contains(sub->geometry()))
            sub->move(0, 0);
    }
}

} // namespace t40
