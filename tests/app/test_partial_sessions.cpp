#include "interface_language.h"
#include "form_dtmf.h"
#include "form_local_message.h"
#include "form_process.h"
#include "form_special.h"
#include "form_tune.h"
#include "radio_commands.h"
#include "mdi_form_main.h"
#include "pty_radio_server.h"
#include "radio_on_com.h"
#include "shared_state.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstring>
#include <functional>

using namespace t40;
using namespace t40::test;

namespace {
constexpr int ComNumber = 6;

// Presses the session window's button whenever one opens and closes it once
// its run has ended; hands every page dialog to the test once.
class Driver {
public:
    explicit Driver(std::function<void(QDialog*)> onPage = {})
        : onPage_(std::move(onPage))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(10);
    }
    int sessions = 0;
    int pages = 0;
    bool succeeded = false; // how the last session window ended

private:
    void poll()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible())
                continue;
            if (auto* form = qobject_cast<FormProcess*>(w)) {
                QPushButton* button = form->CommandRead->isVisible() ? form->CommandRead : form->CommandWrite;
                if (form != pressed_) {
                    pressed_ = form;
                    ++sessions;
                    button->click();
                } else if (button->isEnabled()) {
                    succeeded = form->SessionSucceeded();
                    form->CommandCancel->click();
                }
                return;
            }
        }
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* page = qobject_cast<QDialog*>(w);
            if (!page || !page->isVisible() || handled_.contains(page)
                || !(qobject_cast<FormLocalMessage*>(page) || qobject_cast<FormDtmf*>(page) || qobject_cast<FormSpecial*>(page)))
                continue;
            handled_.append(page);
            ++pages;
            // Outside this tick: the page may run a session window of its own.
            QTimer::singleShot(0, page, [this, page] {
                if (onPage_)
                    onPage_(page);
                page->close();
            });
        }
    }
    QTimer timer_;
    QPointer<FormProcess> pressed_;
    QList<QPointer<QDialog>> handled_;
    std::function<void(QDialog*)> onPage_;
};

struct Bench {
    TestEnvironment env;
    VirtualRadio radio;
    PtyRadioServer server { radio };
    MDIFormMain main;

    bool start()
    {
        QString reason;
        if (!ServeRadioOnCom(server, ComNumber, &reason))
            return false;
        main.MDIForm_Load();
        main.show();
        State().ComPortNumber = ComNumber;
        SetInterfaceLanguage(QLocale::English);
        return true;
    }
    ~Bench() { server.stop(); }

    QStringList messages()
    {
        QStringList texts;
        for (const MessageRecord& m : env.prompts().messages)
            texts << m.text;
        return texts;
    }
};

void Pattern(RadioImage& memory, int seed)
{
    for (int a = 0; a < RadioImage::MemorySize; ++a)
        memory.setMemoryByte(a, std::uint8_t((a * 7 + seed) & 0xFF));
}

void PutText(RadioImage& memory, int address, const char* text, int width)
{
    for (int i = 0; i < width; ++i)
        memory.setMemoryByte(address + i, i < int(std::strlen(text)) ? std::uint8_t(text[i]) : 0);
}

} // namespace

class TestPartialSessions : public QObject {
    Q_OBJECT
private slots:
    void commandsStayHidden()
    {
        TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        QVERIFY(!main.MenuLocalMessage->isVisible());
        QVERIFY(!main.MenuStun->isVisible());
        QStringList keys;
        for (QTreeWidgetItemIterator it(main.TreeView1); *it; ++it)
            keys << (*it)->data(0, Qt::UserRole).toString();
        for (const char* key : { "TreeTuneData", "TreeLocalMessage", "TreeDtmf", "TreeSpecial" })
            QVERIFY2(!keys.contains(QLatin1String(key)), key);
    }

