#include "mdi_form_main.h"

#include "band_table.h"
#include "data_file.h"
#include "document_history.h"
#include "help_topic.h"
#include "interface_language.h"
#include "page_window.h"
#include "program_files.h"
#include "prompts.h"
#include "reg_keys.h"
#include "screen_fit.h"
#include "settings_values.h"
#include "shared_state.h"
#include "window_menu.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QWindow>
#include <QTreeWidget>

// The picture resources live in this static library; they must be registered
// explicitly.
static void InitResources()
{
    Q_INIT_RESOURCE(t40);
}

namespace t40 {

namespace {
constexpr int TimerIntervalMs = 500;
constexpr int InitialSplitterTwips = 2500;
constexpr int SplitterMinimumTwips = 120;
const char* const ToolbarKey = "t40Key";
// Where the window was and how wide the tree was, for the next start.
const QString WindowSettingsGroup = QStringLiteral("MainWindow");
const QString GeometrySetting = QStringLiteral("Geometry");
const QString SplitterSetting = QStringLiteral("Splitter");
} // namespace

MDIFormMain::MDIFormMain(QWidget* parent)
    : QMainWindow(parent)
{
    InitResources();
    setWindowIcon(QIcon(QStringLiteral(":/icons/t40.png")));
    history_ = new DocumentHistory(AppDocument(), this);
    connect(history_, &DocumentHistory::restored, this, &MDIFormMain::refreshAfterRestore);
    connect(&AppDocument(), &RadioDocument::modifiedChanged, this, &MDIFormMain::showModifiedMark);
    buildMenus();
    buildToolbar();
    buildClientArea();
    buildStatusBar();
    Timer1 = new QTimer(this);
    Timer1->setInterval(TimerIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &MDIFormMain::Timer1_Timer);
    setWindowTitle(markedTitleText());
    resize(1000, 680);
}

MDIFormMain::~MDIFormMain() = default;

QAction* MDIFormMain::addMenuAction(QMenu* menu, void (MDIFormMain::*handler)(), const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(QString());
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    if (handler)
        connect(action, &QAction::triggered, this, handler);
    return action;
}

void MDIFormMain::buildMenus()
{
    QMenuBar* bar = menuBar();

    MenuFile = bar->addMenu(QString());
    MenuNew = addMenuAction(MenuFile, &MDIFormMain::MenuNew_Click, QKeySequence(Qt::CTRL | Qt::Key_N));
    MenuNewFromPreset = addMenuAction(MenuFile, &MDIFormMain::MenuNewFromPreset_Click);
    MenuOpen = addMenuAction(MenuFile, &MDIFormMain::MenuOpen_Click, QKeySequence(Qt::CTRL | Qt::Key_O));
    MenuOpenBackup = addMenuAction(MenuFile, &MDIFormMain::MenuOpenBackup_Click);
    MenuSave = addMenuAction(MenuFile, &MDIFormMain::MenuSave_Click, QKeySequence(Qt::CTRL | Qt::Key_S));
    MenuSaveAs = addMenuAction(MenuFile, &MDIFormMain::MenuSaveAs_Click);
    MenuCompare = addMenuAction(MenuFile, &MDIFormMain::MenuCompare_Click);
    MenuFile->addSeparator();
    MenuImportChannels = addMenuAction(MenuFile, &MDIFormMain::MenuImportChannels_Click);
    MenuExportChannels = addMenuAction(MenuFile, &MDIFormMain::MenuExportChannels_Click);
    MenuFile->addSeparator();
    MenuPrint = addMenuAction(MenuFile, &MDIFormMain::MenuPrint_Click, QKeySequence(Qt::CTRL | Qt::Key_P));
    MenuPrintView = addMenuAction(MenuFile, nullptr);
    MenuPrintView->setVisible(false);
    MenuFile->addSeparator();
    MenuExit = addMenuAction(MenuFile, &MDIFormMain::MenuExit_Click);

    MenuMachine = bar->addMenu(QString());
    MenuModelInformation = addMenuAction(MenuMachine, &MDIFormMain::MenuModelInformation_Click);

    MenuEdit = bar->addMenu(QString());
    MenuUndo = history_->undoAction();
    MenuRedo = history_->redoAction();
    MenuEdit->addAction(MenuUndo);
    MenuEdit->addAction(MenuRedo);
    MenuEdit->addSeparator();
    // The page in front lists its own commands here (see showPageCommands).
    pageCommandsEnd_ = MenuEdit->addSeparator();
    pageCommandsEnd_->setVisible(false);
    connect(MenuEdit, &QMenu::aboutToShow, this, &MDIFormMain::showPageCommands);
    MenuChannel = addMenuAction(MenuEdit, &MDIFormMain::MenuChannel_Click);
    MenuInsertPreset = addMenuAction(MenuEdit, &MDIFormMain::MenuInsertPreset_Click);
    MenuEdit->addSeparator();
    MenuOption = addMenuAction(MenuEdit, &MDIFormMain::MenuOption_Click);
    MenuKey = addMenuAction(MenuEdit, &MDIFormMain::MenuKey_Click);
    MenuScan = addMenuAction(MenuEdit, &MDIFormMain::MenuScan_Click);
    MenuScan->setVisible(false);
    MenuEdit->addSeparator()->setVisible(false);
    MenuMessage = addMenuAction(MenuEdit, &MDIFormMain::MenuMessage_Click);
    MenuMessage->setVisible(false);
    MenuLocalMessage = addMenuAction(MenuEdit, &MDIFormMain::MenuLocalMessage_Click);
    MenuLocalMessage->setVisible(false);
    MenuStun = addMenuAction(MenuEdit, &MDIFormMain::MenuStun_Click);
    MenuStun->setVisible(false);
    MenuEdit->addSeparator()->setVisible(false);
    MenuBank = addMenuAction(MenuEdit, &MDIFormMain::MenuBank_Click);
    MenuBank->setVisible(false);

    MenuProgram = bar->addMenu(QString());
    MenuRead = addMenuAction(MenuProgram, &MDIFormMain::MenuRead_Click, QKeySequence(Qt::CTRL | Qt::Key_R));
    MenuWrite = addMenuAction(MenuProgram, &MDIFormMain::MenuWrite_Click, QKeySequence(Qt::CTRL | Qt::Key_W));
    // The handler sets the check mark from the setting, whoever toggled it first.
    MenuVerify = MenuProgram->addAction(QString());
    MenuVerify->setCheckable(true);
    connect(MenuVerify, &QAction::triggered, this, [this] { MenuVerify_Click(); });
    MenuShowChanges = MenuProgram->addAction(QString());
    MenuShowChanges->setCheckable(true);
    connect(MenuShowChanges, &QAction::triggered, this, [this] { MenuShowChanges_Click(); });
    MenuWriteMany = addMenuAction(MenuProgram, &MDIFormMain::MenuWriteMany_Click);
    MenuProgram->addSeparator();
    MenuDetect = addMenuAction(MenuProgram, &MDIFormMain::MenuDetect_Click);
    MenuCheckCable = addMenuAction(MenuProgram, &MDIFormMain::MenuCheckCable_Click);
    MenuProgram->addSeparator()->setVisible(false);
    MenuPassword = addMenuAction(MenuProgram, &MDIFormMain::MenuPassword_Click);
    MenuPassword->setVisible(false);

    MenuTool = bar->addMenu(QString());
    MenuRadioInformation = addMenuAction(MenuTool, nullptr);
    MenuTool->menuAction()->setVisible(false);

    MenuSetting = bar->addMenu(QString());
    MenuCom = addMenuAction(MenuSetting, &MDIFormMain::MenuCom_Click);
    MenuLanguage = addMenuAction(MenuSetting, &MDIFormMain::MenuLanguage_Click);

    MenuView = bar->addMenu(QString());
    MenuTree = addMenuAction(MenuView, nullptr);
    MenuView->addSeparator();
    MenuToolBar = addMenuAction(MenuView, nullptr);
    MenuStatus = addMenuAction(MenuView, nullptr);
    // The handlers toggle the check mark themselves; Qt's own toggle is undone first.
    const std::pair<QAction*, void (MDIFormMain::*)()> toggles[] = {
        { MenuTree, &MDIFormMain::MenuTree_Click },
        { MenuToolBar, &MDIFormMain::MenuToolBar_Click },
        { MenuStatus, &MDIFormMain::MenuStatus_Click },
    };
    for (const auto& [action, handler] : toggles) {
        action->setCheckable(true);
        action->setChecked(true); // tree pane, toolbar and status bar are shown at start
        connect(action, &QAction::triggered, this, [this, action = action, handler = handler] {
            action->setChecked(!action->isChecked());
            (this->*handler)();
        });
    }

    MenuWindow = bar->addMenu(QString());
    MenuCeng = addMenuAction(MenuWindow, &MDIFormMain::MenuCeng_Click);
    MenuWindow->addSeparator();
    MenuCloseAll = addMenuAction(MenuWindow, &MDIFormMain::MenuCloseAll_Click);
    MenuWindow->addSeparator();

    MenuHelp = bar->addMenu(QString());
    MenuHelpPage = addMenuAction(MenuHelp, &MDIFormMain::MenuHelpPage_Click);
    MenuHelp->addSeparator();
    MenuProgrammingLog = addMenuAction(MenuHelp, &MDIFormMain::MenuProgrammingLog_Click);
    MenuAbout = addMenuAction(MenuHelp, &MDIFormMain::MenuAbout_Click);
}

void MDIFormMain::buildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    struct Button {
        const char* key;
        QStyle::StandardPixmap icon;
    };
    const Button buttons[] = {
        { "新建", QStyle::SP_FileIcon },
        { "打开", QStyle::SP_DialogOpenButton },
        { "保存", QStyle::SP_DialogSaveButton },
        { nullptr, QStyle::SP_CustomBase },
        { "读取", QStyle::SP_ArrowDown },
        { "串口", QStyle::SP_DriveNetIcon },
        { "写频", QStyle::SP_ArrowUp },
        { nullptr, QStyle::SP_CustomBase },
        { "帮助", QStyle::SP_MessageBoxQuestion },
    };
    for (const Button& button : buttons) {
        if (!button.key) {
            Toolbar1->addSeparator();
            continue;
        }
        const QString key = QString::fromUtf8(button.key);
        QAction* action = Toolbar1->addAction(style()->standardIcon(button.icon), key);
        action->setProperty(ToolbarKey, key);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        if (key == QString::fromUtf8("保存")) {
            Toolbar1->addSeparator();
            history_->undoAction()->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
            history_->redoAction()->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
            Toolbar1->addAction(history_->undoAction());
            Toolbar1->addAction(history_->redoAction());
        }
    }
}

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

