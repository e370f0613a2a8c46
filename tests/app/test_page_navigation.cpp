#include "interface_language.h"
#include "data_file.h"
#include "form_channel_information.h"
#include "view_commands.h"
#include "mdi_form_main.h"
#include "memory_map.h"
#include "page_window.h"
#include "reg_keys.h"
#include "settings_values.h"
#include "shared_state.h"
#include "test_support.h"
#include "window_menu.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>

using namespace t40;

namespace {
QList<QAction*> PageItems(const MDIFormMain& main)
{
    QList<QAction*> items;
    for (QAction* a : main.MenuWindow->actions())
        if (a->property("t40PageId").isValid())
            items << a;
    return items;
}

QStringList CheckedItems(const MDIFormMain& main)
{
    QStringList checked;
    for (QAction* a : PageItems(main))
        if (a->isChecked())
            checked << a->text();
    return checked;
}

QMdiSubWindow* Frame(PageWindow* page)
{
    return page ? qobject_cast<QMdiSubWindow*>(page->parentWidget()) : nullptr;
}

struct Fixture {
    test::TestEnvironment env;
    MDIFormMain main;
    explicit Fixture(bool english = true)
    {
        // A stored Chinese interface, so that the start does not depend on this machine's locale.
        RegWriteString(RegHive::LocalMachine, AppRegistryKey, LanguageValue, QStringLiteral("False"));
        main.MDIForm_Load();
        if (english) {
            SetInterfaceLanguage(QLocale::English);
            State().LanguageChanged = true;
            main.view().ApplyLanguageChange();
        }
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
    }
};
} // namespace

class TestPageNavigation : public QObject {
    Q_OBJECT
private slots:
    void gridIsShownAtStart()
    {
        Fixture f(false);
        QVERIFY(State().ChannelPageOpen);
        QVERIFY(f.main.page(ChannelPageId));
        QCOMPARE(PageItems(f.main).size(), 1);
        QCOMPARE(PageItems(f.main).at(0)->text(), QStringLiteral("信道信息"));
    }

    void windowMenuFollowsTheActivePage()
    {
        Fixture f;
        f.main.MenuOption_Click();
        f.main.MenuKey_Click();
        QCOMPARE(PageItems(f.main).size(), 3);
        QVERIFY(State().OptionPageOpen && State().KeyPageOpen);
        QCOMPARE(CheckedItems(f.main), QStringList { "Key Setting" });
        PageItems(f.main).at(0)->trigger(); // the grid's entry
        QCOMPARE(f.main.MdiArea->activeSubWindow(), Frame(f.main.page(ChannelPageId)));
        QCOMPARE(CheckedItems(f.main), QStringList { "Channel Information" });
        // Opening an open page brings it to the front instead of a second copy.
        f.main.TreeView1_NodeClick(QStringLiteral("TreeOption"));
        QCOMPARE(PageItems(f.main).size(), 3);
        QCOMPARE(f.main.MdiArea->activeSubWindow(), Frame(f.main.page(OptionPageId)));
        QCOMPARE(CheckedItems(f.main), QStringList { "Function Setup" });
    }

    void treeKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("page");
        QTest::newRow("channel") << "TreeChannelInforamtion" << int(ChannelPageId);
        QTest::newRow("option") << "TreeOption" << int(OptionPageId);
        QTest::newRow("key") << "TreeKey" << int(KeyPageId);
        QTest::newRow("scan, not shown in the tree") << "TreeScan" << int(ScanPageId);
        QTest::newRow("message, not shown in the tree") << "TreeMessage" << int(MessagePageId);
        QTest::newRow("root") << "T40" << 0;
    }
    void treeKeys()
    {
        QFETCH(QString, key);
        QFETCH(int, page);
        Fixture f;
        f.main.CloseAllPages();
        QVERIFY(f.main.openPages().isEmpty());
        f.main.TreeView1_NodeClick(key);
        if (page == 0) {
            QVERIFY(f.main.openPages().isEmpty());
            return;
        }
        QVERIFY(f.main.page(page));
        QCOMPARE(f.main.openPages().size(), 1);
    }

    void hiddenMenuItemsOpenTheirPages()
    {
        Fixture f;
        f.main.MenuScan_Click();
        f.main.MenuMessage_Click();
        QVERIFY(State().ScanPageOpen);
        QVERIFY(State().MessagePageOpen);
        QCOMPARE(PageItems(f.main).size(), 3);
    }

    // A page minimised last does not make the next page open minimised.
    void minimisedStateIsNotInherited()
    {
        Fixture f;
        f.main.MenuOption_Click();
        Frame(f.main.page(OptionPageId))->showMinimized();
        QCOMPARE(State().ChildWindowState, 1);
        f.main.MenuKey_Click();
        QVERIFY(!Frame(f.main.page(KeyPageId))->isMinimized());
        QVERIFY(!Frame(f.main.page(KeyPageId))->isMaximized());
        Frame(f.main.page(KeyPageId))->showMaximized();
        QCOMPARE(State().ChildWindowState, 2);
        f.main.CloseAllPages();
        f.main.MenuOption_Click();
        QVERIFY(Frame(f.main.page(OptionPageId))->isMaximized());
    }

    void closeAllWindows()
    {
        Fixture f;
        f.main.MenuOption_Click();
        f.main.MenuKey_Click();
        f.main.MenuCloseAll->trigger();
        QVERIFY(f.main.openPages().isEmpty());
        QVERIFY(PageItems(f.main).isEmpty());
        QVERIFY(!State().ChannelPageOpen && !State().OptionPageOpen && !State().KeyPageOpen);
        QCOMPARE(f.main.MenuWindow->actions().size(), 4); // Cascade, separator, Close All, separator
    }

    // The pages stay open through a language switch, their entries renamed,
    // the page in front still in front.
    void languageSwitchKeepsThePages()
    {
        Fixture f;
        f.main.MenuOption_Click();
        SetInterfaceLanguage(QLocale::Chinese);
        State().LanguageChanged = true;
        f.main.view().ApplyLanguageChange();
        QVERIFY(State().OptionPageOpen);
        QCOMPARE(f.main.openPages().size(), 2);
        QStringList items;
        for (QAction* a : PageItems(f.main))
            items << a->text();
        QCOMPARE(items, (QStringList { QStringLiteral("信道信息"), QStringLiteral("功能设定") }));
        QCOMPARE(CheckedItems(f.main), QStringList { QStringLiteral("功能设定") });
    }
};

QTEST_MAIN(TestPageNavigation)
#include "test_page_navigation.moc"
