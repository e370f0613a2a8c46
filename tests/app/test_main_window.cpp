#include "interface_language.h"
#include "form_welcome.h"
#include "help_topic.h"
#include "file_commands.h"
#include "view_commands.h"
#include "mdi_form_main.h"
#include "memory_map.h"
#include "shared_state.h"
#include "test_support.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>

using namespace t40;

namespace {
QStringList VisibleMenus(const MDIFormMain& main)
{
    QStringList titles;
    for (QAction* a : main.menuBar()->actions())
        if (a->isVisible())
            titles << a->text();
    return titles;
}

QStringList VisibleItems(QMenu* menu)
{
    QStringList items;
    for (QAction* a : menu->actions())
        if (a->isVisible())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return items;
}

// The language a user chose before; with nothing stored the system's decides.
void StoreChinese()
{
    QSettings(QStringLiteral("ZEV"), QStringLiteral("T40")).setValue(QStringLiteral("Language"), QStringLiteral("False"));
}

void SetLanguage(bool english)
{
    SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void titleAndStatus_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("port");
        QTest::newRow("English") << true << "T40[UHF: 400 - 520 MHz] [FileName:new.rdat]" << "COM1";
        QTest::newRow("Chinese") << false << "T40[UHF: 400 - 520 MHz] [文件名:new.rdat]" << "通信端口1";
    }
    void titleAndStatus()
    {
        QFETCH(bool, english);
        QFETCH(QString, title);
        QFETCH(QString, port);
        test::TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        SetLanguage(english);
        main.LanguageRefresh();
        main.Timer1_Timer();
        QCOMPARE(main.windowTitle(), title.insert(title.size() - 1, QStringLiteral("[*]")));
        QCOMPARE(main.StatusPanels.at(0)->text(), QStringLiteral("UHF[400-520 MHz]"));
        QCOMPARE(main.StatusPanels.at(1)->text(), port);
        QVERIFY(!main.StatusPanels.at(2)->text().isEmpty());
        QVERIFY(!main.StatusPanels.at(3)->text().isEmpty());
        QCOMPARE(main.Label1->text(), QStringLiteral("ZUL"));
    }

    // A read that brings a VHF image shows its band within one timer tick.
    void bandFollowsTheImage()
    {
        test::TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        SetInterfaceLanguage(QLocale::English);
        AppDocument().setByte(MemoryMap::ModelFamily, 50);
        main.afterRadioRead();
        QTRY_COMPARE_WITH_TIMEOUT(main.windowTitle(), QStringLiteral("T40[VHF: 136 - 174 MHz] [FileName:new.rdat[*]]"), 1000);
        QCOMPARE(main.StatusPanels.at(0)->text(), QStringLiteral("VHF[136-174 MHz]"));
        BandState band = AppDocument().band();
        band.effectiveHighMHz = 480;
        AppDocument().setBand(band);
        main.Timer1_Timer();
        QCOMPARE(main.StatusPanels.at(0)->text(), QStringLiteral("VHF[136-480 MHz]"));
    }