void MDIFormMain::MDIForm_Load()
{
    State().reset();

    // Decimal separator as the locale writes one half.
    State().DecimalSeparator = QLocale().toString(0.5).contains(QLatin1Char('.')) ? QStringLiteral(".")
                                                                                   : QStringLiteral(",");
    SetInterfaceLanguage(LanguageFromSetting(RegReadValue(RegHive::LocalMachine, AppRegistryKey, LanguageValue)));
    State().ComPortNumber = ComPortFromSetting(RegReadValue(RegHive::LocalMachine, AppRegistryKey, ComPortValue));
    State().VerifyAfterWrite
        = RegReadValue(RegHive::LocalMachine, AppRegistryKey, VerifyAfterWriteValue) == QLatin1String("True");
    MenuVerify->setChecked(State().VerifyAfterWrite);
    // On unless switched off.
    State().ShowChangesBeforeWrite
        = RegReadValue(RegHive::LocalMachine, AppRegistryKey, ShowChangesBeforeWriteValue) != QLatin1String("False");
    MenuShowChanges->setChecked(State().ShowChangesBeforeWrite);

    CurrentFilePath.clear();
    ProgramPassword.clear();
    State().MainMenuHandle = menuBar();
    State().WindowMenuHandle = MenuWindow;

    loadTemplate();
    LanguageRefresh();
    if (TreeView1->topLevelItemCount() > 0)
        TreeView1->topLevelItem(0)->setExpanded(true);
    State().ChildWindowState = 0;
    OpenPage(ChannelPageId);
    startFreshHistory();
    placeAtStart();
    Timer1_Timer();
    Timer1->start();
    InstallHelpKey();
    InstallScreenFit();
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

void MDIFormMain::loadTemplate()
{
    static bool told = false;
    const QString path = ProgramDataPath(State().TemplateFileName);
    RadioImage memory = AppDocument().memory();
    const TemplateStatus status = LoadTemplate(path, memory);
    AppDocument().replaceImage(memory, AppDocument().isModified());
    if (status != TemplateStatus::Ok && !told) {
        told = true;
        ShowMessageBox(tr("The factory data file Init.dat is missing or damaged. The missing data is left empty."),
                       BoxIcon::Warning, BoxButtons::Ok, QString(), path);
    }
}

void MDIFormMain::LanguageRefresh()
{
    const std::pair<QAction*, QString> captions[] = {
        { MenuFile->menuAction(), tr("&File") },
        { MenuNew, tr("&New") },
        { MenuNewFromPreset, tr("New From Pre&set...") },
        { MenuOpen, tr("&Open") },
        { MenuOpenBackup, tr("Open &Backup...") },
        { MenuSave, tr("&Save") },
        { MenuSaveAs, tr("Save &As") },
        { MenuCompare, tr("Co&mpare With...") },
        { MenuImportChannels, tr("&Import Channels...") },
        { MenuExportChannels, tr("E&xport Channels...") },
        { MenuPrint, tr("&Print") },
        { MenuPrintView, tr("Print Pre&view") },
        { MenuExit, tr("&Exit") },
        { MenuMachine->menuAction(), tr("&Model") },
        { MenuModelInformation, tr("&Model Information") },
        { MenuEdit->menuAction(), tr("&Edit") },
        { MenuChannel, tr("&Channel Information") },
        { MenuInsertPreset, tr("Insert Pre&set Channels...") },
        { MenuOption, tr("&Function Setup") },
        { MenuKey, tr("&Key Setting") },
        { MenuScan, tr("&Scan Information") },
        { MenuMessage, tr("Embedded &Message") },
        { MenuLocalMessage, tr("&Local Message") },
        { MenuStun, tr("Stun/&Die Information") },
        { MenuBank, tr("&Batch ChannelEdit") },
        { MenuProgram->menuAction(), tr("&Program") },
        { MenuRead, tr("&Read From Radio") },
        { MenuWrite, tr("&Write To Radio") },
        { MenuVerify, tr("&Verify After Write") },
        { MenuShowChanges, tr("Show C&hanges Before Write") },
        { MenuWriteMany, tr("Write to &Many Radios...") },
        { MenuDetect, tr("&Detect Radio...") },
        { MenuCheckCable, tr("Check &Cable...") },
        { MenuPassword, tr("&PassWord") },
        { MenuTool->menuAction(), tr("&Tool") },
        { MenuRadioInformation, tr("&Radio Information") },
        { MenuSetting->menuAction(), tr("&Setting") },
        { MenuCom, tr("Set &Com") },
        { MenuLanguage, tr("Set &Language") },
        { MenuView->menuAction(), tr("&View") },
        { MenuTree, tr("Tree &View") },
        { MenuToolBar, tr("&Toolbar") },
        { MenuStatus, tr("&Statusbar") },
        { MenuWindow->menuAction(), tr("&Window") },
        { MenuCeng, tr("&Cascade") },
        { MenuCloseAll, tr("Close All &Windows") },
        { MenuHelp->menuAction(), tr("&Help") },
        { MenuHelpPage, tr("&Help Topics") },
        { MenuProgrammingLog, tr("Programming &Log...") },
        { MenuAbout, tr("&About") },
    };
    for (const auto& [action, text] : captions)
        action->setText(text);
    history_->retranslate();

    const std::pair<const char*, QString> tips[] = {
        { "新建", tr("New") },     { "打开", tr("Open") },  { "保存", tr("Save") }, { "读取", tr("Read") },
        { "串口", tr("Set Com") }, { "写频", tr("Write") }, { "帮助", tr("Help") },
    };
    for (QAction* action : Toolbar1->actions()) {
        const QString key = action->property(ToolbarKey).toString();
        for (const auto& [tipKey, text] : tips)
            if (key == QString::fromUtf8(tipKey)) {
                action->setToolTip(text);
                action->setIconText(text);
            }
    }

    Label1->setText(ApplicationTitle());

    // The tree is built once; a language change only renames its items.
    if (TreeView1->topLevelItemCount() == 0) {
        auto* root = new QTreeWidgetItem(TreeView1, { QStringLiteral("T40") });
        root->setData(0, Qt::UserRole, QStringLiteral("T40"));
        for (const char* key : { "TreeChannelInforamtion", "TreeOption", "TreeKey" })
            (new QTreeWidgetItem(root))->setData(0, Qt::UserRole, QString::fromUtf8(key));
    }
    const QString nodes[] = { tr("Channel Information"), tr("Function Setup"), tr("Key Setting") };
    QTreeWidgetItem* root = TreeView1->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i)
        root->child(i)->setText(0, nodes[i]);

    StatusPanels.at(1)->setText(portPanelText());
}

