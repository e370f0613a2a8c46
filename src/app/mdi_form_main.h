#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace t40 {

class DocumentHistory;
class ExchangeCommands;
class FileCommands;
class PageWindow;
class RadioCommands;
class ViewCommands;

// The main window, the shell of the program: menus, toolbar, page tree,
// status bar and the page area. Its commands live in classes by theme.
class MDIFormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIFormMain(QWidget* parent = nullptr);
    ~MDIFormMain() override;

    // The start sequence: settings, shared state, template, captions, layout,
    // channel grid.
    void MDIForm_Load();

    // Decodes the model block into the band state (after a read).
    void AnalyseModel();
    // The band and the open pages follow a completed read from the radio.
    void afterRadioRead();
    // Sets every caption, tooltip and tree text for the interface language.
    void LanguageRefresh();
    // Opens a page (ids 1000..1005), or brings it to the front when open.
    void OpenPage(int pageId);
    void CloseAllPages();
    PageWindow* page(int pageId) const;
    QList<PageWindow*> openPages() const;

    QString titleText() const;
    // The title with the place of the modified mark.
    QString markedTitleText() const;
    // The title's mark: whether the document has unsaved changes.
    void showModifiedMark();
    QString bandPanelText() const;
    QString portPanelText() const;
    QString currentFilePath() const;
    DocumentHistory& history() const { return *history_; }
    // Twips to pixels on this screen, and back.
    int twipsPerPixel() const;
    int splitterTwips() const { return splitterTwips_; }

    // The commands by theme, each owning its menu slots.
    FileCommands& files() const { return *files_; }
    RadioCommands& radio() const { return *radio_; }
    ExchangeCommands& exchange() const { return *exchange_; }
    ViewCommands& view() const { return *view_; }

    // Edit menu: the pages and the batch edit.
    void MenuChannel_Click();
    void MenuOption_Click();
    void MenuKey_Click();
    void MenuScan_Click();
    void MenuMessage_Click();
    void MenuBank_Click();

    void Toolbar1_ButtonClick(const QString& key);
    void TreeView1_NodeClick(const QString& key);
    void Timer1_Timer();
    // Runs the tree-pane layout for a splitter position in twips.
    void LayoutTreePane(int splitterX);
    // Splitter drag to a cursor x in client pixels (clamped as a drag is).
    void DragSplitterTo(int clientPixelX);
    // The tree pane's width in twips that shows every tree text uncut.
    int treeTwipsNeeded() const;
    // Text still in an editor goes into the data it was typed for.
    void flushChannelEdit();
    // Loads the factory data into the document (a missing file is told once).
    void loadTemplate();
    void showPortPanel();

    // Controls, named as the program knows them.
    QMenu* MenuFile = nullptr;
    QAction* MenuUndo = nullptr;
    QAction* MenuRedo = nullptr;
    QAction* MenuNew = nullptr;
    QAction* MenuOpen = nullptr;
    QAction* MenuOpenBackup = nullptr;
    QAction* MenuSave = nullptr;
    QAction* MenuSaveAs = nullptr;
    QAction* MenuCompare = nullptr;
    QAction* MenuImportChannels = nullptr;
    QAction* MenuNewFromPreset = nullptr;
    QAction* MenuInsertPreset = nullptr;
    QAction* MenuExportChannels = nullptr;
    QAction* MenuPrint = nullptr;
    QAction* MenuPrintView = nullptr;
    QAction* MenuExit = nullptr;
    QMenu* MenuMachine = nullptr;
    QAction* MenuModelInformation = nullptr;
    QMenu* MenuEdit = nullptr;
    QAction* MenuChannel = nullptr;
    QAction* MenuOption = nullptr;
    QAction* MenuKey = nullptr;
    QAction* MenuScan = nullptr;
    QAction* MenuMessage = nullptr;
    QAction* MenuLocalMessage = nullptr;
    QAction* MenuStun = nullptr;
    QAction* MenuBank = nullptr;
    QMenu* MenuProgram = nullptr;
    QAction* MenuRead = nullptr;
    QAction* MenuWrite = nullptr;
    QAction* MenuWriteMany = nullptr;
    QAction* MenuDetect = nullptr;
    QAction* MenuVerify = nullptr;
    QAction* MenuShowChanges = nullptr;
    QAction* MenuCheckCable = nullptr;
    QAction* MenuPassword = nullptr;
    QMenu* MenuTool = nullptr;
    QAction* MenuRadioInformation = nullptr;
    QMenu* MenuSetting = nullptr;
    QAction* MenuCom = nullptr;
    QAction* MenuLanguage = nullptr;
    QMenu* MenuView = nullptr;
    QAction* MenuTree = nullptr;
    QAction* MenuToolBar = nullptr;
    QAction* MenuStatus = nullptr;
    QMenu* MenuWindow = nullptr;
    QAction* MenuCeng = nullptr;
    QAction* MenuCloseAll = nullptr;
    QMenu* MenuHelp = nullptr;
    QAction* MenuHelpPage = nullptr;
    QAction* MenuAbout = nullptr;
    QAction* MenuProgrammingLog = nullptr;

    QToolBar* Toolbar1 = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QLabel* Label1 = nullptr;
    QWidget* PictureTree = nullptr;
    QWidget* FrameTree = nullptr;
    QWidget* PictureSeparator = nullptr;
    QMdiArea* MdiArea = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QList<QLabel*> StatusPanels; // panels 1..4 at 0..3
    QTimer* Timer1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildClientArea();
    void buildStatusBar();
    void layoutClient();
    // Keeps page windows opened before the main window was shown inside the page area.
    void fitPagesToArea();
    void onClientResize();
    // The window's place and size: as last closed, or at first start large
    // enough for the whole channel grid and the uncut tree texts.
    void placeAtStart();
    // After an undo or redo: the open pages show the document again.
    void refreshAfterRestore();
    void unloadTunePage();
    template <typename Commands>
    QAction* addMenuAction(QMenu* menu, Commands* commands, void (Commands::*handler)(), const QKeySequence& shortcut = {});

    // Puts the commands of the page in front at the top of the Edit menu.
    void showPageCommands();

    DocumentHistory* history_ = nullptr;
    FileCommands* files_ = nullptr;
    RadioCommands* radio_ = nullptr;
    ExchangeCommands* exchange_ = nullptr;
    ViewCommands* view_ = nullptr;
    QList<QPointer<QAction>> pageCommands_;
    QAction* pageCommandsEnd_ = nullptr;
    bool SplitterDragging = false;
    bool LayoutPending = false;
    int splitterTwips_ = 2500;
    QWidget* client_ = nullptr;
};

} // namespace t40
