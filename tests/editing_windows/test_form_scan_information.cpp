#include "interface_language.h"
#include "form_scan_information.h"
#include "help_topic.h"
#include "memory_map.h"
#include "page_test_helpers.h"
#include "shared_state.h"
#include "test_support.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

using namespace t40;
using namespace t40::test;
using namespace t40::MemoryMap;

namespace {

// Gives channel c a receive frequency of 446.00625 MHz.
void AddChannel(int channel)
{
    const int record = ChannelTable + ChannelRecordSize * (channel - 1);
    const std::uint8_t rx[] = { 0x25, 0x06, 0x60, 0x44 };
    for (int i = 0; i < 4; ++i)
        AppDocument().setByte(record + i, rx[i]);
}

// Valid scan bytes, so that a test changes only what it means to.
void FillValid()
{
    AppDocument().setByte(PriorityScanType, 1);
    for (int offset : { LookBackTimeA, LookBackTimeB, DropoutDelay, TransmitDwell })
        AppDocument().setByte(offset, 20);
    AppDocument().setByte(RevertChannel, 0);
}

} // namespace

class TestFormScanInformation : public QObject {
    Q_OBJECT
private slots:
    void priorityTypeDecode_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("lookBack");
        QTest::addColumn<bool>("channels");
        QTest::addColumn<int>("revertItems");
        QTest::newRow("none") << 0 << 0 << false << false << 2;
        QTest::newRow("fixed") << 1 << 1 << true << true << 4;
        QTest::newRow("selected") << 2 << 2 << true << false << 4;
        QTest::newRow("3 shows none") << 3 << 0 << false << false << 2;
        QTest::newRow("erased shows none") << 0xFF << 0 << false << false << 2;
    }
    void priorityTypeDecode()
    {
        QFETCH(int, stored);
        QFETCH(int, shown);
        QFETCH(bool, lookBack);
        QFETCH(bool, channels);
        QFETCH(int, revertItems);
        TestEnvironment env;
        FillValid();
        AppDocument().setByte(PriorityScanType, std::uint8_t(stored));
        const RadioImage before = AppDocument().memory();
        FormScanInformation page(AppDocument());
        QCOMPARE(page.ComboPriority->currentIndex(), shown);
        QCOMPARE(page.ComboScanBackTime[0]->isEnabled(), lookBack);
        QCOMPARE(page.ComboScanBackTime[1]->isEnabled(), lookBack);
        for (int k = 0; k < 8; ++k)
            QCOMPARE(page.ComboPriorityChannel[k]->isEnabled(), channels && k != 1 && k != 2);
        QCOMPARE(page.ComboRevertChannel->count(), revertItems);
        QVERIFY(AppDocument().memory() == before);
    }

    void timesDecode_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("look-back A 1.0") << LookBackTimeA << 10 << "1.0";
        QTest::newRow("look-back A 12 not a step") << LookBackTimeA << 12 << "1.0";
        QTest::newRow("look-back B 2.5") << LookBackTimeB << 25 << "2.5";
        QTest::newRow("look-back B 0") << LookBackTimeB << 0 << "1.0";
        QTest::newRow("dropout 5.0") << DropoutDelay << 50 << "5.0";
        QTest::newRow("dropout 55") << DropoutDelay << 55 << "1.0";
        QTest::newRow("dwell 4.5") << TransmitDwell << 45 << "4.5";
        QTest::newRow("dwell erased") << TransmitDwell << 0xFF << "1.0";
    }
    void timesDecode()
    {
        QFETCH(int, offset);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        TestEnvironment env;
        FillValid();
        AppDocument().setByte(offset, std::uint8_t(stored));
        const RadioImage before = AppDocument().memory();
        FormScanInformation page(AppDocument());
        QComboBox* lists[] = { page.ComboScanBackTime[0], page.ComboScanBackTime[1], nullptr, page.ComboScanDelay[0],
            page.ComboScanDelay[1] };
        QCOMPARE(lists[offset - LookBackTimeA]->currentText(), shown);
        QVERIFY(AppDocument().memory() == before); // a byte out of range stays until the user picks a time
    }

    void timesStore_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("stored");
        QTest::newRow("look-back A first") << LookBackTimeA << 0 << 10;
        QTest::newRow("look-back B last") << LookBackTimeB << 8 << 50;
        QTest::newRow("dropout 1.5") << DropoutDelay << 1 << 15;
        QTest::newRow("dwell 3.0") << TransmitDwell << 4 << 30;
    }
    void timesStore()
    {
        QFETCH(int, offset);
        QFETCH(int, choice);
        QFETCH(int, stored);
        TestEnvironment env;
        FillValid();
        FormScanInformation page(AppDocument());
        const RadioImage before = AppDocument().memory();
        if (offset <= LookBackTimeB)
            Choose(page.ComboScanBackTime[offset - LookBackTimeA], choice);
        else
            Choose(page.ComboScanDelay[offset - DropoutDelay], choice);
        QCOMPARE(int(AppDocument().byte(offset)), stored);
        QCOMPARE(ChangedBytes(before, AppDocument().memory()).size() <= 1, true);
    }

    void revertDecode_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("none, 3") << 0 << 3 << "Selected+Talk Back";
        QTest::newRow("none, 1") << 0 << 1 << "Selected+Talk Back";
        QTest::newRow("none, 0") << 0 << 0 << "Selected";
        QTest::newRow("fixed, 3") << 1 << 3 << "Priority+Talk Back";
        QTest::newRow("fixed, 2") << 1 << 2 << "Priority";
        QTest::newRow("selected, 9") << 2 << 9 << "Selected+Talk Back";
    }
    void revertDecode()
    {
        QFETCH(int, type);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        FillValid();
        AppDocument().setByte(PriorityScanType, std::uint8_t(type));
        AppDocument().setByte(RevertChannel, std::uint8_t(stored));
        const RadioImage before = AppDocument().memory();
        FormScanInformation page(AppDocument());
        QCOMPARE(page.ComboRevertChannel->currentText(), shown);
        QVERIFY(AppDocument().memory() == before);
    }

    void switchingTypeNeverDuplicatesRevertItems()
    {
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        FillValid();
        AppDocument().setByte(PriorityScanType, 0);
        AppDocument().setByte(RevertChannel, 3);
        FormScanInformation page(AppDocument());
        const QStringList full { "Selected", "Selected+Talk Back", "Priority", "Priority+Talk Back" };
        for (int round = 0; round < 2; ++round) {
            Choose(page.ComboPriority, 1);
            QCOMPARE(int(AppDocument().byte(PriorityScanType)), 1);
            QCOMPARE(Items(page.ComboRevertChannel), full);
            Choose(page.ComboPriority, 2);
            QCOMPARE(Items(page.ComboRevertChannel), full);
            QVERIFY(page.ComboScanBackTime[0]->isEnabled());
            QVERIFY(!page.ComboPriorityChannel[0]->isEnabled());
            Choose(page.ComboPriority, 0);
            QCOMPARE(int(AppDocument().byte(PriorityScanType)), 0);
            QCOMPARE(Items(page.ComboRevertChannel), full.mid(0, 2));
            QVERIFY(!page.ComboScanBackTime[1]->isEnabled());
        }
        QCOMPARE(int(AppDocument().byte(RevertChannel)), 3); // trimming the list stores nothing
        Choose(page.ComboRevertChannel, 1);
        QCOMPARE(int(AppDocument().byte(RevertChannel)), 1);
    }

    void priorityChannelsDecode_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("after");
        QTest::newRow("1 names channel 5") << 0 << 5 << "5" << 5;
        QTest::newRow("1 names an empty channel") << 0 << 7 << "3" << 3;
        QTest::newRow("1 holds 0") << 0 << 0 << "3" << 3;
        QTest::newRow("8 names channel 9") << 7 << 9 << "9" << 9;
        QTest::newRow("4 holds 0xFF") << 3 << 0xFF << "3" << 3;
        QTest::newRow("2 is the VOX switch: shown, not stored") << 1 << 1 << "" << 1;
        QTest::newRow("2 naming channel 5") << 1 << 5 << "5" << 5;
        QTest::newRow("3 is the VOX level: shown, not stored") << 2 << 3 << "3" << 3;
        QTest::newRow("3 holding 0") << 2 << 0 << "" << 0;
    }
    void priorityChannelsDecode()
    {
        QFETCH(int, index);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(int, after);
        TestEnvironment env;
        FillValid();
        for (int c : { 3, 5, 9 })
            AddChannel(c);
        for (int k = 0; k < 8; ++k)
            AppDocument().setByte(PriorityChannels + k, 5);
        AppDocument().setByte(PriorityChannels + index, std::uint8_t(stored));
        const RadioImage before = AppDocument().memory();
        FormScanInformation page(AppDocument());
        QCOMPARE(Items(page.ComboPriorityChannel[index]), (QStringList { "3", "5", "9" }));
        QCOMPARE(page.ComboPriorityChannel[index]->currentText(), shown);
        QCOMPARE(int(AppDocument().byte(PriorityChannels + index)), after);
        const QList<int> expected = after == stored ? QList<int>() : QList<int> { PriorityChannels + index };
        QCOMPARE(ChangedBytes(before, AppDocument().memory()), expected);
    }

    void noChannelsNoPriorityWrites()
    {
        TestEnvironment env;
        FillValid();
        const RadioImage before = AppDocument().memory();
        FormScanInformation page(AppDocument());
        for (QComboBox* list : page.ComboPriorityChannel)
            QCOMPARE(list->count(), 0);
        QVERIFY(AppDocument().memory() == before);
    }

    void choosingAPriorityChannelStoresItsNumber()
    {
        TestEnvironment env;
        FillValid();
        for (int c : { 3, 5, 9 })
            AddChannel(c);
        FormScanInformation page(AppDocument());
        const RadioImage before = AppDocument().memory();
        Choose(page.ComboPriorityChannel[3], 2);
        QCOMPARE(int(AppDocument().byte(PriorityChannels + 3)), 9);
        QCOMPARE(ChangedBytes(before, AppDocument().memory()), QList<int> { PriorityChannels + 3 });
        // The VOX bytes are never written from here, even if a handler runs.
        page.ComboPriorityChannel[1]->setCurrentIndex(0);
        page.ComboPriorityChannel_Click(1);
        page.ComboPriorityChannel[2]->setCurrentIndex(0);
        page.ComboPriorityChannel_Click(2);
        QCOMPARE(AppDocument().byte(VoxSwitch), before.byte(VoxSwitch));
        QCOMPARE(AppDocument().byte(VoxLevel), before.byte(VoxLevel));
    }

    void refreshAfterRead()
    {
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        FillValid();
        FormScanInformation page(AppDocument());
        QCOMPARE(page.ComboPriorityChannel[0]->count(), 0);
        AddChannel(2);
        AppDocument().setByte(PriorityScanType, 0);
        AppDocument().setByte(LookBackTimeA, 35);
        for (int k : { 0, 3, 4, 5, 6, 7 })
            AppDocument().setByte(PriorityChannels + k, 2);
        const RadioImage read = AppDocument().memory();
        page.RefreshAfterRead();
        QCOMPARE(page.ComboPriority->currentText(), QStringLiteral("None"));
        QCOMPARE(page.ComboScanBackTime[0]->currentText(), QStringLiteral("3.5"));
        QCOMPARE(page.ComboPriorityChannel[0]->currentText(), QStringLiteral("2"));
        QCOMPARE(page.ComboRevertChannel->count(), 2);
        QVERIFY(AppDocument().memory() == read);
    }

    void listsAndCaptions_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("separator");
        QTest::newRow("English, point") << true << ".";
        QTest::newRow("Chinese, comma") << false << ",";
    }
    void listsAndCaptions()
    {
        QFETCH(bool, english);
        QFETCH(QString, separator);
        TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        State().DecimalSeparator = separator;
        FillValid();
        FormScanInformation page(AppDocument());
        QCOMPARE(page.windowTitle(), english ? QStringLiteral("Scan Information") : QStringLiteral("扫描信息"));
        for (QComboBox* list : { page.ComboScanBackTime[0], page.ComboScanDelay[1] }) {
            QCOMPARE(list->count(), 9);
            QCOMPARE(list->itemText(0), "1" + separator + "0");
            QCOMPARE(list->itemText(3), "2" + separator + "5");
            QCOMPARE(list->itemText(8), "5" + separator + "0");
        }
        const QStringList types = english ? QStringList { "None", "Fixd", "Selected" } : QStringList { "无", "固定", "选定" };
        QCOMPARE(Items(page.ComboPriority), types);
        const QStringList reverts = english
            ? QStringList { "Selected", "Selected+Talk Back", "Priority", "Priority+Talk Back" }
            : QStringList { "选定", "选定+当前通话", "优先", "优先+当前通话" };
        QCOMPARE(Items(page.ComboRevertChannel), reverts);
        QCOMPARE(page.LabelPriorityChannel[7]->text(), english ? QStringLiteral("Priority Channel 8") : QStringLiteral("优先信道8"));
        QCOMPARE(page.LabelRevertScanDelay[0]->text(), english ? QStringLiteral("Dropout Delay Time[s]") : QStringLiteral("扫描接收恢复延迟时间[秒]"));
        QCOMPARE(page.LabelScanBackTime[1]->text(), english ? QStringLiteral("Look Back Time B[s]") : QStringLiteral("回扫时间B[秒]"));
    }

    void windowMenuHelpAndClose()
    {
        TestEnvironment env;
        QMenu windowMenu;
        State().WindowMenuHandle = &windowMenu;
        auto* page = new FormScanInformation(AppDocument());
        page->setAttribute(Qt::WA_DeleteOnClose);
        QVERIFY(State().ScanPageOpen);
        QCOMPARE(windowMenu.actions().size(), 1);
        page->CommandHelp->click();
        QVERIFY(HelpWindow());
        QVERIFY(HelpWindow()->source().toString().endsWith(QStringLiteral("Scan/Scan.htm")));
        HelpWindow()->close();
        page->CommandClose->click();
        QVERIFY(!State().ScanPageOpen);
        QVERIFY(windowMenu.actions().isEmpty());
    }
};

QTEST_MAIN(TestFormScanInformation)
#include "test_form_scan_information.moc"
