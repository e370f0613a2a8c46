#include "interface_language.h"
#include "form_embed_message.h"
#include "help_topic.h"
#include "memory_map.h"
#include "page_test_helpers.h"
#include "shared_state.h"
#include "test_support.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

using namespace t40;
using namespace t40::test;

namespace {

constexpr int Line1 = 0x300;
constexpr int Line2 = 0x320;

// Tune data occupying the message bytes, as a read from the radio leaves it.
void FillTuneData()
{
    for (int i = 0; i < 0x100; ++i)
        AppDocument().setByte(0x300 + i, std::uint8_t(0x80 + i % 0x70));
}

void LeaveLine(QLineEdit* edit)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &out);
}

// Types text key by key, as a keyboard or an input method delivers it
// (QTest::keyClicks takes Latin-1 only).
void Type(QLineEdit* edit, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &release);
    }
}

// Bytes 0x300..0x33F as the lines and their 0xFF fill should leave them.
QByteArray Expected(const QByteArray& line1, const QByteArray& line2)
{
    return line1 + QByteArray(32 - line1.size(), '\xFF') + line2 + QByteArray(32 - line2.size(), '\xFF');
}

QByteArray MessageBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 64; ++i)
        bytes.append(char(AppDocument().byte(Line1 + i)));
    return bytes;
}

} // namespace

