#include "interface_language.h"
#include "form_password.h"
#include "form_password_change.h"
#include "form_process.h"
#include "password_fields.h"
#include "pty_radio_server.h"
#include "radio_document.h"
#include "shared_state.h"
#include "test_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

using namespace t40;
using namespace t40::test;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {
std::vector<int> PasswordBytes(const RadioImage& image)
{
    std::vector<int> out;
    for (int a = 752; a <= 757; ++a)
        out.push_back(image.byte(a));
    return out;
}

// Presses the visible session window's Write button once it is up.
void PressWriteWhenShown()
{
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<FormProcess*>(w); form && form->isVisible()) {
                form->CommandWrite_Click();
                return;
            }
        PressWriteWhenShown();
    });
}
} // namespace

class TestPassword : public QObject {
    Q_OBJECT
private slots:
    void storedBytes_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<std::vector<int>>("bytes");
        QTest::newRow("two characters") << "ab" << std::vector<int> { 'a', 'b', 0xFF, 0xFF, 0xFF, 0xFF };
        QTest::newRow("empty") << "" << std::vector<int>(6, 0xFF);
        QTest::newRow("six characters") << "Zx9!k0" << std::vector<int> { 'Z', 'x', '9', '!', 'k', '0' };
        QTest::newRow("a Latin-1 character") << QString::fromLatin1("\xe9") << std::vector<int> { 0xE9, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF };
    }
    void storedBytes()
    {
        QFETCH(QString, password);
        QFETCH(std::vector<int>, bytes);
        RadioDocument document;
        document.setBytes(752, std::vector<std::uint8_t>(16, 0x11));
        StorePassword(document, password);
        const RadioImage& image = document.memory();
        QCOMPARE(PasswordBytes(image), bytes);
        for (int a = 758; a < 768; ++a)
            QCOMPARE(image.byte(a), std::uint8_t(0x11)); // rest of the block untouched
    }

    void entryFields_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("plain") << "abc123" << "abc123";
        QTest::newRow("seventh character dropped") << "abcdefg" << "abcdef";
        QTest::newRow("double-byte character refused") << QString::fromUtf8("a中b") << "ab";
    }
    void entryFields()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        TestEnvironment env;
        QString password;
        FormPasswordChange dialog(AppDocument(), password);
        dialog.show();
        QLineEdit* edit = dialog.TextNewPassword[0];
        edit->setFocus();
        for (QChar c : typed) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
        }
        QCOMPARE(edit->text(), kept);
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
        QCOMPARE(edit->displayText(), QString(kept.size(), QLatin1Char('*')));
        QCOMPARE(edit->maxLength(), 6);
    }

    void passwordDialog()
    {
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        QString password = QStringLiteral("old");
        FormPassword dialog(AppDocument(), password);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Program Password"));
        QCOMPARE(dialog.CommandChange->text(), QStringLiteral("Chann&ge"));
        QCOMPARE(dialog.TextPassword->text(), QStringLiteral("old"));
        QVERIFY(dialog.CommandChange->isVisible());
        dialog.TextPassword->setText(QStringLiteral("new1"));
        dialog.CommandCancel_Click();
        QCOMPARE(password, QStringLiteral("old"));
        FormPassword again(AppDocument(), password);
        again.TextPassword->setText(QStringLiteral("new1"));
        again.CommandOK_Click();
        QCOMPARE(password, QStringLiteral("new1"));

        State().SessionWindowOpen = true;
        FormPassword during(AppDocument(), password);
        during.show();
        QVERIFY(!during.CommandChange->isVisible());
    }

    void mismatchedEntries_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("case only") << "abc" << "ABC";
        QTest::newRow("one empty") << "abc" << "";
    }
    void mismatchedEntries()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        const RadioImage before = AppDocument().memory();
        QString password;
        FormPasswordChange dialog(AppDocument(), password);
        dialog.TextNewPassword[0]->setText(first);
        dialog.TextNewPassword[1]->setText(second);
        dialog.CommandOK_Click();
        QCOMPARE(int(env.prompts().messages.size()), 1);
        QCOMPARE(env.prompts().messages.front().text, QStringLiteral("Different between two new passowrds"));
        QVERIFY(AppDocument().memory() == before);
        QVERIFY(password.isEmpty());
    }

    void declinedChangeKeepsNewBytes()
    {
        TestEnvironment env;
        env.prompts().answers = { BoxAnswer::Cancel };
        QString password;
        FormPasswordChange dialog(AppDocument(), password);
        dialog.TextOldPassword->setText(QStringLiteral("old"));
        dialog.TextNewPassword[0]->setText(QStringLiteral("pw"));
        dialog.TextNewPassword[1]->setText(QStringLiteral("pw"));
        dialog.CommandOK_Click();
        QCOMPARE(env.prompts().messages.back().text, QString::fromUtf8("修改密码？"));
        QCOMPARE(PasswordBytes(AppDocument().memory()), (std::vector<int> { 'p', 'w', 0xFF, 0xFF, 0xFF, 0xFF }));
        QCOMPARE(password, QStringLiteral("old"));
    }

    void changeWritesThePasswordBlock()
    {
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        VirtualRadio radio;
        PtyRadioServer server(radio);
        QString reason;
        QVERIFY2(server.open(&reason), qPrintable(reason));
        QSettings(QStringLiteral("ZEV"), QStringLiteral("T40")).setValue(QStringLiteral("Ports/COM3"), server.devicePath());
        State().ComPortNumber = 3;
        radio.setBandFlag(AppDocument().byte(445));
        server.startThread();

        QString password;
        FormPassword dialog(AppDocument(), password);
        FormPasswordChange change(AppDocument(), password, &dialog);
        change.TextOldPassword->setText(QStringLiteral("old"));
        change.TextNewPassword[0]->setText(QStringLiteral("s3cret"));
        change.TextNewPassword[1]->setText(QStringLiteral("s3cret"));
        env.prompts().answers = { BoxAnswer::Ok };
        // The session window is modal: press its Write, then close it when the report is shown.
        PressWriteWhenShown();
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* form = qobject_cast<FormProcess*>(w); form && form->isVisible() && form->CommandWrite->isEnabled())
                    form->CommandCancel_Click();
        });
        closer.start(20);
        change.CommandOK_Click();
        closer.stop();
        server.stop();

        QCOMPARE(env.prompts().messages.back().text, QStringLiteral("Change password successful"));
        QCOMPARE(password, QStringLiteral("s3cret"));
        const std::vector<int> addresses = radio.writeAddresses();
        QCOMPARE(int(addresses.size()), 48);
        QCOMPARE(addresses.back(), 0x2F0);
        QCOMPARE(radio.memory().byte(0x2F0), std::uint8_t('s'));
        QCOMPARE(radio.memory().byte(0x2F5), std::uint8_t('t'));
    }
};

QTEST_MAIN(TestPassword)
#include "test_password.moc"
