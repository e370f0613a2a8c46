#include "page_window.h"
#include "shared_state.h"
#include "test_support.h"
#include "window_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

using namespace t40;

namespace {
class SamplePage : public PageWindow {
public:
    SamplePage(int id, bool SharedState::*flag, const QString& caption)
        : PageWindow(id, flag)
    {
        setWindowTitle(caption);
        registerPage();
    }
};

struct Host {
    QMainWindow window;
    QMdiArea* area = new QMdiArea;
    QMenu* windowMenu = nullptr;
    Host()
    {
        window.setCentralWidget(area);
        windowMenu = window.menuBar()->addMenu(QStringLiteral("&Window"));
        windowMenu->addAction(QStringLiteral("&Cascade"));
        State().MainMenuHandle = window.menuBar();
        State().WindowMenuHandle = windowMenu;
        window.show();
    }
    QMdiSubWindow* add(PageWindow* page)
    {
        QMdiSubWindow* sub = area->addSubWindow(page);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->show();
        return sub;
    }
    QList<QAction*> pageItems() const
    {
        QList<QAction*> items;
        for (QAction* a : windowMenu->actions())
            if (a->isCheckable())
                items << a;
        return items;
    }
};
} // namespace

class TestPageWindow : public QObject {
    Q_OBJECT
private slots:
    void registersAndUnregisters()
    {
        test::TestEnvironment env;
        Host host;
        auto* page = new SamplePage(OptionPageId, &SharedState::OptionPageOpen, QStringLiteral("Function Setup"));
        QVERIFY(State().OptionPageOpen);
        QMdiSubWindow* sub = host.add(page);
        QCOMPARE(host.pageItems().size(), 1);
        QCOMPARE(host.pageItems().at(0)->text(), QStringLiteral("Function Setup"));
        sub->close();
        QVERIFY(!State().OptionPageOpen);
        QCOMPARE(host.pageItems().size(), 0);
        QCOMPARE(host.windowMenu->actions().size(), 1); // the menu's own item stays
    }

    void closeButtonUnregisters()
    {
        test::TestEnvironment env;
        Host host;
        auto* page = new SamplePage(KeyPageId, &SharedState::KeyPageOpen, QStringLiteral("Key Setting"));
        QPointer<QMdiSubWindow> sub = host.add(page);
        page->closePage();
        QVERIFY(!State().KeyPageOpen);
        QVERIFY(host.pageItems().isEmpty());
        QTRY_VERIFY(sub.isNull());
    }

    // Choosing an entry brings its page to the front and makes it the only
    // checked entry.
    void windowMenuChecksOnlyTheActivePage()
    {
        test::TestEnvironment env;
        Host host;
        auto* grid = new SamplePage(ChannelPageId, &SharedState::ChannelPageOpen, QStringLiteral("Channel Information"));
        auto* option = new SamplePage(OptionPageId, &SharedState::OptionPageOpen, QStringLiteral("Function Setup"));
        auto* key = new SamplePage(KeyPageId, &SharedState::KeyPageOpen, QStringLiteral("Key Setting"));
        QMdiSubWindow* gridSub = host.add(grid);
        host.add(option);
        host.add(key);
        const auto items = host.pageItems();
        QCOMPARE(items.size(), 3);
        items.at(0)->trigger();
        QCOMPARE(host.area->activeSubWindow(), gridSub);
        QCOMPARE(int(items.at(0)->isChecked()) + int(items.at(1)->isChecked()) + int(items.at(2)->isChecked()), 1);
        QVERIFY(items.at(0)->isChecked());
        items.at(2)->trigger();
        QVERIFY(items.at(2)->isChecked());
        QVERIFY(!items.at(0)->isChecked());
        QVERIFY(!items.at(1)->isChecked());
    }

    void windowStateIsRecorded()
    {
        test::TestEnvironment env;
        Host host;
        auto* page = new SamplePage(OptionPageId, &SharedState::OptionPageOpen, QStringLiteral("Function Setup"));
        QMdiSubWindow* sub = host.add(page);
        sub->showMinimized();
        QCOMPARE(State().ChildWindowState, 1);
        sub->showMaximized();
        QCOMPARE(State().ChildWindowState, 2);
        sub->showNormal();
        QCOMPARE(State().ChildWindowState, 0);
    }

    void worksWithoutAWindowMenu()
    {
        test::TestEnvironment env;
        auto* page = new SamplePage(ScanPageId, &SharedState::ScanPageOpen, QStringLiteral("Scan"));
        QVERIFY(State().ScanPageOpen);
        delete page;
        QVERIFY(!State().ScanPageOpen);
    }
};

QTEST_MAIN(TestPageWindow)
#include "test_page_window.moc"
