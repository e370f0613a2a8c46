#include "interface_language.h"
#include "form_key_setting.h"
#include "help_topic.h"
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

class TestFormKeySetting : public QObject {
    Q_OBJECT
private slots:
    void decodeNeverWrites_data()
    {
        QTest::addColumn<int>("byte285");
        QTest::addColumn<int>("byte286");
        QTest::addColumn<QStringList>("shown"); // PF1, PF2, PF1_Long, PF2_Long
        QTest::newRow("monitor and 1750") << 0x53 << 0x00 << QStringList { "Monitor", "None", "1750", "None" };
        QTest::newRow("codes 7 and 2 show None") << 0x00 << 0x27 << QStringList { "None", "None", "None", "None" };
        QTest::newRow("template keys") << 0x31 << 0x64 << QStringList { "Scan", "Alarm", "Monitor", "Power" };
        QTest::newRow("erased") << 0xFF << 0xFF << QStringList { "None", "None", "None", "None" };
        QTest::newRow("power everywhere") << 0x66 << 0x66 << QStringList { "Power", "Power", "Power", "Power" };
        QTest::newRow("scan and unused high") << 0x21 << 0xF1 << QStringList { "Scan", "Scan", "None", "None" };
    }
    void decodeNeverWrites()
    {
        QFETCH(int, byte285);
        QFETCH(int, byte286);
        QFETCH(QStringList, shown);
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        AppDocument().setByte(285, std::uint8_t(byte285));
        AppDocument().setByte(286, std::uint8_t(byte286));
        const RadioImage before = AppDocument().memory();
        FormKeySetting page(AppDocument());
        QStringList texts;
        for (QComboBox* list : page.ComboKeySet)
            texts.append(list->currentText());
        QCOMPARE(texts, shown);
        page.AnalyseKeySetting();
        QVERIFY(AppDocument().memory() == before);
    }

    void choicesEncodeNibbles_data()
    {
        QTest::addColumn<int>("start286");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("after285");
        QTest::addColumn<int>("after286");
        // 285 starts as 0x27: its invalid nibbles stay until their own key is chosen.
        QTest::newRow("power for PF2_Long") << 0x01 << 3 << 5 << 0x27 << 0x61;
        QTest::newRow("none for PF2") << 0x61 << 1 << 0 << 0x27 << 0x60;
        QTest::newRow("monitor for PF1 keeps high 2") << 0x00 << 0 << 2 << 0x23 << 0x00;
        QTest::newRow("scan for PF1_Long keeps low 7") << 0x00 << 2 << 1 << 0x17 << 0x00;
        QTest::newRow("alarm for PF2 over 0xFF") << 0xFF << 1 << 3 << 0x27 << 0xF4;
    }
    void choicesEncodeNibbles()
    {
        QFETCH(int, start286);
        QFETCH(int, key);
        QFETCH(int, position);
        QFETCH(int, after285);
        QFETCH(int, after286);
        TestEnvironment env;
        AppDocument().setByte(285, 0x27);
        AppDocument().setByte(286, std::uint8_t(start286));
        const RadioImage before = AppDocument().memory();
        FormKeySetting page(AppDocument());
        Choose(page.ComboKeySet[key], position);
        QCOMPARE(int(AppDocument().byte(285)), after285);
        QCOMPARE(int(AppDocument().byte(286)), after286);
        for (int offset : ChangedBytes(before, AppDocument().memory()))
            QVERIFY(offset == 285 || offset == 286);
    }

    void refreshAfterReadShowsNewKeysWithoutWriting()
    {
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        AppDocument().setByte(285, 0x31);
        FormKeySetting page(AppDocument());
        QCOMPARE(page.ComboKeySet[0]->currentText(), QStringLiteral("Scan"));
        AppDocument().setByte(285, 0x2F); // as a read might bring it
        const RadioImage read = AppDocument().memory();
        page.RefreshAfterRead();
        QCOMPARE(page.ComboKeySet[0]->currentText(), QStringLiteral("None"));
        QCOMPARE(page.ComboKeySet[2]->currentText(), QStringLiteral("None"));
        QVERIFY(AppDocument().memory() == read);
    }

    void listsAndCaptions_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("English") << true << "Key Setting" << QStringList { "None", "Scan", "Monitor", "Alarm", "1750", "Power" };
        QTest::newRow("Chinese") << false << "键设定" << QStringList { "无", "扫描", "监听", "报警", "1750", "功率" };
    }
    void listsAndCaptions()
    {
        QFETCH(bool, english);
        QFETCH(QString, title);
        QFETCH(QStringList, items);
        TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        FormKeySetting page(AppDocument());
        QCOMPARE(page.windowTitle(), title);
        const QStringList labels { "PF1", "PF2", "PF1_Long", "PF2_Long" };
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(page.LabelKeySet[i]->text(), labels[i]);
            QCOMPARE(Items(page.ComboKeySet[i]), items);
        }
        QCOMPARE(page.CommandHelp->text(), english ? QStringLiteral("&Help") : QStringLiteral("帮助(&H)"));
    }

    void windowMenuHelpAndClose()
    {
        TestEnvironment env;
        QMenu windowMenu;
        State().WindowMenuHandle = &windowMenu;
        auto* page = new FormKeySetting(AppDocument());
        page->setAttribute(Qt::WA_DeleteOnClose);
        QVERIFY(State().KeyPageOpen);
        QCOMPARE(windowMenu.actions().size(), 1);
        QCOMPARE(windowMenu.actions().first()->text(), QStringLiteral("键设定"));
        page->CommandHelp->click();
        QVERIFY(HelpWindow());
        QVERIFY(HelpWindow()->source().toString().endsWith(QStringLiteral("keyassign.htm")));
        HelpWindow()->close();
        page->CommandClose->click();
        QVERIFY(!State().KeyPageOpen);
        QVERIFY(windowMenu.actions().isEmpty());
    }
};

QTEST_MAIN(TestFormKeySetting)
#include "test_form_key_setting.moc"
