// Closing while a question waits, the menus' keys, and a data file named on the command line.
#include "channel_table_model.h"
#include "form_channel_edit.h"
#include "form_channel_information.h"
#include "channel_grid_view.h"
#include "form_model_information.h"
#include "form_welcome.h"
#include "data_file.h"
#include "document_history.h"
#include "window_menu.h"
#include "field_table.h"
#include "program_files.h"
#include "main_window_fixture.h"
#include "file_commands.h"
#include "mdi_form_main.h"
#include "radio_commands.h"
#include "shared_state.h"
#include "test_support.h"

#include <QTableView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

using namespace t40;
using test::Fixture;

namespace {
// The widgets in which an action's keys work.
QList<const QWidget*> KeyScopes(const QAction* action)
{
    QList<const QWidget*> scopes;
    for (const QObject* object : action->associatedObjects()) {
        const auto* widget = qobject_cast<const QWidget*>(object);
        if (!widget)
            continue;
        if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
            // A menu's actions work where the menu is reachable from.
            scopes += KeyScopes(menu->menuAction());
            continue;
        }
        if (action->shortcutContext() == Qt::WidgetShortcut
            || action->shortcutContext() == Qt::WidgetWithChildrenShortcut) {
            scopes << widget;
            continue;
        }
        // A window's keys work in the whole window; inside a page of the
        // page area, only while the focus is in that page.
        const QWidget* window = widget;
        while (!window->isWindow() && window->windowType() != Qt::SubWindow)
            window = window->parentWidget();
        scopes << window;
    }
    return scopes;
}

bool Overlap(const QWidget* a, const QWidget* b)
{
    return a == b || a->isAncestorOf(b) || b->isAncestorOf(a);
}

FormChannelInformation* Grid(MDIFormMain& main)
{
    return qobject_cast<FormChannelInformation*>(main.page(ChannelPageId));
}

const int SquelchOffset = Field(FieldId::SquelchLevel).offset;

std::uint8_t Squelch()
{
    return std::uint8_t(AppDocument().value(FieldId::SquelchLevel));
}

// One recorded step: the squelch level changed.
std::uint8_t EditSquelch()
{
    const int edited = Squelch() == 5 ? 6 : 5;
    {
        const RadioDocument::Step edit(AppDocument(), StepName {});
        AppDocument().setValue(FieldId::SquelchLevel, edited);
    }
    return std::uint8_t(edited);
}

void ClickCell(FormChannelInformation* grid, int row, int column)
{
    QTableView* table = grid->MSHFlexGridChannel;
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(row - 1, column)).center());
}
} // namespace

