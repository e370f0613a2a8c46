#include "mdi_form_main.h"

#include "band_table.h"
#include "data_file.h"
#include "document_history.h"
#include "help_topic.h"
#include "page_window.h"
#include "program_files.h"
#include "prompts.h"
#include "qt_translation.h"
#include "reg_keys.h"
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
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QToolBar>
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
    MenuPrint->setText(QString::fromUtf8("打印(&P)"));
    MenuPrintView = addMenuAction(MenuFile, nullptr);
    MenuPrintView->setText(QString::fromUtf8("打印预览(&V)"));
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
    State().IsEnglish = LanguageFromSetting(RegReadValue(RegHive::LocalMachine, AppRegistryKey, LanguageValue));
    State().ComPortNumber = ComPortFromSetting(RegReadValue(RegHive::LocalMachine, AppRegistryKey, ComPortValue));
    State().VerifyAfterWrite
        = RegReadValue(RegHive::LocalMachine, AppRegistryKey, VerifyAfterWriteValue) == QLatin1String("True");
    MenuVerify->setChecked(State().VerifyAfterWrite);
    // On unless switched off.
    State().ShowChangesBeforeWrite
        = RegReadValue(RegHive::LocalMachine, AppRegistryKey, ShowChangesBeforeWriteValue) != QLatin1String("False");
    MenuShowChanges->setChecked(State().ShowChangesBeforeWrite);
    ApplyQtTranslation(State().IsEnglish);

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
        ShowMessageBox(Lang("The factory data file Init.dat is missing or damaged. The missing data is left empty.",
                            "出厂数据文件 Init.dat 缺失或已损坏，缺少的数据保持为空。"),
                       BoxIcon::Warning, BoxButtons::Ok, QString(), path);
    }
}

void MDIFormMain::LanguageRefresh()
{
    struct Caption {
        QAction* action;
        const char* english;
        const char* chinese;
    };
    const Caption captions[] = {
        { MenuFile->menuAction(), "&File", "文件(&F)" },
        { MenuNew, "&New", "新建(&N)" },
        { MenuOpen, "&Open", "打开(&O)" },
        { MenuOpenBackup, "Open &Backup...", "打开备份(&B)..." },
        { MenuSave, "&Save", "保存(&S)" },
        { MenuSaveAs, "Save &As", "另存为(&A)" },
        { MenuCompare, "Co&mpare With...", "比较(&M)..." },
        { MenuImportChannels, "&Import Channels...", "导入信道(&I)..." },
        { MenuExportChannels, "E&xport Channels...", "导出信道(&X)..." },
        { MenuExit, "&Exit", "退出(&E)" },
        { MenuMachine->menuAction(), "&Model", "机型(&M)" },
        { MenuModelInformation, "&Model Information", "机型信息(&M)" },
        { MenuEdit->menuAction(), "&Edit", "编辑(&E)" },
        { MenuChannel, "&Channel Information", "信道信息(&C)" },
        { MenuOption, "&Function Setup", "功能设定(&F)" },
        { MenuKey, "&Key Setting", "键设置(&K)" },
        { MenuScan, "&Scan Information", "扫描信息(&S)" },
        { MenuMessage, "Embedded &Message", "嵌入信息(&M)" },
        { MenuLocalMessage, "&Local Message", "本机信息(&L)" },
        { MenuStun, "Stun/&Die Information", "遥晕遥毙选项(&D)" },
        { MenuBank, "&Batch ChannelEdit", "批信道编辑(&B)" },
        { MenuProgram->menuAction(), "&Program", "编程(&P)" },
        { MenuRead, "&Read From Radio", "从对讲机读出数据(&R)" },
        { MenuWrite, "&Write To Radio", "向对讲机写入数据(&W)" },
        { MenuVerify, "&Verify After Write", "写入后校验(&V)" },
        { MenuShowChanges, "Show C&hanges Before Write", "写入前显示更改(&H)" },
        { MenuWriteMany, "Write to &Many Radios...", "批量写入对讲机(&M)..." },
        { MenuDetect, "&Detect Radio...", "检测对讲机(&D)..." },
        { MenuCheckCable, "Check &Cable...", "检查编程线(&C)..." },
        { MenuPassword, "&PassWord", "密码(&P)" },
        { MenuTool->menuAction(), "&Tool", "工具(&T)" },
        { MenuRadioInformation, "&Radio Information", "对讲机信息(&R)" },
        { MenuSetting->menuAction(), "&Setting", "设置(&S)" },
        { MenuCom, "Set &Com", "串口设置(&C)" },
        { MenuLanguage, "Set &Language", "语言设置(&L)" },
        { MenuView->menuAction(), "&View", "视图(&V)" },
        { MenuTree, "Tree &View", "树视图(&V)" },
        { MenuToolBar, "&Toolbar", "工具栏(&T)" },
        { MenuStatus, "&Statusbar", "状态栏(&S)" },
        { MenuWindow->menuAction(), "&Window", "窗口(&W)" },
        { MenuCeng, "&Cascade", "层叠(&C)" },
        { MenuCloseAll, "Close All &Windows", "关闭所有窗口(&W)" },
        { MenuHelp->menuAction(), "&Help", "帮助(&H)" },
        { MenuHelpPage, "&Help Topics", "帮助主题(&H)" },
        { MenuProgrammingLog, "Programming &Log...", "编程日志(&L)..." },
        { MenuAbout, "&About", "关于T40(&A)" },
    };
    for (const Caption& caption : captions)
        caption.action->setText(Lang(caption.english, caption.chinese));
    history_->retranslate();

    struct Tip {
        const char* key;
        const char* english;
        const char* chinese;
    };
    const Tip tips[] = {
        { "新建", "New", "新建" }, { "打开", "Open", "打开" }, { "保存", "Save", "保存" },
        { "读取", "Read", "读频" }, { "串口", "Set Com", "串口设置" }, { "写频", "Write", "写频" },
        { "帮助", "Help", "帮助" },
    };
    for (QAction* action : Toolbar1->actions()) {
        const QString key = action->property(ToolbarKey).toString();
        for (const Tip& tip : tips)
            if (key == QString::fromUtf8(tip.key)) {
                action->setToolTip(Lang(tip.english, tip.chinese));
                action->setIconText(Lang(tip.english, tip.chinese));
            }
    }

    Label1->setText(ApplicationTitle());

    TreeView1->clear();
    auto* root = new QTreeWidgetItem(TreeView1, { QStringLiteral("T40") });
    root->setData(0, Qt::UserRole, QStringLiteral("T40"));
    const Tip nodes[] = {
        { "TreeChannelInforamtion", "Channel Information", "信道信息(C)" },
        { "TreeOption", "Function Setup", "功能设定(F)" },
        { "TreeKey", "Key Setting", "键设置(K)" },
    };
    for (const Tip& node : nodes) {
        auto* item = new QTreeWidgetItem(root, { Lang(node.english, node.chinese) });
        item->setData(0, Qt::UserRole, QString::fromUtf8(node.key));
    }

    StatusPanels.at(1)->setText(portPanelText());
}

QString MDIFormMain::titleText() const
{
    const BandState& band = AppDocument().band();
    return QStringLiteral("T40[%1: %2 - %3").arg(band.name).arg(band.lowMHz).arg(band.effectiveHighMHz)
        + Lang(" MHz] [FileName:", " MHz] [文件名:") + AppDocument().title() + QStringLiteral("]");
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
    return Lang("COM", "通信端口") + QString::number(State().ComPortNumber);
}

void MDIFormMain::Timer1_Timer()
{
    const QLocale locale;
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
