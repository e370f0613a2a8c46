#include "channel.h"
#include "form_change_preview.h"
#include "interface_language.h"
#include "form_process.h"
#include "on_modal.h"
#include "programming_log.h"
#include "pty_radio_server.h"
#include "radio_on_com.h"
#include "shared_state.h"
#include "test_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

using namespace t40;
using namespace t40::test;

namespace {
constexpr int ComNumber = 7;
constexpr int RunTimeoutMs = 15000;

SessionRequest Whole(bool isRead)
{
    return SessionRequest { SessionKind::Whole, isRead ? Direction::Read : Direction::Write };
}

void FillPattern(RadioImage& memory, int seed)
{
    for (int a = 0; a < RadioImage::MemorySize; ++a)
        memory.setMemoryByte(a, std::uint8_t((a * 31 + seed) & 0xFF));
}

void FillPattern(RadioDocument& document, int seed)
{
    RadioImage memory;
    FillPattern(memory, seed);
    document.replaceImage(memory, false);
}

// A virtual radio on a pseudo-terminal, registered as COM7.
struct PtyRadio {
    VirtualRadio radio;
    PtyRadioServer server { radio };

    bool start()
    {
        QString reason;
        return ServeRadioOnCom(server, ComNumber, &reason);
    }
};
} // namespace