    void menus_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("menus");
        QTest::newRow("English") << true
                                 << QStringList { "&File", "&Model", "&Edit", "&Program", "&Setting", "&View", "&Window", "&Help" };
        QTest::newRow("Chinese") << false
                                 << QStringList { "文件(&F)", "机型(&M)", "编辑(&E)", "编程(&P)", "设置(&S)", "视图(&V)", "窗口(&W)", "帮助(&H)" };
    }
    void menus()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, menus);
        test::TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        SetLanguage(english);
        main.LanguageRefresh();
        QCOMPARE(VisibleMenus(main), menus);
        QCOMPARE(State().WindowMenuHandle.data(), main.MenuWindow);
        if (english) {
            QCOMPARE(VisibleItems(main.MenuFile), (QStringList { "&New", "New From Pre&set...", "&Open", "Open &Backup...", "&Save", "Save &As", "Co&mpare With...", "-", "&Import Channels...", "E&xport Channels...", "-", "&Print", "-", "&Exit" }));
            QCOMPARE(VisibleItems(main.MenuEdit), (QStringList { "&Undo", "&Redo", "-", "&Channel Information", "Insert Pre&set Channels...", "-", "&Function Setup", "&Key Setting" }));
            QCOMPARE(VisibleItems(main.MenuProgram), (QStringList { "&Read From Radio", "&Write To Radio", "&Verify After Write", "Show C&hanges Before Write", "Write to &Many Radios...", "-", "&Detect Radio...", "Check &Cable..." }));
            QCOMPARE(VisibleItems(main.MenuView), (QStringList { "Tree &View", "-", "&Toolbar", "&Statusbar" }));
            QCOMPARE(VisibleItems(main.MenuWindow).mid(0, 4), (QStringList { "&Cascade", "-", "Close All &Windows", "-" }));
            QCOMPARE(VisibleItems(main.MenuHelp), (QStringList { "&Help Topics", "-", "Programming &Log...", "&About" }));
            QCOMPARE(main.MenuStun->text(), QStringLiteral("Stun/&Die Information"));
        } else {
            QCOMPARE(VisibleItems(main.MenuSetting), (QStringList { "串口设置(&C)", "语言设置(&L)" }));
            QCOMPARE(main.MenuAbout->text(), QStringLiteral("关于T40(&A)"));
        }
        // Hidden commands exist, hidden; Print is shown.
        QVERIFY(main.MenuPrint->isVisible());
        for (QAction* hidden : { main.MenuPrintView, main.MenuScan, main.MenuMessage,
                                 main.MenuLocalMessage, main.MenuStun, main.MenuBank, main.MenuPassword,
                                 main.MenuTool->menuAction() })
            QVERIFY(!hidden->isVisible());
        // Print speaks the interface language too.
        QCOMPARE(main.MenuPrint->text(), english ? QStringLiteral("&Print") : QStringLiteral("打印(&P)"));
        QCOMPARE(main.MenuPrintView->text(), english ? QStringLiteral("Print Pre&view") : QStringLiteral("打印预览(&V)"));
        QCOMPARE(main.MenuNew->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(main.MenuRead->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
        QCOMPARE(main.MenuWrite->shortcut(), QKeySequence(QStringLiteral("Ctrl+W")));
        QCOMPARE(main.MenuPrint->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    }

    void toolbar_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("tips");
        QTest::newRow("English") << true << QStringList { "New", "Open", "Save", "Undo", "Redo", "Read", "Set Com", "Write", "Help" };
        QTest::newRow("Chinese") << false << QStringList { "新建", "打开", "保存", "撤销", "重做", "读频", "串口设置", "写频", "帮助" };
    }
    void toolbar()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, tips);
        test::TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        SetLanguage(english);
        main.LanguageRefresh();
        QStringList seen, keys;
        int separators = 0;
        for (QAction* a : main.Toolbar1->actions()) {
            if (a->isSeparator()) {
                ++separators;
                continue;
            }
            seen << a->toolTip();
            keys << a->property("t40Key").toString();
        }
        QCOMPARE(seen, tips);
        QCOMPARE(keys, (QStringList { "新建", "打开", "保存", "", "", "读取", "串口", "写频", "帮助" }));
        QCOMPARE(separators, 3);
        // Help shows the topic of the page in front: no message, no dialog.
        main.show();
        main.Toolbar1_ButtonClick(QStringLiteral("帮助"));
        QVERIFY(env.prompts().messages.empty());
        QVERIFY(env.prompts().fileDialogs.empty());
        QVERIFY(HelpWindow() && HelpWindow()->isVisible());
        QVERIFY(HelpWindow()->source().toLocalFile().endsWith(english ? QStringLiteral("help/chinfo.htm")
                                                                       : QStringLiteral("help/zh/chinfo.htm")));
    }

    void tree_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("English") << true << QStringList { "Channel Information", "Function Setup", "Key Setting" };
        QTest::newRow("Chinese") << false << QStringList { "信道信息", "功能设定", "键设置" };
    }
    void tree()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, texts);
        test::TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        SetLanguage(english);
        main.LanguageRefresh();
        QCOMPARE(main.TreeView1->topLevelItemCount(), 1);
        QTreeWidgetItem* root = main.TreeView1->topLevelItem(0);
        QCOMPARE(root->text(0), QStringLiteral("T40"));
        QStringList seen, keys;
        for (int i = 0; i < root->childCount(); ++i) {
            seen << root->child(i)->text(0);
            keys << root->child(i)->data(0, Qt::UserRole).toString();
        }
        QCOMPARE(seen, texts);
        QCOMPARE(keys, (QStringList { "TreeChannelInforamtion", "TreeOption", "TreeKey" }));
    }

    void treeIsExpandedAtStart()
    {
        test::TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        QVERIFY(main.TreeView1->topLevelItem(0)->isExpanded());
    }

    void viewToggles()
    {
        test::TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        struct Toggle {
            QAction* action;
            QWidget* widget;
        };
        for (const Toggle& t : { Toggle { main.MenuTree, main.PictureTree }, Toggle { main.MenuToolBar, main.Toolbar1 },
                                 Toggle { main.MenuStatus, main.StatusBar1 } }) {
            QVERIFY(t.action->isChecked());
            QVERIFY(t.widget->isVisible());
            t.action->trigger();
            QVERIFY(!t.action->isChecked());
            QVERIFY(!t.widget->isVisible());
            t.action->trigger();
            QVERIFY(t.action->isChecked());
            QVERIFY(t.widget->isVisible());
        }
    }

    void splitterClamps()
    {
        test::TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        main.resize(900, 600);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const int tpp = main.twipsPerPixel();
        QVERIFY(main.splitterTwips() >= 2500); // wider when the tree texts need it
        QCOMPARE(main.PictureTree->width(), (main.splitterTwips() + 100) / tpp);
        main.DragSplitterTo(0);
        QCOMPARE(main.splitterTwips(), 120);
        main.DragSplitterTo(main.width()); // past half the window
        QCOMPARE(main.splitterTwips(), main.width() * tpp / 2);
        main.DragSplitterTo(200);
        QCOMPARE(main.splitterTwips(), 200 * tpp);
        QCOMPARE(main.PictureSeparator->x(), 200);
        // A real drag on the separator moves it too.
        const QPoint start = main.PictureSeparator->rect().center();
        QTest::mousePress(main.PictureSeparator, Qt::LeftButton, {}, start);
        QMouseEvent move(QEvent::MouseMove, QPointF(start) + QPointF(-100, 0),
                         main.PictureSeparator->mapToGlobal(QPointF(start) + QPointF(-100, 0)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(main.PictureSeparator, &move);
        QTest::mouseRelease(main.PictureSeparator, Qt::LeftButton, {}, start);
        QVERIFY(main.splitterTwips() < 200 * tpp);
    }

    void serviceModeGesture()
    {
        test::TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QPoint p(5, 5);
        QTest::mouseDClick(main.StatusBar1, Qt::RightButton, Qt::ControlModifier, p);
        QVERIFY(!State().ServiceMode);
        QTest::mouseDClick(main.StatusBar1, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier, p);
        QVERIFY(!State().ServiceMode);
        QTest::mouseDClick(main.StatusBar1, Qt::RightButton, Qt::ControlModifier | Qt::ShiftModifier, p);
        QVERIFY(State().ServiceMode);
        QTest::mouseDClick(main.StatusBar1, Qt::RightButton, Qt::ControlModifier | Qt::ShiftModifier, p);
        QVERIFY(!State().ServiceMode);
    }

    void languageSwitchRelabels()
    {
        test::TestEnvironment env;
        StoreChinese();
        MDIFormMain main;
        main.MDIForm_Load();
        QCOMPARE(main.MenuFile->title(), QStringLiteral("文件(&F)"));
        State().IsEnglish = true; // as the language dialog leaves it
        main.view().ApplyLanguageChange(); // without the dialog's change flag nothing happens
        QCOMPARE(main.MenuFile->title(), QStringLiteral("文件(&F)"));
        State().LanguageChanged = true;
        main.view().ApplyLanguageChange();
        QCOMPARE(main.MenuFile->title(), QStringLiteral("&File"));
        QCOMPARE(main.StatusPanels.at(1)->text(), QStringLiteral("COM1"));
        QCOMPARE(main.windowTitle(), QStringLiteral("T40[UHF: 400 - 520 MHz] [FileName:new.rdat[*]]"));
        QVERIFY(!State().LanguageChanged);
        QVERIFY(main.TreeView1->topLevelItem(0)->isExpanded());
    }

    // The splash shows for two seconds, then the main window takes over.
    void splashLoadsTheMainWindow()
    {
        test::TestEnvironment env;
        StoreChinese();
        QPointer<FormWelcome> splash = new FormWelcome;
        QCOMPARE(splash->windowTitle(), QStringLiteral("ZUL"));
        QVERIFY(!splash->Picture1->pixmap().isNull());
        QCOMPARE(splash->Timer1->interval(), 2000);
        QVERIFY(splash->Timer1->isSingleShot());
        splash->show();
        QVERIFY(splash->Timer1->isActive());
        splash->Timer1_Timer();
        QPointer<MDIFormMain> main = splash->mainWindow();
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QCOMPARE(main->windowTitle(), QStringLiteral("T40[UHF: 400 - 520 MHz] [文件名:new.rdat[*]]"));
        QTRY_VERIFY(splash.isNull());
        main->close();
        QTRY_VERIFY(main.isNull());
    }

    void missingTemplateIsToldOnce()
    {
        test::TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        QVERIFY(env.prompts().messages.empty()); // the shipped template is complete
        QCOMPARE(AppDocument().memory().byte(MemoryMap::ModelBlock), std::uint8_t(0x50));
        State().TemplateFileName = QStringLiteral("no-such-template.dat");
        main.files().MenuNew_Click();
        QCOMPARE(env.prompts().messages.size(), size_t(1));
        // Empty channels leave the scan list when the channel grid shows them.
        for (int i = 0; i < RadioImage::ImageSize; ++i) {
            const bool scanList = i == MemoryMap::ScanAddBitmap || i == MemoryMap::ScanAddBitmap + 1;
            QCOMPARE(AppDocument().memory().byte(i), std::uint8_t(scanList ? 0x00 : 0xFF));
        }
        main.files().MenuNew_Click();
        QCOMPARE(env.prompts().messages.size(), size_t(1));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