    void tuneReadThenWrite()
    {
        Bench bench;
        Pattern(bench.radio.memory(), 11);
        QVERIFY(bench.start());
        for (int a = 0x300; a < 0x400; ++a)
            AppDocument().setByte(a, 0x11);
        AppDocument().setByte(0x0A80, 0x22);
        const RadioImage before = AppDocument().memory();

        bench.main.TreeView1_NodeClick(QStringLiteral("TreeTuneData"));
        auto* page = bench.main.findChild<FormTune*>();
        QVERIFY(page);
        QVERIFY(State().TunePageOpen);
        {
            Driver driver;
            page->CommandRead_Click();
            QCOMPARE(driver.sessions, 1);
            QVERIFY(driver.succeeded);
        }
        // Only the tune data came in; nothing else changed.
        for (int a = 0; a < RadioImage::MemorySize; ++a)
            QCOMPARE(AppDocument().byte(a), a >= 0x300 && a < 0x400 ? bench.radio.memory().memoryByte(a) : before.memoryByte(a));
        QCOMPARE(page->MSHFlexGridTuneData->item(2, 1)->text(), QString::number(bench.radio.memory().byte(0x310 + 48)));
        QCOMPARE(page->TextPkValue->text(), QString::number(bench.radio.memory().byte(0x3C0)));
        QCOMPARE(bench.messages(), (QStringList { "Read tune data from radio.Do you wish continue?", "Read data successful" }));

        // Edit a power value and the deviation, then write.
        page->MSHFlexGridTuneData_Click(2, 1);
        page->Text1->setText(QStringLiteral("300"));
        page->Text1_Enter();
        page->TextPkValue->setText(QStringLiteral("42"));
        const RadioImage radioBefore = bench.radio.memory();
        {
            Driver driver;
            page->CommandWrite_Click();
            QCOMPARE(driver.sessions, 1);
            QVERIFY(driver.succeeded);
        }
        QCOMPARE(bench.radio.writeAddresses(),
                 (std::vector<int> { 0x310, 0x340, 0x370, 0x3A0, 0x3C0, 0x3D0, 0x3E0, 0x3F0 }));
        QCOMPARE(bench.radio.memory().byte(0x310 + 48), std::uint8_t(255));
        QCOMPARE(bench.radio.memory().byte(0x3C0), std::uint8_t(42));
        for (int a = 0; a < RadioImage::MemorySize; ++a) {
            const bool sent = (a >= 0x310 && a < 0x320) || (a >= 0x340 && a < 0x350) || (a >= 0x370 && a < 0x380)
                || (a >= 0x3A0 && a < 0x3B0) || (a >= 0x3C0 && a < 0x400);
            QCOMPARE(bench.radio.memory().memoryByte(a), sent ? AppDocument().byte(a) : radioBefore.memoryByte(a));
        }
        QCOMPARE(bench.messages().mid(2),
                 (QStringList { "Write tune data into radio.Do you wish continue?", "Write data successful" }));
    }

    void dealerInformation()
    {
        Bench bench;
        Pattern(bench.radio.memory(), 5);
        RadioImage& r = bench.radio.memory();
        PutText(r, 0x0A80, "T40U02", 6);
        r.setMemoryByte(0x0A86, 2);
        PutText(r, 0x0A88, "0755", 4);
        PutText(r, 0x0A90, "SN-000123", 16);
        PutText(r, 0x0AB8, "USERCODE", 8); // full width, no end byte
        PutText(r, 0x0B00, "Chen", 16);
        PutText(r, 0x0B10, "Battery contacts cleaned", 96);
        QVERIFY(bench.start());
        for (int i = 0; i < 4; ++i)
            AppDocument().setByte(448 + i, std::uint8_t("1234"[i]));
        const RadioImage before = AppDocument().memory();
        bench.main.TreeView1_NodeClick(QStringLiteral("TreeTuneData"));
        QVERIFY(State().TunePageOpen);

        QStringList shown;
        {
            Driver driver([&shown](QDialog* dialog) {
                auto* page = qobject_cast<FormLocalMessage*>(dialog);
                QVERIFY(page);
                shown << page->ComboRadioType->currentText() << page->ComboFrequencyArea->currentText()
                      << page->TextAreaCode->text() << page->TextSerialNumber->text() << page->TextUserCode->text()
                      << page->TextSeller->text() << page->TextVersion->text();
            });
            bench.main.radio().MenuLocalMessage_Click();
            QCOMPARE(driver.sessions, 1);
            QCOMPARE(driver.pages, 1);
        }
        QVERIFY(!State().TunePageOpen); // the tune page was closed first
        QCOMPARE(shown, (QStringList { "T40U02", "400-480MHz", "0755", "SN-000123", "USERCODE", "Chen", "12.34" }));
        for (int a = 0; a < RadioImage::MemorySize; ++a)
            QCOMPARE(AppDocument().byte(a), a >= 0x0A80 && a < 0x0B80 ? r.memoryByte(a) : before.memoryByte(a));
        QCOMPARE(bench.radio.countFrames(RadioFrame::Read), 16);
        QVERIFY(bench.radio.writeAddresses().empty());
    }

