// Help, first-start layout and the findable grid commands, through the main window.
#include "channel_table_model.h"
#include "form_channel_information.h"
#include "channel_grid_view.h"
#include "form_print.h"
#include "help_topic.h"
#include "file_commands.h"
#include "mdi_form_main.h"
#include "page_window.h"
#include "shared_state.h"
#include "test_support.h"
#include "window_menu.h"

#include <QTableView>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

using namespace t40;

namespace {
void StoreLanguage(bool english)
{
    QSettings(QStringLiteral("ZEV"), QStringLiteral("T40"))
        .setValue(QStringLiteral("Language"), english ? QStringLiteral("True") : QStringLiteral("False"));
}

QString ShownTopic()
{
    if (!HelpWindow() || !HelpWindow()->isVisible())
        return QString();
    const QString path = HelpWindow()->source().toLocalFile();
    return path.mid(path.lastIndexOf(QStringLiteral("/help/")) + 6);
}

FormChannelInformation* Grid(MDIFormMain& main)
{
    return qobject_cast<FormChannelInformation*>(main.page(ChannelPageId));
}
} // namespace

class TestHelpAndLayout : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        if (HelpWindow())
            delete HelpWindow();
    }

    // F1 shows the topic of the window the user works in, in the interface
    // language; so does the toolbar's Help button; Help Topics the general one.
    void f1ShowsTheActiveWindowsTopic_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("topic");
        QTest::newRow("grid") << true << int(ChannelPageId) << "chinfo.htm";
        QTest::newRow("grid, Chinese") << false << int(ChannelPageId) << "zh/chinfo.htm";
        QTest::newRow("function setup") << true << int(OptionPageId) << "optfeatures.htm";
        QTest::newRow("key setting, Chinese") << false << int(KeyPageId) << "zh/keyassign.htm";
        QTest::newRow("scan, Chinese") << false << int(ScanPageId) << "zh/Scan/Scan.htm";
    }
    void f1ShowsTheActiveWindowsTopic()
    {
        QFETCH(bool, english);
        QFETCH(int, page);
        QFETCH(QString, topic);
        test::TestEnvironment env;
        StoreLanguage(english);
        MDIFormMain main;
        main.MDIForm_Load();
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        main.OpenPage(page);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &main, Qt::Key_F1);
        QCOMPARE(ShownTopic(), topic);
        HelpWindow()->close();
        main.Toolbar1_ButtonClick(QStringLiteral("帮助"));
        QCOMPARE(ShownTopic(), topic);
        main.MenuHelpPage->trigger();
        QCOMPARE(ShownTopic(), english ? QStringLiteral("general.htm") : QStringLiteral("zh/general.htm"));
        QVERIFY(main.MenuHelpPage->isVisible());
    }

    // Every topic a window asks for exists in both languages.
    void everyTopicInBothLanguages()
    {
        const QStringList topics { "general.htm", "chinfo.htm", "chEdit.htm", "optfeatures.htm", "keyassign.htm",
                                   "Scan/Scan.htm", "embmsg.htm", "Local/Local.htm", "Print.htm", "chcopy.htm",
                                   "freqcopy.htm", "qtdqtcopy.htm" };
        for (const QString& topic : topics) {
            QVERIFY2(QFile::exists(HelpFolder() + QStringLiteral("/") + topic), qPrintable(topic));
            QVERIFY2(QFile::exists(HelpFolder() + QStringLiteral("/zh/") + topic), qPrintable(topic));
        }
    }

    // Help asked for in a modal dialog belongs to it (so it takes input
    // above it); otherwise it belongs to the main window and closes with it.
    void helpWindowOwnership()
    {
        test::TestEnvironment env;
        StoreLanguage(true);
        auto* main = new MDIFormMain;
        main->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<MDIFormMain> alive(main);
        main->MDIForm_Load();
        main->show();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QString topicInDialog;
        QWidget* helpOwnerInDialog = nullptr;
        QWidget* dialogSeen = nullptr;
        QTimer::singleShot(0, [&] {
            dialogSeen = QApplication::activeModalWidget();
            QTest::keyClick(dialogSeen, Qt::Key_F1);
            topicInDialog = ShownTopic();
            helpOwnerInDialog = HelpWindow() ? HelpWindow()->parentWidget() : nullptr;
            static_cast<QDialog*>(dialogSeen)->reject();
        });
        {
            FormPrint print(main);
            print.exec();
        }
        QCOMPARE(topicInDialog, QStringLiteral("Print.htm"));
        QVERIFY(dialogSeen && helpOwnerInDialog == dialogSeen);
        QVERIFY(!HelpWindow()); // closed with its dialog
        QTest::keyClick(main, Qt::Key_F1);
        QVERIFY(HelpWindow() && HelpWindow()->parentWidget() == main);
        main->files().MenuExit_Click();
        QTRY_VERIFY(!alive);
        QVERIFY(!HelpWindow());
    }

    // At first start the window shows the whole grid and uncut tree texts;
    // the next start restores where it was left.
    void firstStartLayoutAndRestore_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("English") << true;
        QTest::newRow("Chinese") << false;
    }
    void firstStartLayoutAndRestore()
    {
        QFETCH(bool, english);
        test::TestEnvironment env;
        StoreLanguage(english);
        QRect left;
        {
            auto* main = new MDIFormMain;
            main->setAttribute(Qt::WA_DeleteOnClose);
            main->MDIForm_Load();
            main->show();
            QVERIFY(QTest::qWaitForWindowExposed(main));
            QTableView* table = Grid(*main)->MSHFlexGridChannel;
            QTRY_VERIFY(!table->verticalScrollBar()->isVisible());
            QVERIFY(!table->horizontalScrollBar()->isVisible());
            QVERIFY(table->viewport()->rect().contains(table->visualRect(table->model()->index(15, 9))));
            const QMdiSubWindow* sub = main->MdiArea->currentSubWindow();
            QVERIFY(QRect(QPoint(0, 0), main->MdiArea->viewport()->size()).contains(sub->geometry()));
            QTreeWidget* tree = main->TreeView1;
            const QTreeWidgetItem* root = tree->topLevelItem(0);
            for (int i = 0; i < root->childCount(); ++i) {
                const QRect text = tree->visualItemRect(root->child(i));
                const int needed = tree->fontMetrics().horizontalAdvance(root->child(i)->text(0));
                QVERIFY2(text.left() + needed <= tree->viewport()->width(), qPrintable(root->child(i)->text(0)));
            }
            main->resize(main->size() - QSize(40, 30));
            main->move(main->pos() + QPoint(20, 10));
            left = main->geometry();
            main->close();
        }
        MDIFormMain again;
        again.MDIForm_Load();
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.size(), left.size());
    }

    // The grid's keyboard commands are in the Edit menu while the grid is in
    // front, and in its context menu, with their keys; both run the command.
    void gridCommandsInMenus_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("English") << true
            << QStringList { "Copy &Channel...\tShift+F3", "&Frequency Copy...\tShift+F4", "&QT/DQT Copy...\tShift+F5",
                             "&Insert Channel\tShift+F9", "&Delete Channel\tShift+F10", "Channel &Edit\tF11",
                             "Move Channel &Up\tAlt+Up", "Move Channel Do&wn\tAlt+Down" };
        QTest::newRow("Chinese") << false
            << QStringList { "信道复制(&C)...\tShift+F3", "频率复制(&F)...\tShift+F4", "亚音复制(&Q)...\tShift+F5",
                             "插入信道(&I)\tShift+F9", "删除信道(&D)\tShift+F10", "信道编辑(&E)\tF11",
                             "上移信道(&U)\tAlt+Up", "下移信道(&W)\tAlt+Down" };
    }
    void gridCommandsInMenus()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, items);
        test::TestEnvironment env;
        StoreLanguage(english);
        MDIFormMain main;
        main.MDIForm_Load();
        // Key names are the desktop's, in its language.
        for (QString& item : items)
            for (const auto key : { Qt::Key_Up, Qt::Key_Down })
                item.replace(QKeySequence(Qt::ALT | key).toString(), QKeySequence(Qt::ALT | key).toString(QKeySequence::NativeText));
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        const auto shown = [](const QList<QAction*>& actions) {
            QStringList texts;
            for (QAction* a : actions)
                if (a->isVisible() && !a->isSeparator() && !a->shortcut().isEmpty())
                    texts << a->text() + QStringLiteral("\t") + a->shortcut().toString(QKeySequence::NativeText);
            return texts;
        };
        emit main.MenuEdit->aboutToShow();
        // Undo and Redo head the menu, with the desktop's keys.
        const auto text = [english](const char* en, const char* zh) { return QString::fromUtf8(english ? en : zh); };
        const auto key = [](QKeySequence::StandardKey k) { return QStringLiteral("\t") + QKeySequence(k).toString(QKeySequence::NativeText); };
        QCOMPARE(shown(main.MenuEdit->actions()),
                 QStringList({ text("&Undo", "撤销(&U)") + key(QKeySequence::Undo), text("&Redo", "重做(&R)") + key(QKeySequence::Redo) })
                     + items);

        // A channel typed into row 3; right-click on it, then Insert: it moves to row 4.
        FormChannelInformation* grid = Grid(main);
        QTableView* table = grid->MSHFlexGridChannel;
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(2, 1)).center());
        QTest::keyClicks(grid->openEditor(), QStringLiteral("446"));
        QTest::keyClick(grid->openEditor(), Qt::Key_Return);
        QCOMPARE(grid->cellText(3, 1), QStringLiteral("446.00000"));
        const QPoint at = table->visualRect(table->model()->index(2, 4)).center();
        emit table->customContextMenuRequested(at);
        auto* menu = grid->findChild<QMenu*>(QStringLiteral("GridMenu"));
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(shown(menu->actions()), items);
        QVERIFY(menu->actions().contains(main.MenuInsertPreset));
        QCOMPARE(ChannelTableModel::of(AppDocument()).currentChannel(), 3);
        grid->ActionInsertChannel->trigger();
        menu->close();
        QCOMPARE(grid->cellText(3, 1), QString());
        QCOMPARE(grid->cellText(4, 1), QStringLiteral("446.00000"));

        // Another page in front: the grid's commands leave the Edit menu;
        // Undo stays, naming the insert.
        main.OpenPage(OptionPageId);
        emit main.MenuEdit->aboutToShow();
        QCOMPARE(shown(main.MenuEdit->actions()),
                 QStringList({ text("&Undo Insert channel", "撤销 插入信道(&U)") + key(QKeySequence::Undo),
                               text("&Redo", "重做(&R)") + key(QKeySequence::Redo) }));
    }
};

int main(int argc, char** argv)
{
    // A desktop-sized screen (the offscreen default is 800 x 600): the first
    // start sizes the window for the whole grid where the screen allows it.
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        const QString config = QDir::temp().filePath(QStringLiteral("t40-test-screen-%1.json").arg(QCoreApplication::applicationPid()));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(R"({"screens":[{"name":"desk","x":0,"y":0,"width":1600,"height":1000,"logicalDpi":96}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    }
    QApplication app(argc, argv);
    TestHelpAndLayout test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_help_and_layout.moc"