QString MDIFormMain::titleText() const
{
    const BandState& band = AppDocument().band();
    return QStringLiteral("T40[%1: %2 - %3").arg(band.name).arg(band.lowMHz).arg(band.effectiveHighMHz)
        + tr(" MHz] [FileName:") + AppDocument().title() + QStringLiteral("]");
}

QString MDIFormMain::markedTitleText() const
{
    QString title = titleText();
    return title.insert(title.size() - 1, QStringLiteral("[*]"));
}

void MDIFormMain::showModifiedMark()
{
    setWindowModified(AppDocument().isModified());
}

void MDIFormMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && StatusPanels.size() > 3) {
        LanguageRefresh();
        Timer1_Timer();
    }
    // A maximised page that closes clears the mark of the window it was
    // in; the document decides.
    if (event->type() == QEvent::ModifiedChange && isWindowModified() != AppDocument().isModified())
        showModifiedMark();
}

QString MDIFormMain::bandPanelText() const
{
    const BandState& band = AppDocument().band();
    return QStringLiteral("%1[%2-%3 MHz]").arg(band.name).arg(band.lowMHz).arg(band.effectiveHighMHz);
}

QString MDIFormMain::portPanelText() const
{
    return tr("COM") + QString::number(State().ComPortNumber);
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
    if (watched == windowHandle() && event->type() == QEvent::Close && askingToSave_) {
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

void MDIFormMain::closeEvent(QCloseEvent* event)
{
    // A second close while the save question waits would end the program
    // behind the user's answer.
    if (askingToSave_) {
        event->ignore();
        return;
    }
    flushChannelEdit();
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    QSettings settings(QStringLiteral("ZEV"), QStringLiteral("T40"));
    settings.beginGroup(WindowSettingsGroup);
    settings.setValue(GeometrySetting, saveGeometry());
    settings.setValue(SplitterSetting, splitterTwips_);
    CloseAllPages();
    QMainWindow::closeEvent(event);
}

} // namespace t40