    void failedReadOpensNoPage_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("dealer") << "TreeLocalMessage";
        QTest::newRow("stun/kill") << "TreeDtmf";
        QTest::newRow("special") << "TreeSpecial";
    }
    void failedReadOpensNoPage()
    {
        QFETCH(QString, key);
        Bench bench;
        Pattern(bench.radio.memory(), 9);
        bench.radio.faults().wrongAckAtFrame = 3; // the answer to the identity is refused
        QVERIFY(bench.start());
        const RadioImage before = AppDocument().memory();
        {
            Driver driver;
            bench.main.TreeView1_NodeClick(key);
            QCOMPARE(driver.sessions, 1);
            QCOMPARE(driver.pages, 0);
            QVERIFY(!driver.succeeded);
        }
        QVERIFY(AppDocument().memory() == before);
        QVERIFY(bench.messages().contains(QStringLiteral("Check connection!Retry or cancel?")));
    }

    void stunKillReadEditWrite()
    {
        Bench bench;
        RadioImage& r = bench.radio.memory();
        Pattern(r, 3);
        const std::uint8_t digits[16] = { 1, 2, 3, 4, 5, 6, 0, 0, 9, 8, 7, 6, 5, 4, 3, 2 };
        for (int i = 0; i < 16; ++i)
            r.setMemoryByte(0x0B80 + i, digits[i]);
        r.setMemoryByte(0x0B90, 0x86);
        r.setMemoryByte(0x0B91, 0xFF);
        r.setMemoryByte(0x0B92, 0x55);
        r.setMemoryByte(0x0B93, 0x55);
        QVERIFY(bench.start());
        State().ServiceMode = true;
        QStringList shown;
        {
            Driver driver([&shown](QDialog* dialog) {
                auto* page = qobject_cast<FormDtmf*>(dialog);
                QVERIFY(page);
                shown << page->TextStun->text() << page->TextKill->text() << page->ComboAckType->currentText();
                QVERIFY(page->CheckStunEnable->isVisible());
                page->ComboStatus->setCurrentIndex(1);
                page->ComboStatus_Click();
                page->TextStun->setText(QStringLiteral("A1B2C3D"));
                page->CommandWrite_Click(); // typed and written without leaving the box
            });
            bench.main.radio().MenuStun_Click();
            QCOMPARE(driver.sessions, 2);
            QCOMPARE(driver.pages, 1);
        }
        QCOMPARE(shown, (QStringList { "123456", "98765432", "Ring" }));
        QCOMPARE(bench.radio.writeAddresses(), (std::vector<int> { 0x0B80, 0x0B90 }));
        const std::uint8_t stun[8] = { 10, 1, 11, 2, 12, 3, 13, 0 };
        for (int i = 0; i < 8; ++i)
            QCOMPARE(r.memoryByte(0x0B80 + i), stun[i]);
        QCOMPARE(r.memoryByte(0x0B88), std::uint8_t(9));
        QCOMPARE(r.memoryByte(0x0B90), std::uint8_t(0x87));
        QCOMPARE(r.memoryByte(0x0B91), std::uint8_t(0x55));
        QCOMPARE(bench.messages(), (QStringList { "Write Data into Raido.Do you wish continue?", "Write data successful" }));
    }

    void specialOption()
    {
        Bench bench;
        RadioImage& r = bench.radio.memory();
        Pattern(r, 1);
        r.setMemoryByte(0x0E11, 0x30);
        QVERIFY(bench.start());
        SetInterfaceLanguage(QLocale::Chinese);
        QString shown;
        {
            Driver driver([&shown](QDialog* dialog) {
                auto* page = qobject_cast<FormSpecial*>(dialog);
                QVERIFY(page);
                shown = page->ComboRxVoice->currentText();
                page->ComboRxVoice->setCurrentIndex(3);
                page->CommandWrite_Click();
            });
            bench.main.TreeView1_NodeClick(QStringLiteral("TreeSpecial"));
            QCOMPARE(driver.sessions, 2);
        }
        QCOMPARE(shown, QStringLiteral("15"));
        QCOMPARE(bench.radio.writeAddresses(), (std::vector<int> { 0x0E10 }));
        QCOMPARE(r.memoryByte(0x0E11), std::uint8_t(3));
        QCOMPARE(r.memoryByte(0x0E12), std::uint8_t((0x0E12 * 7 + 1) & 0xFF));
        QCOMPARE(bench.messages(), (QStringList { QString::fromUtf8("向对讲机写入本机信息？"), QString::fromUtf8("写入数据成功") }));
    }
};

QTEST_MAIN(TestPartialSessions)
#include "test_partial_sessions.moc"