class TestFormProcess : public QObject {
    Q_OBJECT
private slots:
    void captionsOnLoad_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("isRead");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("button");
        QTest::newRow("read, English") << true << true << "Read data from radio" << "Read";
        QTest::newRow("write, English") << true << false << "Write data from radio" << "Write";
        QTest::newRow("read, Chinese") << false << true << QString::fromUtf8("从对讲机读取数据") << QString::fromUtf8("读取");
        QTest::newRow("write, Chinese") << false << false << QString::fromUtf8("向对讲机写入数据") << QString::fromUtf8("写入");
    }
    void captionsOnLoad()
    {
        QFETCH(bool, english);
        QFETCH(bool, isRead);
        QFETCH(QString, caption);
        QFETCH(QString, button);
        TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        FormProcess form(Whole(isRead), QStringLiteral("abc"));
        form.show();
        QCOMPARE(form.windowTitle(), caption);
        QPushButton* visible = isRead ? form.CommandRead : form.CommandWrite;
        QPushButton* hidden = isRead ? form.CommandWrite : form.CommandRead;
        QVERIFY(visible->isVisible());
        QVERIFY(!hidden->isVisible());
        QCOMPARE(visible->text(), button);
        QCOMPARE(form.LabelProcess->text(), english ? QStringLiteral("Complete:0%") : QString::fromUtf8("完成进度:0%"));
        QVERIFY(!form.TextShow->isVisible());
        QVERIFY(!form.TextPassword->isVisible());
        QVERIFY(!form.CheckNewPassword->isVisible());
        QVERIFY(State().SessionWindowOpen);

        form.CommandCancel_Click();
        QVERIFY(!State().SessionWindowOpen);
        QCOMPARE(form.ProgramPassword(), QStringLiteral("abc"));
    }

    void portThatCannotOpen()
    {
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        State().ComPortNumber = 99; // nothing there
        QSettings(QStringLiteral("ZEV"), QStringLiteral("T40")).setValue(QStringLiteral("Ports/COM99"), env.tempPath(QStringLiteral("no-such-tty")));
        FormProcess form(Whole(true));
        form.show();
        form.CommandRead_Click();
        QTRY_VERIFY(form.CommandRead->isEnabled());
        QCOMPARE(int(env.prompts().messages.size()), 1);
        QCOMPARE(env.prompts().messages.front().text, QStringLiteral("Please reselect COM port!"));
        QVERIFY(!env.prompts().messages.front().detail.isEmpty());
        QVERIFY(!form.SessionSucceeded());
        QCOMPARE(form.windowTitle(), QStringLiteral("Read data from radio"));
    }

    void readsTheRadio()
    {
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        PtyRadio pty;
        FillPattern(pty.radio.memory(), 3);
        pty.radio.memory().setByte(300, 1);
        QVERIFY(pty.start());
        int refreshes = 0;
        FormProcess form(Whole(true));
        connect(&form, &FormProcess::radioRead, this, [&refreshes] {
            ++refreshes;
            BandState band = AppDocument().band();
            band.effectiveHighMHz = 480;
            AppDocument().setBand(band);
        });
        QSignalSpy completed(&form, &FormProcess::sessionCompleted);
        form.show();
        form.CommandRead_Click();
        QVERIFY(!form.CommandRead->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(form.TextShow->isVisible(), RunTimeoutMs);
        pty.server.stop();

        QCOMPARE(form.TextShow->text(), QStringLiteral("Read Data OK"));
        QCOMPARE(form.LabelProcess->text(), QStringLiteral("Complete:100%"));
        QCOMPARE(form.ProgressBar1->value(), form.ProgressBar1->maximum());
        QVERIFY(form.CommandRead->isEnabled());
        QVERIFY(form.SessionSucceeded());
        QCOMPARE(refreshes, 1);
        QCOMPARE(completed.size(), 1);
        QCOMPARE(completed.front().front().toBool(), true);
        QCOMPARE(AppDocument().band().effectiveHighMHz, 520); // the radio's band extension outlives the refresh
        for (int a = 0; a < RadioImage::ImageSize; ++a)
            QCOMPARE(AppDocument().memory().byte(a), pty.radio.memory().byte(a));
        QVERIFY(env.prompts().messages.empty());
    }

    // With verify on, the write counts only after a read-back in a new session
    // finds every byte sent; a radio that changes one is named at its address.
    void writesTheRadio_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("verify");
        QTest::addColumn<int>("changedByte");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("logVerify"); // the log's verify column
        QTest::newRow("plain write") << false << false << -1 << QString::fromUtf8("写频成功") << "not run";
        QTest::newRow("verified") << true << true << -1 << QStringLiteral("Write Data OK") << "OK";
        QTest::newRow("verify finds a changed byte") << false << true << 0x155 << QString::fromUtf8("校验失败") << "differs at 0x155";
        QTest::newRow("verify finds a changed byte, English") << true << true << 0x2EF << QStringLiteral("Verify failed") << "differs at 0x2EF";
    }
    void writesTheRadio()
    {
        QFETCH(bool, english);
        QFETCH(bool, verify);
        QFETCH(int, changedByte);
        QFETCH(QString, result);
        QFETCH(QString, logVerify);
        TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        State().VerifyAfterWrite = verify;
        PtyRadio pty;
        QVERIFY(pty.start());
        FillPattern(AppDocument(), 5);
        AppDocument().setByte(445, 0x73);
        pty.radio.setBandFlag(0x73);
        pty.radio.faults().changedByteAddress = changedByte;
        const RadioImage before = AppDocument().memory();
        FormProcess form(Whole(false));
        form.show();
        form.CommandWrite_Click();
        QCOMPARE(form.windowTitle(), english ? QStringLiteral("Write data into radio") : QString::fromUtf8("往对讲机写入数据"));
        QTRY_VERIFY_WITH_TIMEOUT(form.TextShow->isVisible(), RunTimeoutMs);
        pty.server.stop();

        QCOMPARE(form.TextShow->text(), result);
        QCOMPARE(form.LabelVerified->isVisible(), verify && changedByte < 0);
        QCOMPARE(form.SessionSucceeded(), changedByte < 0);
        const QList<QStringList> log = ProgrammingLog::Read(env.logPath());
        QCOMPARE(log.size(), 1); // the read-back is part of the write's line
        QCOMPARE(log.front().value(1), QStringLiteral("write"));
        QCOMPARE(log.front().value(6), logVerify);
        QVERIFY(form.CommandWrite->isEnabled());
        QVERIFY(AppDocument().memory() == before); // the read-back never touches the image
        QCOMPARE(int(pty.radio.writeAddresses().size()), 47);
        QCOMPARE(pty.radio.countFrames(RadioFrame::Read), verify ? 16 : 0);
        QCOMPARE(pty.radio.countFrames(RadioFrame::Handshake), verify ? 2 : 1);
        for (int a = 0; a < 0x2F0; ++a)
            if (a != changedByte)
                QCOMPARE(pty.radio.memory().byte(a), AppDocument().memory().byte(a));
        QCOMPARE(pty.radio.memory().byte(0x2F0), RadioImage::Erased);
        if (changedByte < 0) {
            QVERIFY(env.prompts().messages.empty());
        } else {
            QCOMPARE(int(env.prompts().messages.size()), 1);
            const QString address = QStringLiteral("0x%1").arg(changedByte, 3, 16, QLatin1Char('0')).toUpper().replace(QLatin1String("0X"), QLatin1String("0x"));
            QVERIFY2(env.prompts().messages.front().text.contains(address), qPrintable(env.prompts().messages.front().text));
            QVERIFY(env.prompts().messages.front().text.startsWith(english ? QStringLiteral("Verify failed") : QString::fromUtf8("校验失败")));
        }
    }

    // Write with the preview: the radio is read first and its changes shown by
    // name, with the channels that will break a service's rule; Cancel writes nothing. A write that breaks off or differs offers
    // to put the radio's previous bytes back, and does so byte for byte.
    void previewAndRestore_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("write"); // the answer at the preview
        QTest::addColumn<QString>("changes"); // the preview's text ("-": no preview shown)
        QTest::addColumn<QString>("log");     // operation:result:verify per line
        QTest::newRow("cancel writes nothing") << "" << false << "Squelch level: 3 -> 5" << "read before write:OK:";
        // Channel 1 on PMR446 at High power and wide, in the radio and the data.
        QTest::newRow("no changes, written anyway, rules named") << "same" << true << "" << "read before write:OK:|write:OK:not run";
        QTest::newRow("verify differs, restored") << "change" << true << "Squelch level: 3 -> 5"
                                                  << "read before write:OK:|write:failed: verify found a difference:differs at 0x155|restore:OK:OK";
        QTest::newRow("broken off, restored") << "ack" << true << "Squelch level: 3 -> 5"
                                              << "read before write:OK:|write:failed: no answer:not run|restore:OK:OK";
        QTest::newRow("the radio cannot be read: nothing written") << "short" << true << "-" << "read before write:failed: no answer:";
        // The cable pulled out: the port goes away with the radio's answers.
        QTest::newRow("unplugged mid-preview: nothing written") << "unplug preview" << true << "-" << "read before write:failed: no answer:";
        QTest::newRow("unplugged mid-restore") << "unplug restore" << true << "Squelch level: 3 -> 5"
                                               << "read before write:OK:|write:failed: no answer:not run|restore:failed: no answer:not run";
    }
    void previewAndRestore()
    {
        QFETCH(QString, fault);
        QFETCH(bool, write);
        QFETCH(QString, changes);
        QFETCH(QString, log);
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        State().VerifyAfterWrite = fault == QLatin1String("change") || fault == QLatin1String("ack");
        PtyRadio pty;
        FillPattern(pty.radio.memory(), 2);
        pty.radio.memory().setByte(445, 0x73);
        pty.radio.memory().setByte(308, 3);
        pty.radio.setBandFlag(0x73);
        if (fault == QLatin1String("same")) {
            Channel pmr = Channel::created(44600625, 44600625);
            pmr.power = Power::High;
            pmr.spacing = Spacing::Wide;
            WriteChannel(pty.radio.memory(), 1, ReadChannel(pty.radio.memory(), 1), pmr);
        }
        const RadioImage previous = pty.radio.memory();
        RadioImage document = previous;
        if (fault != QLatin1String("same"))
            document.setByte(308, 5); // squelch level
        AppDocument().replaceImage(document, false);
        RadioFaults& faults = pty.radio.faults();
        if (fault == QLatin1String("change")) {
            faults.changedByteAddress = 0x155;
            faults.changedByteTimes = 1;
        }
        if (fault == QLatin1String("ack") || fault == QLatin1String("unplug restore"))
            faults.wrongAckAtFrame = 36 + 3 + 10; // the tenth block, after the read before the write
        if (fault == QLatin1String("short"))
            faults.shortReplyAtRead = 2;
        if (fault == QLatin1String("unplug preview"))
            faults.hangUpAfterFrames = 12;
        if (fault == QLatin1String("unplug restore"))
            faults.hangUpAfterFrames = 36 + 3 + 10 + 12; // within the restore's blocks
        if (fault != QLatin1String("") && fault != QLatin1String("same") && fault != QLatin1String("change"))
            env.prompts().answers.push_back(BoxAnswer::Cancel); // "Check connection!"
        env.prompts().answers.push_back(BoxAnswer::Restore);
        if (fault == QLatin1String("unplug restore"))
            env.prompts().answers.push_back(BoxAnswer::Cancel);
        QVERIFY(pty.start());
        QString shown = QStringLiteral("-");
        QString rules;
        OnModal<FormChangePreview>([&shown, &rules, write](FormChangePreview* preview) {
            shown = preview->TextChanges->toPlainText();
            rules = preview->TextRules->isVisibleTo(preview) ? preview->TextRules->toPlainText() : QString();
            QVERIFY(preview->CommandCancel->isDefault());
            (write ? preview->CommandWrite : preview->CommandCancel)->click();
        });
        FormProcess form(Whole(false));
        form.setPreviewBeforeWrite(true);
        form.show();
        form.CommandWrite_Click();
        QTRY_VERIFY_WITH_TIMEOUT(form.CommandWrite->isEnabled() && form.TextShow->isVisible(), 30000);
        pty.server.stop();

        QCOMPARE(shown, changes);
        QCOMPARE(rules, fault == QLatin1String("same")
                 ? QStringLiteral("Channel 1: PMR446 allows at most Low power on 446.00625 MHz\n"
                                  "Channel 1: PMR446 requires 12.5 kHz (narrow) spacing on 446.00625 MHz")
                 : QString());
        QVERIFY(AppDocument().memory() == document); // the reads never touch the document
        QStringList got;
        for (const QStringList& line : ProgrammingLog::Read(env.logPath()))
            got << line.value(1) + QLatin1Char(':') + line.value(5) + QLatin1Char(':') + line.value(6);
        QCOMPARE(got.join(QLatin1Char('|')), log);
        const bool restored = log.contains(QStringLiteral("restore:OK"));
        const bool written = !restored && log.contains(QStringLiteral("|write:OK"));
        QCOMPARE(form.SessionSucceeded(), written);
        if (!log.contains(QStringLiteral("|write")))
            QVERIFY(pty.radio.writeAddresses().empty());
        const bool restoreFailed = log.contains(QStringLiteral("restore:failed"));
        for (int a = 0; a < RadioImage::ImageSize && !restoreFailed; ++a)
            QCOMPARE(pty.radio.memory().byte(a), written ? document.byte(a) : previous.byte(a));
        QCOMPARE(form.TextShow->text(), restored ? QStringLiteral("Previous data restored")
                 : written ? QStringLiteral("Write Data OK")
                 : restoreFailed ? QStringLiteral("Restore failed") : QStringLiteral("Nothing written"));
        if (fault.startsWith(QLatin1String("unplug"))) {
            QVERIFY(pty.server.vanished());
            QVERIFY(env.prompts().answers.empty());
            QVERIFY2(env.prompts().messages.back().text.startsWith(restoreFailed
                         ? QStringLiteral("The radio's previous data could not be written back")
                         : QStringLiteral("The radio could not be read, so nothing was written")),
                     qPrintable(env.prompts().messages.back().text));
        }
    }

    void portThatVanishesMidRead()
    {
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        PtyRadio pty;
        FillPattern(pty.radio.memory(), 8);
        pty.radio.faults().hangUpAfterFrames = 12;
        QVERIFY(pty.start());
        FillPattern(AppDocument(), 1);
        const RadioImage before = AppDocument().memory();
        FormProcess form(Whole(true));
        form.show();
        form.CommandRead_Click();
        QTRY_VERIFY_WITH_TIMEOUT(form.CommandRead->isEnabled(), RunTimeoutMs);
        pty.server.stop();

        QVERIFY(pty.server.vanished());
        QCOMPARE(int(env.prompts().messages.size()), 1);
        QCOMPARE(env.prompts().messages.front().text, QStringLiteral("Check connection!Retry or cancel?"));
        QCOMPARE(env.prompts().messages.front().buttons, BoxButtons::RetryCancel);
        QVERIFY(!form.SessionSucceeded());
        QVERIFY(!form.TextShow->isVisible());
        QVERIFY(AppDocument().memory() == before);
    }

    void everyRadioFaultEndsInItsPrompt_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("isRead");
        QTest::addColumn<QString>("message");
        const QString check = QStringLiteral("Check connection!Retry or cancel?");
        QTest::newRow("wrong acknowledgement") << "ack" << false << check;
        QTest::newRow("reply for an address outside the memory") << "address" << true << check;
        QTest::newRow("short reply") << "short" << true << check;
        // Both bands named; unanswered (Enter), the question keeps the radio as it is.
        QTest::newRow("identity of another band") << "band" << false
                                                  << "Frequency band is different,Overwrite?\nThe radio is VHF 136-174 MHz; "
                                                     "the data is UHF 400-520 MHz. Overwrite?";
        QTest::newRow("no answer at all (eleven handshakes)") << "silent" << true << check;
    }
    void everyRadioFaultEndsInItsPrompt()
    {
        QFETCH(QString, fault);
        QFETCH(bool, isRead);
        QFETCH(QString, message);
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        PtyRadio pty;
        RadioFaults& faults = pty.radio.faults();
        if (fault == QLatin1String("ack"))
            faults.wrongAckAtFrame = 10;
        if (fault == QLatin1String("address")) {
            faults.otherAddressAtRead = 4;
            faults.otherAddress = 0x0FD0;
        }
        if (fault == QLatin1String("short"))
            faults.shortReplyAtRead = 2;
        if (fault == QLatin1String("silent"))
            faults.silent = true;
        pty.radio.setBandFlag(fault == QLatin1String("band") ? 1 : AppDocument().memory().byte(445));
        if (fault != QLatin1String("band"))
            env.prompts().answers = { BoxAnswer::Cancel };
        QVERIFY(pty.start());
        const RadioImage before = AppDocument().memory();
        FormProcess form(Whole(isRead));
        form.show();
        isRead ? form.CommandRead_Click() : form.CommandWrite_Click();
        QPushButton* button = isRead ? form.CommandRead : form.CommandWrite;
        QTRY_VERIFY_WITH_TIMEOUT(button->isEnabled(), 20000);
        pty.server.stop();

        QCOMPARE(int(env.prompts().messages.size()), 1);
        QCOMPARE(env.prompts().messages.front().text, message);
        QVERIFY(!form.SessionSucceeded());
        QVERIFY(AppDocument().memory() == before);
        if (fault == QLatin1String("silent"))
            QCOMPARE(pty.radio.countFrames(RadioFrame::Handshake), 11);
        if (fault == QLatin1String("band")) {
            QCOMPARE(env.prompts().messages.front().buttons, BoxButtons::OkCancelSafe);
            QVERIFY(pty.radio.writeAddresses().empty());
        }
    }

    void partialReadThroughTheWindow()
    {
        TestEnvironment env;
        PtyRadio pty;
        FillPattern(pty.radio.memory(), 4);
        QVERIFY(pty.start());
        FormProcess form(SessionRequest { SessionKind::DealerInfo, Direction::Read });
        form.show();
        form.CommandRead_Click();
        QTRY_VERIFY_WITH_TIMEOUT(form.TextShow->isVisible(), RunTimeoutMs);
        pty.server.stop();
        form.CommandCancel_Click();
        QVERIFY(form.SessionSucceeded());
        for (int a = 0; a < RadioImage::MemorySize; ++a)
            QCOMPARE(AppDocument().memory().memoryByte(a), a >= 0x0A80 && a < 0x0B80 ? pty.radio.memory().memoryByte(a) : RadioImage::Erased);
    }

    void closingMidRunAbandonsIt()
    {
        TestEnvironment env;
        PtyRadio pty;
        pty.radio.faults().silent = true;
        QVERIFY(pty.start());
        {
            FormProcess form(Whole(true));
            form.show();
            form.CommandRead_Click();
            QTest::qWait(50);
            form.CommandCancel_Click();
            QVERIFY(!form.SessionSucceeded());
        }
        pty.server.stop();
        QVERIFY(!State().SessionWindowOpen);
        QVERIFY(env.prompts().messages.empty());
    }
};

QTEST_MAIN(TestFormProcess)
#include "test_form_process.moc"