class TestFormEmbedMessage : public QObject {
    Q_OBJECT
private slots:
    void decodeShowsWithoutWriting_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("line1");
        QTest::addColumn<QString>("line2");
        QTest::newRow("erased") << QByteArray(64, '\xFF') << QString() << QString();
        QTest::newRow("gap") << QByteArray("\x41\xFF\x42", 3) + QByteArray(61, '\xFF') << "AB" << QString();
        QTest::newRow("0x14 shown, 0x7F skipped") << QByteArray("\x14\x7F", 2) + QByteArray(62, '\xFF') << QStringLiteral("\x14") << QString();
        QTest::newRow("two lines") << QByteArray("Hello", 5) + QByteArray(27, '\xFF') + QByteArray("World  ", 7) + QByteArray(25, '\xFF')
                                   << "Hello" << "World  ";
        QTest::newRow("tune data only") << QByteArray(64, '\x90') << QString() << QString();
    }
    void decodeShowsWithoutWriting()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, line1);
        QFETCH(QString, line2);
        TestEnvironment env;
        FillTuneData();
        for (int i = 0; i < 64; ++i)
            AppDocument().setByte(Line1 + i, std::uint8_t(bytes[i]));
        const RadioImage before = AppDocument().memory();
        FormEmbedMessage page(AppDocument());
        QCOMPARE(page.TextEmbedMessage[0]->text(), line1);
        QCOMPARE(page.TextEmbedMessage[1]->text(), line2);
        // Visiting both lines without changing them leaves the bytes alone.
        LeaveLine(page.TextEmbedMessage[0]);
        LeaveLine(page.TextEmbedMessage[1]);
        page.FreshData();
        QVERIFY(AppDocument().memory() == before);
    }

    void editingStores_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("five characters") << 0 << "Radio" << Expected("Radio", "").left(32);
        QTest::newRow("trailing spaces") << 1 << "A B  " << Expected("A B  ", "").left(32);
        QTest::newRow("33 typed, 32 kept") << 0 << QString(33, 'x') << QByteArray(32, 'x');
        QTest::newRow("Chinese refused") << 0 << "ab中文c" << Expected("abc", "").left(32);
        QTest::newRow("Latin-1 refused") << 1 << QStringLiteral("caf\u00e9!") << Expected("caf!", "").left(32);
    }
    void editingStores()
    {
        QFETCH(int, line);
        QFETCH(QString, typed);
        QFETCH(QByteArray, expected);
        TestEnvironment env;
        FillTuneData();
        const RadioImage before = AppDocument().memory();
        FormEmbedMessage page(AppDocument());
        Type(page.TextEmbedMessage[line], typed);
        QCOMPARE(AppDocument().byte(Line1), before.byte(Line1)); // nothing stored while typing
        LeaveLine(page.TextEmbedMessage[line]);
        // The edited line is stored; the other keeps every byte (tune data here).
        QCOMPARE(MessageBytes().mid(32 * line, 32), expected);
        for (int offset : ChangedBytes(before, AppDocument().memory()))
            QVERIFY(offset >= 0x300 + 32 * line && offset < 0x320 + 32 * line);
    }

    void gapClosesUpWhenStored()
    {
        TestEnvironment env;
        AppDocument().setByte(Line1, 0x41);
        AppDocument().setByte(Line1 + 2, 0x42);
        FormEmbedMessage page(AppDocument());
        QCOMPARE(page.TextEmbedMessage[0]->text(), QStringLiteral("AB"));
        page.TextEmbedMessage[0]->end(false);
        QTest::keyClicks(page.TextEmbedMessage[0], "C");
        LeaveLine(page.TextEmbedMessage[0]);
        QCOMPARE(MessageBytes(), Expected("ABC", ""));
    }

    void enterStoresAndMovesOn()
    {
        TestEnvironment env;
        AppDocument().setByte(Line2, 'Z');
        FormEmbedMessage page(AppDocument());
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        page.TextEmbedMessage[0]->setFocus();
        QTest::keyClicks(page.TextEmbedMessage[0], "Hi");
        QTest::keyClick(page.TextEmbedMessage[0], Qt::Key_Return);
        QCOMPARE(page.TextEmbedMessage[0]->text(), QStringLiteral("Hi")); // Enter inserts nothing
        QCOMPARE(MessageBytes(), Expected("Hi", "Z"));
        QCOMPARE(QApplication::focusWidget(), page.TextEmbedMessage[1]);
        QCOMPARE(page.TextEmbedMessage[1]->selectedText(), QStringLiteral("Z"));
        QTest::keyClicks(page.TextEmbedMessage[1], "ok");
        QTest::keyClick(page.TextEmbedMessage[1], Qt::Key_Enter);
        QCOMPARE(MessageBytes(), Expected("Hi", "ok"));
        QCOMPARE(QApplication::focusWidget(), page.CommandClose);
    }

    void pendingEditKeptOnFlushAndClose()
    {
        TestEnvironment env;
        FormEmbedMessage page(AppDocument());
        QTest::keyClicks(page.TextEmbedMessage[0], "Save me");
        page.FreshData(); // before a save or a transfer
        QCOMPARE(MessageBytes(), Expected("Save me", ""));

        auto* second = new FormEmbedMessage(AppDocument());
        second->setAttribute(Qt::WA_DeleteOnClose);
        QTest::keyClicks(second->TextEmbedMessage[1], "bye");
        second->close();
        QCOMPARE(MessageBytes(), Expected("Save me", "bye"));
    }

    void refreshAfterReadShowsNewText()
    {
        TestEnvironment env;
        FormEmbedMessage page(AppDocument());
        QTest::keyClicks(page.TextEmbedMessage[0], "typed");
        FillTuneData();
        AppDocument().setByte(Line1, 'N');
        const RadioImage read = AppDocument().memory();
        page.RefreshAfterRead();
        QCOMPARE(page.TextEmbedMessage[0]->text(), QStringLiteral("N"));
        LeaveLine(page.TextEmbedMessage[0]); // the earlier typing is gone with the read
        QVERIFY(AppDocument().memory() == read);
    }

    void captions_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("English") << true;
        QTest::newRow("Chinese") << false;
    }
    void captions()
    {
        QFETCH(bool, english);
        TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        FormEmbedMessage page(AppDocument());
        QCOMPARE(page.windowTitle(), english ? QStringLiteral("Embedded Message") : QStringLiteral("嵌入信息"));
        QCOMPARE(page.CommandClose->text(), english ? QStringLiteral("&Close") : QStringLiteral("关闭(&C)"));
        QCOMPARE(page.TextEmbedMessage[0]->maxLength(), 32);
    }

    void windowMenuHelpAndClose()
    {
        TestEnvironment env;
        QMenu windowMenu;
        State().WindowMenuHandle = &windowMenu;
        auto* page = new FormEmbedMessage(AppDocument());
        page->setAttribute(Qt::WA_DeleteOnClose);
        QVERIFY(State().MessagePageOpen);
        QCOMPARE(windowMenu.actions().size(), 1);
        page->CommandHelp->click();
        QVERIFY(HelpWindow());
        QVERIFY(HelpWindow()->source().toString().endsWith(QStringLiteral("embmsg.htm")));
        HelpWindow()->close();
        page->CommandClose->click();
        QVERIFY(!State().MessagePageOpen);
        QVERIFY(windowMenu.actions().isEmpty());
    }
};

QTEST_MAIN(TestFormEmbedMessage)
#include "test_form_embed_message.moc"
