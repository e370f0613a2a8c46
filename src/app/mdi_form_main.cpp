#include "mdi_form_main.h"

#include "data_file.h"
#include "document_history.h"
#include "help_topic.h"
#include "exchange_commands.h"
#include "file_commands.h"
#include "interface_language.h"
#include "main_window_keys.h"
#include "page_window.h"
#include "program_files.h"
#include "prompts.h"
#include "radio_commands.h"
#include "reg_keys.h"
#include "screen_fit.h"
#include "settings_values.h"
#include "view_commands.h"
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

using namespace main_window;

MDIFormMain::MDIFormMain(QWidget* parent)
    : QMainWindow(parent)
{
    InitResources();
    setWindowIcon(QIcon(QStringLiteral(":/icons/t40.png")));
    history_ = new DocumentHistory(AppDocument(), this);
    files_ = new FileCommands(*this);
    radio_ = new RadioCommands(*this);
    exchange_ = new ExchangeCommands(*this);
    view_ = new ViewCommands(*this);
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

template <typename Commands>
QAction* MDIFormMain::addMenuAction(QMenu* menu, Commands* commands, void (Commands::*handler)(), const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(QString());
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    if (handler)
        connect(action, &QAction::triggered, commands, handler);
    return action;
}

void MDIFormMain::buildMenus()
{
    QMenuBar* bar = menuBar();

    MenuFile = bar->addMenu(QString());
    MenuNew = addMenuAction(MenuFile, files_, &FileCommands::MenuNew_Click, QKeySequence(Qt::CTRL | Qt::Key_N));
    MenuNewFromPreset = addMenuAction(MenuFile, files_, &FileCommands::MenuNewFromPreset_Click);
    MenuOpen = addMenuAction(MenuFile, files_, &FileCommands::MenuOpen_Click, QKeySequence(Qt::CTRL | Qt::Key_O));
    MenuOpenBackup = addMenuAction(MenuFile, files_, &FileCommands::MenuOpenBackup_Click);
    MenuSave = addMenuAction(MenuFile, files_, &FileCommands::MenuSave_Click, QKeySequence(Qt::CTRL | Qt::Key_S));
    MenuSaveAs = addMenuAction(MenuFile, files_, &FileCommands::MenuSaveAs_Click);
    MenuCompare = addMenuAction(MenuFile, exchange_, &ExchangeCommands::MenuCompare_Click);
    MenuFile->addSeparator();
    MenuImportChannels = addMenuAction(MenuFile, exchange_, &ExchangeCommands::MenuImportChannels_Click);
    MenuExportChannels = addMenuAction(MenuFile, exchange_, &ExchangeCommands::MenuExportChannels_Click);
    MenuFile->addSeparator();
    MenuPrint = addMenuAction(MenuFile, files_, &FileCommands::MenuPrint_Click, QKeySequence(Qt::CTRL | Qt::Key_P));
    MenuPrintView = addMenuAction<MDIFormMain>(MenuFile, this, nullptr);
    MenuPrintView->setVisible(false);
    MenuFile->addSeparator();
    MenuExit = addMenuAction(MenuFile, files_, &FileCommands::MenuExit_Click);

    MenuMachine = bar->addMenu(QString());
    MenuModelInformation = addMenuAction(MenuMachine, files_, &FileCommands::MenuModelInformation_Click);

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
    MenuChannel = addMenuAction(MenuEdit, this, &MDIFormMain::MenuChannel_Click);
    MenuInsertPreset = addMenuAction(MenuEdit, exchange_, &ExchangeCommands::MenuInsertPreset_Click);
    MenuEdit->addSeparator();
    MenuOption = addMenuAction(MenuEdit, this, &MDIFormMain::MenuOption_Click);
    MenuKey = addMenuAction(MenuEdit, this, &MDIFormMain::MenuKey_Click);
    MenuScan = addMenuAction(MenuEdit, this, &MDIFormMain::MenuScan_Click);
    MenuScan->setVisible(false);
    MenuEdit->addSeparator()->setVisible(false);
    MenuMessage = addMenuAction(MenuEdit, this, &MDIFormMain::MenuMessage_Click);
    MenuMessage->setVisible(false);
    MenuLocalMessage = addMenuAction(MenuEdit, radio_, &RadioCommands::MenuLocalMessage_Click);
    MenuLocalMessage->setVisible(false);
    MenuStun = addMenuAction(MenuEdit, radio_, &RadioCommands::MenuStun_Click);
    MenuStun->setVisible(false);
    MenuEdit->addSeparator()->setVisible(false);
    MenuBank = addMenuAction(MenuEdit, this, &MDIFormMain::MenuBank_Click);
    MenuBank->setVisible(false);

    MenuProgram = bar->addMenu(QString());
    MenuRead = addMenuAction(MenuProgram, radio_, &RadioCommands::MenuRead_Click, QKeySequence(Qt::CTRL | Qt::Key_R));
    MenuWrite = addMenuAction(MenuProgram, radio_, &RadioCommands::MenuWrite_Click, QKeySequence(Qt::CTRL | Qt::Key_W));
    // The handler sets the check mark from the setting, whoever toggled it first.
    MenuVerify = MenuProgram->addAction(QString());
    MenuVerify->setCheckable(true);
    connect(MenuVerify, &QAction::triggered, radio_, &RadioCommands::MenuVerify_Click);
    MenuShowChanges = MenuProgram->addAction(QString());
    MenuShowChanges->setCheckable(true);
    connect(MenuShowChanges, &QAction::triggered, radio_, &RadioCommands::MenuShowChanges_Click);
    MenuWriteMany = addMenuAction(MenuProgram, radio_, &RadioCommands::MenuWriteMany_Click);
    MenuProgram->addSeparator();
    MenuDetect = addMenuAction(MenuProgram, radio_, &RadioCommands::MenuDetect_Click);
    MenuCheckCable = addMenuAction(MenuProgram, radio_, &RadioCommands::MenuCheckCable_Click);
    MenuProgram->addSeparator()->setVisible(false);
    MenuPassword = addMenuAction(MenuProgram, radio_, &RadioCommands::MenuPassword_Click);
    MenuPassword->setVisible(false);

    MenuTool = bar->addMenu(QString());
    MenuRadioInformation = addMenuAction<MDIFormMain>(MenuTool, this, nullptr);
    MenuTool->menuAction()->setVisible(false);

    MenuSetting = bar->addMenu(QString());
    MenuCom = addMenuAction(MenuSetting, radio_, &RadioCommands::MenuCom_Click);
    MenuLanguage = addMenuAction(MenuSetting, view_, &ViewCommands::MenuLanguage_Click);

    MenuView = bar->addMenu(QString());
    MenuTree = addMenuAction<MDIFormMain>(MenuView, this, nullptr);
    MenuView->addSeparator();
    MenuToolBar = addMenuAction<MDIFormMain>(MenuView, this, nullptr);
    MenuStatus = addMenuAction<MDIFormMain>(MenuView, this, nullptr);
    // The handlers toggle the check mark themselves; Qt's own toggle is undone first.
    const std::pair<QAction*, void (ViewCommands::*)()> toggles[] = {
        { MenuTree, &ViewCommands::MenuTree_Click },
        { MenuToolBar, &ViewCommands::MenuToolBar_Click },
        { MenuStatus, &ViewCommands::MenuStatus_Click },
    };
    for (const auto& toggle : toggles) {
        QAction* action = toggle.first;
        const auto handler = toggle.second;
        ViewCommands* view = view_;
        action->setCheckable(true);
        action->setChecked(true); // tree pane, toolbar and status bar are shown at start
        connect(action, &QAction::triggered, this, [action, handler, view] {
            action->setChecked(!action->isChecked());
            (view->*handler)();
        });
    }

    MenuWindow = bar->addMenu(QString());
    MenuCeng = addMenuAction(MenuWindow, view_, &ViewCommands::MenuCeng_Click);
    MenuWindow->addSeparator();
    MenuCloseAll = addMenuAction(MenuWindow, view_, &ViewCommands::MenuCloseAll_Click);
    MenuWindow->addSeparator();

    MenuHelp = bar->addMenu(QString());
    MenuHelpPage = addMenuAction(MenuHelp, view_, &ViewCommands::MenuHelpPage_Click);
    MenuHelp->addSeparator();
    MenuProgrammingLog = addMenuAction(MenuHelp, view_, &ViewCommands::MenuProgrammingLog_Click);
    MenuAbout = addMenuAction(MenuHelp, view_, &ViewCommands::MenuAbout_Click);
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

    State().MainMenuHandle = menuBar();
    State().WindowMenuHandle = MenuWindow;

    loadTemplate();
    LanguageRefresh();
    if (TreeView1->topLevelItemCount() > 0)
        TreeView1->topLevelItem(0)->setExpanded(true);
    State().ChildWindowState = 0;
    OpenPage(ChannelPageId);
    files_->startFreshHistory();
    placeAtStart();
    Timer1_Timer();
    Timer1->start();
    InstallHelpKey();
    InstallScreenFit();
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

void MDIFormMain::showPortPanel()
{
    StatusPanels.at(1)->setText(portPanelText());
}

QString MDIFormMain::currentFilePath() const
{
    return files_->currentFilePath();
}

void MDIFormMain::closeEvent(QCloseEvent* event)
{
    // A second close while the save question waits would end the program
    // behind the user's answer.
    if (files_->askingToSave()) {
        event->ignore();
        return;
    }
    flushChannelEdit();
    if (!files_->maybeSave()) {
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