class TestCloseAndShortcuts : public QObject {
    Q_OBJECT
private slots:
    // A close from the desktop (the window's close button) that comes while
    // the save question of any command waits is refused: the question stays
    // the user's, and Cancel keeps the edit and the program.
    void closeWhileTheSaveQuestionWaits_data()
    {
        QTest::addColumn<std::function<void(MDIFormMain&)>>("command");
        QTest::newRow("New") << std::function<void(MDIFormMain&)>([](MDIFormMain& m) { m.MenuNew->trigger(); });
        QTest::newRow("Open") << std::function<void(MDIFormMain&)>([](MDIFormMain& m) { m.MenuOpen->trigger(); });
        QTest::newRow("Open Backup")
            << std::function<void(MDIFormMain&)>([](MDIFormMain& m) { m.MenuOpenBackup->trigger(); });
        QTest::newRow("Exit") << std::function<void(MDIFormMain&)>([](MDIFormMain& m) { m.MenuExit->trigger(); });
        QTest::newRow("Read") << std::function<void(MDIFormMain&)>([](MDIFormMain& m) { m.MenuRead->trigger(); });
        QTest::newRow("model change") << std::function<void(MDIFormMain&)>([](MDIFormMain& m) {
            QTimer::singleShot(0, [] {
                auto* dialog = qobject_cast<FormModelInformation*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->ComboModel->setCurrentIndex(0); // VHF
                dialog->ComboModel_Click();
                dialog->CommandOK->click();
            });
            m.MenuModelInformation->trigger();
        });
        QTest::newRow("the window's close button")
            << std::function<void(MDIFormMain&)>([](MDIFormMain& m) { m.close(); });
    }
    void closeWhileTheSaveQuestionWaits()
    {
        QFETCH(std::function<void(MDIFormMain&)>, command);
        Fixture f;
        f.main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.main));
        const std::uint8_t edited = EditSquelch();
        QVERIFY(AppDocument().isModified());
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        int closesSent = 0;
        bool refused = false;
        f.env.prompts().whileShown = [&](const MessageRecord& box) {
            if (box.buttons != BoxButtons::SaveDiscardCancel || closesSent++ > 0)
                return;
            QCloseEvent fromDesktop;
            QApplication::sendEvent(f.main.windowHandle(), &fromDesktop);
            refused = !fromDesktop.isAccepted();
            f.env.prompts().answers.push_front(BoxAnswer::Cancel);
        };
        command(f.main);
        QCOMPARE(closesSent, 1);
        QVERIFY(refused);
        QCOMPARE(std::count_if(f.env.prompts().messages.begin(), f.env.prompts().messages.end(),
                               [](const MessageRecord& box) { return box.buttons == BoxButtons::SaveDiscardCancel; }),
                 1); // no second question behind the first
        QVERIFY(f.main.isVisible());
        QVERIFY(f.main.windowHandle() && f.main.windowHandle()->handle());
        QCOMPARE(lastClosed.count(), 0);
        QVERIFY(AppDocument().isModified());
        QCOMPARE(Squelch(), edited);
    }

    // No key of the menus, the pages and their windows works for two actions
    // in the same place, with every page and the channel editor open.
    void shortcutTableHasNoClash()
    {
        Fixture f;
        f.main.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.main));
        for (const int id : { ChannelPageId, OptionPageId, KeyPageId, ScanPageId, MessagePageId })
            f.main.OpenPage(id);
        FormChannelEdit::ShowEditor(AppDocument(), Grid(f.main));
        for (QMdiSubWindow* sub : f.main.MdiArea->subWindowList())
            f.main.MdiArea->setActiveSubWindow(sub);
        QMultiHash<QKeySequence, QAction*> byKey;
        for (QAction* action : f.main.findChildren<QAction*>())
            for (const QKeySequence& key : action->shortcuts())
                byKey.insert(key, action);
        QVERIFY(byKey.contains(QKeySequence(Qt::CTRL | Qt::Key_W)));
        for (const QKeySequence& key : byKey.uniqueKeys()) {
            const QList<QAction*> actions = byKey.values(key);
            for (int i = 0; i < actions.size(); ++i)
                for (int j = i + 1; j < actions.size(); ++j)
                    for (const QWidget* a : KeyScopes(actions[i]))
                        for (const QWidget* b : KeyScopes(actions[j]))
                            QVERIFY2(!Overlap(a, b), qPrintable(key.toString() + QStringLiteral(": ") + actions[i]->text()
                                                               + QStringLiteral(" / ") + actions[j]->text()));
        }
    }

    // The keys reach their commands from where the user is: Write from the
    // grid, Redo as Ctrl+Y and Ctrl+Shift+Z, Undo from a cell's text box that
    // has nothing of its own to take back (also after Escape); typing in the
    // box is the box's to undo.
    void keysReachTheirCommands_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("expected");
        const QKeySequence undo(Qt::CTRL | Qt::Key_Z);
        QTest::newRow("Ctrl+W in the grid") << "grid" << QKeySequence(Qt::CTRL | Qt::Key_W) << "write";
        QTest::newRow("Ctrl+W in the channel editor") << "editor" << QKeySequence(Qt::CTRL | Qt::Key_W) << "write";
        QTest::newRow("Ctrl+Y") << "grid" << QKeySequence(Qt::CTRL | Qt::Key_Y) << "redone";
        QTest::newRow("Ctrl+Shift+Z") << "grid" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) << "redone";
        QTest::newRow("Ctrl+Z in the grid") << "grid" << undo << "undone";
        QTest::newRow("Ctrl+Z in an empty cell's box") << "cell" << undo << "undone";
        QTest::newRow("Ctrl+Z after Escape") << "cell, Escape" << undo << "undone";
        QTest::newRow("Ctrl+Y in an empty cell's box") << "cell" << QKeySequence(Qt::CTRL | Qt::Key_Y) << "redone";
        QTest::newRow("Ctrl+Z after typing in the box") << "cell, typed" << undo << "box undone";
    }
    void keysReachTheirCommands()
    {
        QFETCH(QString, where);
        QFETCH(QKeySequence, key);
        QFETCH(QString, expected);
        Fixture f;
        f.main.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.main));
        const std::uint8_t before = Squelch();
        const std::uint8_t edited = EditSquelch();
        if (expected == QLatin1String("redone"))
            f.main.history().undo();
        QObject::disconnect(f.main.MenuWrite, &QAction::triggered, &f.main.radio(), nullptr);
        QSignalSpy write(f.main.MenuWrite, &QAction::triggered);
        FormChannelInformation* grid = Grid(f.main);
        if (where == QLatin1String("editor")) {
            FormChannelEdit::ShowEditor(AppDocument(), grid)->setFocus();
        } else if (where.startsWith(QLatin1String("cell"))) {
            ClickCell(grid, 9, 1);
            QCOMPARE(QApplication::focusWidget(), grid->openEditor());
            if (where.endsWith(QLatin1String("Escape")))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            if (where.endsWith(QLatin1String("typed")))
                QTest::keyClicks(grid->openEditor(), QStringLiteral("44"));
        } else {
            grid->MSHFlexGridChannel->setFocus();
        }
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        const QKeyCombination combination = key[0];
        QTest::keyClick(focus, combination.key(), combination.keyboardModifiers());
        QCOMPARE(write.count(), expected == QLatin1String("write") ? 1 : 0);
        const bool undone = expected == QLatin1String("undone");
        const bool redone = expected == QLatin1String("redone") || expected == QLatin1String("write")
            || expected == QLatin1String("box undone");
        QCOMPARE(Squelch(), redone ? edited : before);
        QVERIFY(undone || redone);
        if (expected == QLatin1String("box undone"))
            QCOMPARE(qobject_cast<QLineEdit*>(grid->openEditor())->text(), QString());
    }

    // t40 FILE.rdat (and the file manager's Open): the file opens once the
    // main window is loaded; a file that cannot be used gets File > Open's
    // message and the data stays as it was.
    void fileFromTheCommandLine_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::newRow("data file") << "radio.rdat" << "radio.rdat" << "";
        QTest::newRow("not a data file") << "short.rdat" << "new.rdat" << "Error file！";
        QTest::newRow("missing") << "missing.rdat" << "new.rdat" << "Cannot read the file";
    }
    void fileFromTheCommandLine()
    {
        QFETCH(QString, file);
        QFETCH(QString, title);
        QFETCH(QString, message);
        test::TestEnvironment env;
        QSettings(QStringLiteral("ZEV"), QStringLiteral("T40")).setValue(QStringLiteral("Language"), QStringLiteral("True"));
        RadioImage image;
        LoadTemplate(ProgramDataPath(QStringLiteral("Init.dat")), image);
        image.setByte(SquelchOffset, 7);
        QCOMPARE(SaveDataFile(env.tempPath(QStringLiteral("radio.rdat")), image), DataFileStatus::Ok);
        QFile shortFile(env.tempPath(QStringLiteral("short.rdat")));
        QVERIFY(shortFile.open(QIODevice::WriteOnly) && shortFile.write("T40") == 3);
        shortFile.close();

        auto* splash = new FormWelcome;
        splash->setFileToOpen(env.tempPath(file));
        splash->Timer1_Timer();
        QPointer<MDIFormMain> main = splash->mainWindow();
        QVERIFY(main && main->isVisible());
        main->Timer1_Timer();
        QVERIFY2(main->windowTitle().contains(QStringLiteral("[FileName:") + title), qPrintable(main->windowTitle()));
        QCOMPARE(main->currentFilePath(), message.isEmpty() ? env.tempPath(file) : QString());
        QCOMPARE(Squelch() == 7, message.isEmpty());
        QVERIFY(!AppDocument().isModified());
        QCOMPARE(env.prompts().messages.size(), size_t(message.isEmpty() ? 0 : 1));
        if (!message.isEmpty())
            QVERIFY(env.prompts().messages.front().text.startsWith(message));

        // Named again while edits wait: the save question first; Cancel keeps them.
        const std::uint8_t edited = EditSquelch();
        env.prompts().answers = { BoxAnswer::Cancel };
        main->files().OpenDataFile(env.tempPath(QStringLiteral("radio.rdat")));
        QCOMPARE(env.prompts().messages.back().buttons, BoxButtons::SaveDiscardCancel);
        QCOMPARE(Squelch(), edited);
        QVERIFY(AppDocument().isModified());
        env.prompts().answers = { BoxAnswer::Discard };
        main->files().OpenDataFile(env.tempPath(QStringLiteral("radio.rdat")));
        QCOMPARE(Squelch(), std::uint8_t(7));
        main->close();
        QTRY_VERIFY(main.isNull());
    }
};

QTEST_MAIN(TestCloseAndShortcuts)
#include "test_close_and_shortcuts.moc"
