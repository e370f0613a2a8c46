#include "interface_language.h"
#include "form_dtmf.h"
#include "form_local_message.h"
#include "form_special.h"
#include "form_tune.h"
#include "shared_state.h"
#include "test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <cstring>

using namespace t40;
using namespace t40::test;

namespace {
void PutText(int address, const char* text)
{
    for (std::size_t i = 0; i < std::strlen(text); ++i)
        AppDocument().setByte(address + int(i), std::uint8_t(text[i]));
}

void SetBand(int low, int high, int effectiveHigh)
{
    AppDocument().setBand({ QStringLiteral("UHF"), low, high, effectiveHigh });
}

QString Cell(QTableWidget* grid, int row, int column)
{
    return grid->item(row, column)->text();
}

// Types into a cell editor as the user would and presses Enter.
void TypeAndEnter(QLineEdit* editor, const QString& text)
{
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}
} // namespace

class TestPartialPages : public QObject {
    Q_OBJECT
private slots:
    // ---- tune data ----

    void tuneHeadersAndColours_data()
    {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("effective");
        QTest::addColumn<QStringList>("headings");
        QTest::addColumn<int>("squelchEnd");
        QTest::addColumn<int>("powerEnd");
        QTest::newRow("UHF 400-470")
            << 400 << 470 << 470
            << QStringList { "400", "410", "420", "430", "440", "450", "460", "470", "480", "490", "500", "510", "520", "530", "540", QString::fromUtf8("≥550") }
            << 9 << 9;
        QTest::newRow("UHF 400-480, transmit to 520")
            << 400 << 480 << 520
            << QStringList { "400", "410", "420", "430", "440", "450", "460", "470", "480", "490", "500", "510", "520", "530", "540", QString::fromUtf8("≥550") }
            << 10 << 14;
        QTest::newRow("VHF 136-174")
            << 136 << 174 << 174
            << QStringList { "136", "140", "145", "150", "155", "160", "165", "170", "175", "180", "185", "190", "195", "200", "205", QString::fromUtf8("≥210") }
            << 9 << 9;
    }
    void tuneHeadersAndColours()
    {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, effective);
        QFETCH(QStringList, headings);
        QFETCH(int, squelchEnd);
        QFETCH(int, powerEnd);
        TestEnvironment env;
        SetBand(low, high, effective);
        FormTune page(AppDocument());
        for (int c = 1; c <= 16; ++c)
            QCOMPARE(Cell(page.MSHFlexGridTuneData, 0, c), headings.at(c - 1));
        const QColor inBand = page.palette().base().color();
        const QColor outOfBand = page.palette().dark().color();
        QVERIFY(inBand != outOfBand);
        for (int c = 1; c <= 16; ++c) {
            QCOMPARE(page.MSHFlexGridTuneData->item(1, c)->background().color(), c < squelchEnd ? inBand : outOfBand);
            for (int row = 2; row <= 3; ++row)
                QCOMPARE(page.MSHFlexGridTuneData->item(row, c)->background().color(), c < powerEnd ? inBand : outOfBand);
        }
    }

    void tuneDecodeUsesTheModelsSection_data()
    {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("base");
        QTest::newRow("400") << 400 << 0x310;
        QTest::newRow("200") << 200 << 0x320;
        QTest::newRow("136") << 136 << 0x300;
    }
    void tuneDecodeUsesTheModelsSection()
    {
        QFETCH(int, low);
        QFETCH(int, base);
        TestEnvironment env;
        SetBand(low, low + 40, low + 40);
        for (int a = 0x300; a < 0x400; ++a)
            AppDocument().setByte(a, std::uint8_t(a & 0xFF));
        AppDocument().setByte(base, 0xC5);          // row 1 shows 7 bits
        AppDocument().setByte(base + 48 + 15, 250); // row 2, column 16
        AppDocument().setByte(base + 144 + 4, 0x81); // detection 3
        AppDocument().setByte(base + 145 + 4, 0x85);
        AppDocument().setByte(0x3C0, 99);
        FormTune page(AppDocument());
        QCOMPARE(Cell(page.MSHFlexGridTuneData, 1, 1), QStringLiteral("69"));
        QCOMPARE(Cell(page.MSHFlexGridTuneData, 1, 2), QString::number((base + 1) & 0x7F));
        QCOMPARE(Cell(page.MSHFlexGridTuneData, 2, 16), QStringLiteral("250"));
        QCOMPARE(Cell(page.MSHFlexGridTuneData, 3, 4), QString::number((base + 96 + 3) & 0xFF));
        QCOMPARE(Cell(page.MSHFlexGridSqlTune, 1, 3), QStringLiteral("259"));
        QCOMPARE(Cell(page.MSHFlexGridSqlTune, 2, 3), QStringLiteral("5"));
        QCOMPARE(page.TextPkValue->text(), QStringLiteral("99"));
        QVERIFY(State().TunePageOpen);
    }

    void tuneCellEditing_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("stored");
        QTest::newRow("row 1: 200 -> 127") << 1 << 3 << "200" << "127" << 0x310 + 2 << 127;
        QTest::newRow("row 2: 300 -> 255") << 2 << 1 << "300" << "255" << 0x310 + 48 << 255;
        QTest::newRow("row 3: 77") << 3 << 16 << "77" << "77" << 0x310 + 96 + 15 << 77;
        QTest::newRow("label cell opens the first data cell") << 0 << 0 << "12" << "12" << 0x310 << 12;
        QTest::newRow("letters are not typed") << 2 << 2 << "4x5" << "45" << 0x310 + 49 << 45;
    }
    void tuneCellEditing()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, address);
        QFETCH(int, stored);
        TestEnvironment env;
        SetBand(400, 520, 520);
        FormTune page(AppDocument());
        page.show();
        RadioImage before = AppDocument().memory();
        page.MSHFlexGridTuneData_Click(row, column);
        QVERIFY(page.Text1->isVisible());
        const int r = qMax(1, row);
        const int c = qMax(1, column);
        QCOMPARE(page.Text1->text(), Cell(page.MSHFlexGridTuneData, r, c));
        TypeAndEnter(page.Text1, typed);
        QCOMPARE(Cell(page.MSHFlexGridTuneData, r, c), shown);
        QCOMPARE(int(AppDocument().byte(address)), stored);
        before.setByte(address, std::uint8_t(stored));
        QVERIFY(AppDocument().memory() == before);
    }

    void tuneEmptyEntryChangesNothing()
    {
        TestEnvironment env;
        SetBand(400, 520, 520);
        AppDocument().setByte(0x310 + 48, 88);
        FormTune page(AppDocument());
        page.show();
        const RadioImage before = AppDocument().memory();
        page.MSHFlexGridTuneData_Click(2, 1);
        page.Text1->clear();
        page.Text1_LostFocus();
        QVERIFY(AppDocument().memory() == before);
        QCOMPARE(Cell(page.MSHFlexGridTuneData, 2, 1), QStringLiteral("88"));
        QVERIFY(!page.Text1->isVisible());
    }

    // Enter moves along the row while the next column is in band, then to the
    // next row, and after row 3 to the threshold grid.
    void tuneEnterMovesOn()
    {
        TestEnvironment env;
        SetBand(400, 470, 480); // row 1 in band up to column 8, rows 2 and 3 up to column 9
        FormTune page(AppDocument());
        page.show();
        page.MSHFlexGridTuneData_Click(1, 7);
        page.Text1_Enter();
        QCOMPARE(page.Text1Row(), 1);
        QCOMPARE(page.Text1Column(), 8);
        page.Text1_Enter();
        QCOMPARE(page.Text1Row(), 2);
        QCOMPARE(page.Text1Column(), 1);
        page.MSHFlexGridTuneData_Click(2, 9);
        page.Text1_Enter();
        QCOMPARE(page.Text1Row(), 3);
        QCOMPARE(page.Text1Column(), 1);
        page.MSHFlexGridTuneData_Click(3, 16); // an out-of-band cell can still be edited
        TypeAndEnter(page.Text1, QStringLiteral("5"));
        QCOMPARE(int(AppDocument().byte(0x310 + 96 + 15)), 5);
        QCOMPARE(page.Text1Row(), 0);
        QVERIFY(!page.Text1->isVisible());
        QVERIFY(page.Text2->isVisible());
        QCOMPARE(page.Text2Row(), 1);
        QCOMPARE(page.Text2Column(), 1);
    }

    void tuneThresholdEditing_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        // Detection 2 starts as 0x81 0x85 (259 and 5).
        QTest::newRow("high 101") << 1 << "101" << "101" << 50 << 0x85;
        QTest::newRow("high 200 -> 127") << 1 << "200" << "127" << 63 << 0x85;
        QTest::newRow("high 100 clears bit 7") << 1 << "100" << "100" << 50 << 0x05;
        QTest::newRow("low 20 keeps bit 7") << 2 << "20" << "20" << 0x81 << 0x94;
        QTest::newRow("low 999 -> 127") << 2 << "999" << "127" << 0x81 << 0xFF;
    }
    void tuneThresholdEditing()
    {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, first);
        QFETCH(int, second);
        TestEnvironment env;
        SetBand(136, 174, 174);
        AppDocument().setByte(0x300 + 144 + 2, 0x81);
        AppDocument().setByte(0x300 + 145 + 2, 0x85);
        FormTune page(AppDocument());
        page.show();
        page.MSHFlexGridSqlTune_Click(row, 2);
        QCOMPARE(page.Text2->text(), Cell(page.MSHFlexGridSqlTune, row, 2));
        TypeAndEnter(page.Text2, typed);
        QCOMPARE(Cell(page.MSHFlexGridSqlTune, row, 2), shown);
        QCOMPARE(int(AppDocument().byte(0x300 + 144 + 2)), first);
        QCOMPARE(int(AppDocument().byte(0x300 + 145 + 2)), second);
        QCOMPARE(page.Text2Column(), 3); // Enter moved on
    }

    // Opening an editor and leaving it untouched stores nothing, so that bits
    // the page does not show and factory values above the entry limits survive.
    void tuneUntouchedEditorsKeepTheBytes()
    {
        TestEnvironment env;
        SetBand(400, 520, 520);
        const RadioImage& image = AppDocument().memory();
        AppDocument().setByte(0x310, 0xC5);       // squelch with bit 7 set, shown as 69
        AppDocument().setByte(0x310 + 144, 0xFF); // detection 1: 511 and 127
        AppDocument().setByte(0x310 + 145, 0xFF);
        AppDocument().setByte(0x3C0, 0xFF);       // deviation 255
        FormTune page(AppDocument());
        page.show();
        const RadioImage before = image;
        page.MSHFlexGridTuneData_Click(1, 1);
        page.Text1_Enter();
        QCOMPARE(page.Text1Column(), 2); // moved on all the same
        page.Text1_LostFocus();
        page.MSHFlexGridSqlTune_Click(1, 1);
        page.Text2_LostFocus();
        page.TextPkValue_LostFocus();
        page.FreshData();
        QVERIFY(image == before);
        QCOMPARE(page.MSHFlexGridSqlTune->item(1, 1)->text(), QStringLiteral("511"));
        QCOMPARE(page.TextPkValue->text(), QStringLiteral("255"));
    }

    void tuneClosingKeepsAnOpenEdit()
    {
        TestEnvironment env;
        SetBand(400, 520, 520);
        auto* page = new FormTune(AppDocument());
        page->setAttribute(Qt::WA_DeleteOnClose);
        page->show();
        page->MSHFlexGridTuneData_Click(3, 2);
        page->Text1->setText(QStringLiteral("66"));
        page->closePage();
        QCOMPARE(int(AppDocument().byte(0x310 + 96 + 1)), 66);
        QVERIFY(!State().TunePageOpen);
    }

    void tuneDeviation()
    {
        TestEnvironment env;
        FormTune page(AppDocument());
        page.show();
        page.TextPkValue->setText(QStringLiteral("200"));
        page.TextPkValue_Enter();
        QCOMPARE(page.TextPkValue->text(), QStringLiteral("127"));
        QCOMPARE(int(AppDocument().byte(0x3C0)), 127);
        page.TextPkValue->setText(QStringLiteral("35"));
        page.FreshData();
        QCOMPARE(int(AppDocument().byte(0x3C0)), 35);
        page.TextPkValue->clear();
        page.TextPkValue_LostFocus();
        QCOMPARE(int(AppDocument().byte(0x3C0)), 35);
        QCOMPARE(page.TextPkValue->text(), QStringLiteral("35"));
    }

    void tuneCaptions_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("English") << true
                                 << QStringList { "Tune Data", "Freq", "SQ", "TX High", "TX Low", "Sq Detect", "Detection1(W)",
                                                  "Detection4(N)", "High Threshlod", "Low Threshlod", "BandWide(0.1KHz):",
                                                  "Read TuneData", "Write TuneData" };
        QTest::newRow("Chinese") << false
                                 << QStringList { "调谐数据", "频率", "灵敏度", "低功率", "高功率", "静噪检测", "检测1(宽) ",
                                                  "检测4(窄)", "高阀值", "低阀值", "最大频率偏移(0.1KHz):", "读调谐数据",
                                                  "写调谐数据" };
    }
    void tuneCaptions()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, texts);
        TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        FormTune page(AppDocument());
        const QStringList shown { page.windowTitle(),
                                  Cell(page.MSHFlexGridTuneData, 0, 0),
                                  Cell(page.MSHFlexGridTuneData, 1, 0),
                                  Cell(page.MSHFlexGridTuneData, 2, 0),
                                  Cell(page.MSHFlexGridTuneData, 3, 0),
                                  Cell(page.MSHFlexGridSqlTune, 0, 0),
                                  Cell(page.MSHFlexGridSqlTune, 0, 1),
                                  Cell(page.MSHFlexGridSqlTune, 0, 8),
                                  Cell(page.MSHFlexGridSqlTune, 1, 0),
                                  Cell(page.MSHFlexGridSqlTune, 2, 0),
                                  page.LabelPkValue->text(),
                                  page.CommandRead->text(),
                                  page.CommandWrite->text() };
        QCOMPARE(shown, texts);
    }

    void tuneQuestionsCancelled_data()
    {
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("question");
        QTest::newRow("read") << true << "Read tune data from radio.Do you wish continue?";
        QTest::newRow("write") << false << "Write tune data into radio.Do you wish continue?";
    }
    void tuneQuestionsCancelled()
    {
        QFETCH(bool, read);
        QFETCH(QString, question);
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        env.prompts().answers.push_back(BoxAnswer::Cancel);
        FormTune page(AppDocument());
        read ? page.CommandRead_Click() : page.CommandWrite_Click();
        QCOMPARE(int(env.prompts().messages.size()), 1);
        QCOMPARE(env.prompts().messages.front().text, question);
        QCOMPARE(env.prompts().messages.front().buttons, BoxButtons::OkCancel);
        QCOMPARE(env.prompts().messages.front().icon, BoxIcon::Warning);
        QVERIFY(!State().SessionWindowOpen);
    }

    // ---- dealer information ----

    void dealerPage_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("version");
        QTest::newRow("English, point") << true << "." << "01.23";
        QTest::newRow("Chinese, comma") << false << "," << "01,23";
    }
    void dealerPage()
    {
        QFETCH(bool, english);
        QFETCH(QString, separator);
        QFETCH(QString, version);
        TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        State().DecimalSeparator = separator;
        for (int a = 0x0A80; a < 0x0B80; ++a)
            AppDocument().setByte(a, 0);
        PutText(0x0A80, "T40U01");
        AppDocument().setByte(0x0A86, 1);
        PutText(0x0A88, "0755");
        PutText(0x0A90, "SN-42");
        PutText(0x0B00, "Wang");
        PutText(0x0B10, "Keypad replaced");
        PutText(448, "0123");
        FormLocalMessage page(AppDocument());
        QCOMPARE(page.windowTitle(), english ? QStringLiteral("Local Message") : QString::fromUtf8("本机信息"));
        QCOMPARE(page.ComboRadioType->count(), 8);
        QCOMPARE(page.ComboRadioType->currentText(), QStringLiteral("T40U01"));
        QCOMPARE(page.ComboFrequencyArea->currentText(), QStringLiteral("200-260MHz"));
        QCOMPARE(page.TextAreaCode->text(), QStringLiteral("0755"));
        QCOMPARE(page.TextSerialNumber->text(), QStringLiteral("SN-42"));
        QCOMPARE(page.TextProductedDate->text(), QString());
        QCOMPARE(page.TextSeller->text(), QStringLiteral("Wang"));
        QCOMPARE(page.TextMaintainedDescription->toPlainText(), QStringLiteral("Keypad replaced"));
        QCOMPARE(page.TextVersion->text(), version);
        QCOMPARE(page.LabelRadioType->text(), english ? QStringLiteral("Radio Typye") : QString::fromUtf8("机型"));
        QCOMPARE(page.FrameSellerInformation->title(), english ? QStringLiteral("Seller Information") : QString::fromUtf8("销售商信息"));
        QCOMPARE(page.CommandHelp->text(), english ? QStringLiteral("&Help") : QString::fromUtf8("帮助(&H)"));
        for (QWidget* field : std::initializer_list<QWidget*> { page.ComboRadioType, page.ComboFrequencyArea, page.TextAreaCode,
                                                                page.TextSerialNumber, page.TextProductedDate, page.TextManufactureCode,
                                                                page.TextUserCode, page.TextMaintainedDate, page.TextVersion,
                                                                page.TextMaintainedDescription, page.TextDealerCode, page.TextStockDate,
                                                                page.TextSellDate, page.TextSeller })
            QVERIFY(!field->isEnabled());
        page.show();
        QVERIFY(!page.CommandWrite->isVisible());
        QVERIFY(!page.TextWritePassword->isVisible());
        QVERIFY(page.CommandClose->isVisible());
    }

    void dealerUnknownValues()
    {
        TestEnvironment env;
        PutText(0x0A80, "ABCDEF");
        AppDocument().setByte(0x0A86, 3);
        AppDocument().setByte(0x0A90, 0);
        PutText(0x0A91, "hidden");
        FormLocalMessage page(AppDocument());
        QCOMPARE(page.ComboRadioType->currentIndex(), 7);
        QCOMPARE(page.ComboFrequencyArea->currentText(), QStringLiteral("136-174MHz"));
        QCOMPARE(page.TextSerialNumber->text(), QString());
    }

    // ---- stun/kill ----

    void dtmfDecode_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("ack");
        QTest::addColumn<int>("enable");
        QTest::addColumn<int>("lengths");
        QTest::addColumn<int>("statusPosition");
        QTest::addColumn<int>("ackPosition");
        QTest::addColumn<QString>("stun");
        QTest::addColumn<QString>("kill");
        QTest::newRow("stunned, ring, enabled") << 0x55 << 0x55 << 0x55 << 0x66 << 1 << 1 << "123456" << "ABCDE0";
        QTest::newRow("killed, chord, disabled") << 0xAA << 0xFF << 0xFF << 0x26 << 2 << 0 << "123456" << "AB";
        QTest::newRow("unknown status, 0x9F counts") << 0x00 << 0x00 << 0x00 << 0x9F << 0 << 0 << "" << "";
    }
    void dtmfDecode()
    {
        QFETCH(int, status);
        QFETCH(int, ack);
        QFETCH(int, enable);
        QFETCH(int, lengths);
        QFETCH(int, statusPosition);
        QFETCH(int, ackPosition);
        QFETCH(QString, stun);
        QFETCH(QString, kill);
        TestEnvironment env;
        const RadioImage& m = AppDocument().memory();
        const std::uint8_t digits[16] = { 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 0, 9, 9 };
        for (int i = 0; i < 16; ++i)
            AppDocument().setByte(0x0B80 + i, digits[i]);
        AppDocument().setByte(0x0B90, std::uint8_t(lengths));
        AppDocument().setByte(0x0B91, std::uint8_t(status));
        AppDocument().setByte(0x0B92, std::uint8_t(ack));
        AppDocument().setByte(0x0B93, std::uint8_t(enable));
        const RadioImage before = m;
        FormDtmf page(AppDocument());
        QCOMPARE(page.ComboStatus->currentIndex(), statusPosition);
        QCOMPARE(page.ComboAckType->currentIndex(), ackPosition);
        QCOMPARE(page.CheckStunEnable->isChecked(), enable == 0x55);
        QCOMPARE(page.TextStun->text(), stun);
        QCOMPARE(page.TextKill->text(), kill);
        QCOMPARE(page.TextStun->isEnabled(), enable == 0x55);
        QCOMPARE(page.TextKill->isEnabled(), enable == 0x55);
        QVERIFY(AppDocument().memory() == before); // decoding writes nothing
    }

    void dtmfEnableShownOnlyInServiceMode_data()
    {
        QTest::addColumn<bool>("service");
        QTest::newRow("service mode") << true;
        QTest::newRow("normal") << false;
    }
    void dtmfEnableShownOnlyInServiceMode()
    {
        QFETCH(bool, service);
        TestEnvironment env;
        State().ServiceMode = service;
        FormDtmf page(AppDocument());
        page.show();
        QCOMPARE(page.CheckStunEnable->isVisible(), service);
    }

    void dtmfEdits()
    {
        TestEnvironment env;
        State().ServiceMode = true;
        const RadioImage& m = AppDocument().memory();
        AppDocument().setByte(0x0B90, 0x30);
        FormDtmf page(AppDocument());
        page.show();
        page.ComboStatus->setCurrentIndex(2);
        page.ComboStatus_Click();
        QCOMPARE(int(m.memoryByte(0x0B91)), 0xAA);
        page.ComboStatus->setCurrentIndex(0);
        page.ComboStatus_Click();
        QCOMPARE(int(m.memoryByte(0x0B91)), 0xFF);
        page.ComboAckType->setCurrentIndex(1);
        page.ComboAckType_Click();
        QCOMPARE(int(m.memoryByte(0x0B92)), 0x55);
        page.CheckStunEnable->click();
        QCOMPARE(int(m.memoryByte(0x0B93)), 0x55);
        QVERIFY(page.TextStun->isEnabled());
        QVERIFY(page.FrameDtmf->isEnabled());

        // Keys: small letters become capitals, other keys do not get in; Enter stores.
        page.TextStun->setFocus();
        QTest::keyClicks(page.TextStun, QStringLiteral("a-f*2"));
        QCOMPARE(page.TextStun->text(), QStringLiteral("A2"));
        QTest::keyClick(page.TextStun, Qt::Key_Return);
        QCOMPARE(int(m.memoryByte(0x0B80)), 10);
        QCOMPARE(int(m.memoryByte(0x0B81)), 2);
        for (int a = 0x0B82; a <= 0x0B87; ++a)
            QCOMPARE(int(m.memoryByte(a)), 0);
        QCOMPARE(int(m.memoryByte(0x0B90)), 0x32); // the kill nibble is unchanged

        page.TextKill->setText(QStringLiteral("123456789"));
        QCOMPARE(page.TextKill->text(), QStringLiteral("12345678")); // at most eight
        page.TextKill_LostFocus();
        QCOMPARE(int(m.memoryByte(0x0B90)), 0x82);
        QCOMPARE(int(m.memoryByte(0x0B8F)), 8);

        page.CheckStunEnable->click();
        QCOMPARE(int(m.memoryByte(0x0B93)), 0xFF);
        QVERIFY(!page.TextStun->isEnabled());
        QVERIFY(!page.FrameDtmf->isEnabled());
    }

    // Passing through a code box does not rewrite a record it shows as empty.
    void dtmfFocusPassingThroughKeepsTheRecord()
    {
        TestEnvironment env;
        State().ServiceMode = true;
        const RadioImage& m = AppDocument().memory();
        for (int i = 0; i < 16; ++i)
            AppDocument().setByte(0x0B80 + i, std::uint8_t(i));
        AppDocument().setByte(0x0B90, 0x9F);
        AppDocument().setByte(0x0B93, 0x55);
        const RadioImage before = m;
        FormDtmf page(AppDocument());
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        page.TextStun->setFocus();
        QTest::keyClick(page.TextStun, Qt::Key_Return);
        page.TextKill->setFocus();
        page.CommandClose->setFocus();
        QVERIFY(m == before);
    }

    // A code of one to five characters stops the write while the box is checked.
    void dtmfShortCode_data()
    {
        QTest::addColumn<bool>("service");
        QTest::addColumn<int>("enable");
        QTest::addColumn<int>("lengths");
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<bool>("english");
        QTest::newRow("stun 5, enabled") << true << 0x55 << 0x65 << true << "stun" << true;
        QTest::newRow("stun 5, enabled, Chinese") << true << 0x55 << 0x65 << true << "stun" << false;
        QTest::newRow("kill 3, enabled") << true << 0x55 << 0x36 << true << "kill" << true;
        QTest::newRow("stun 5, box cleared") << true << 0xFF << 0x65 << false << "" << true;
        QTest::newRow("stun 5, box hidden and cleared") << false << 0xFF << 0x65 << false << "" << true;
        QTest::newRow("both empty, enabled") << true << 0x55 << 0x00 << false << "" << true;
        QTest::newRow("six and eight, enabled") << true << 0x55 << 0x86 << false << "" << true;
    }
    void dtmfShortCode()
    {
        QFETCH(bool, service);
        QFETCH(int, enable);
        QFETCH(int, lengths);
        QFETCH(bool, stopped);
        QFETCH(QString, focused);
        QFETCH(bool, english);
        TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        State().ServiceMode = service;
        const RadioImage& m = AppDocument().memory();
        for (int i = 0; i < 16; ++i)
            AppDocument().setByte(0x0B80 + i, std::uint8_t(i % 10));
        AppDocument().setByte(0x0B90, std::uint8_t(lengths));
        AppDocument().setByte(0x0B93, std::uint8_t(enable));
        const RadioImage before = m;
        env.prompts().answers.push_back(BoxAnswer::Cancel); // the warning, or the question (no session)
        FormDtmf page(AppDocument());
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        page.CommandWrite_Click();
        QVERIFY(!env.prompts().messages.empty());
        const QString first = env.prompts().messages.front().text;
        if (stopped) {
            QCOMPARE(first, english ? QStringLiteral("Code must longer than 5") : QString::fromUtf8("至少要6个码"));
            QCOMPARE(int(env.prompts().messages.size()), 1);
            QLineEdit* box = focused == QLatin1String("stun") ? page.TextStun : page.TextKill;
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(box));
            QCOMPARE(box->selectedText(), box->text());
        } else {
            QCOMPARE(first, QStringLiteral("Write Data into Raido.Do you wish continue?"));
        }
        QVERIFY(AppDocument().memory() == before); // the codes were written unchanged
        QVERIFY(!State().SessionWindowOpen);
    }

    void dtmfCaptions_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("English") << true
                                 << QStringList { "Stun Option", "Status", "Normal", "Stun", "Die", "DTMF Code", "Stun Code", "Die Code",
                                                  "Call Response Type", "Chord", "Ring", "Stun/Die Enable", "&Write", "&Close" };
        QTest::newRow("Chinese") << false
                                 << QStringList { "遥晕遥毙选项", "遥毙状态", "正常", "遥晕", "遥毙", "遥晕码/遥毙码", "遥晕码", "遥毙码",
                                                  "呼叫响应方式", "和弦", "振铃", "遥晕遥毙使能", "写入(&W)", "关闭(&C)" };
    }
    void dtmfCaptions()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, texts);
        TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        FormDtmf page(AppDocument());
        const QStringList shown { page.windowTitle(), page.LabelStatus->text(), page.ComboStatus->itemText(0),
                                  page.ComboStatus->itemText(1), page.ComboStatus->itemText(2), page.FrameDtmf->title(),
                                  page.LabelStun->text(), page.LabelKill->text(), page.LabelAckType->text(),
                                  page.ComboAckType->itemText(0), page.ComboAckType->itemText(1), page.CheckStunEnable->text(),
                                  page.CommandWrite->text(), page.CommandClose->text() };
        QCOMPARE(shown, texts);
    }

    // ---- special option ----

    void specialDecode_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0x30 shows 15") << 0x30 << "15";
        QTest::newRow("0 shows 1") << 0 << "1";
        QTest::newRow("15 shows 16") << 15 << "16";
        QTest::newRow("erased shows 15") << 0xFF << "15";
    }
    void specialDecode()
    {
        QFETCH(int, byte);
        QFETCH(QString, shown);
        TestEnvironment env;
        AppDocument().setByte(0x0E11, std::uint8_t(byte));
        FormSpecial page(AppDocument());
        QCOMPARE(page.ComboRxVoice->count(), 16);
        QCOMPARE(page.ComboRxVoice->currentText(), shown);
        QCOMPARE(int(AppDocument().byte(0x0E11)), byte); // decoding repairs nothing
    }

    void specialWriteStoresTheLevelBeforeAsking_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("English") << true;
        QTest::newRow("Chinese") << false;
    }
    void specialWriteStoresTheLevelBeforeAsking()
    {
        QFETCH(bool, english);
        TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        env.prompts().answers.push_back(BoxAnswer::Cancel);
        FormSpecial page(AppDocument());
        QCOMPARE(page.windowTitle(), english ? QStringLiteral("Special Option") : QString::fromUtf8("特殊选项"));
        QCOMPARE(page.LabelRxVoice->text(), english ? QStringLiteral("RX Voice Level:") : QString::fromUtf8("接收声音等级:"));
        page.ComboRxVoice->setCurrentIndex(6);
        page.CommandWrite_Click();
        QCOMPARE(int(AppDocument().byte(0x0E11)), 6);
        QCOMPARE(env.prompts().messages.front().text,
                 english ? QStringLiteral("Write Data into Raido.Do you wish continue?") : QString::fromUtf8("向对讲机写入本机信息？"));
        QVERIFY(!State().SessionWindowOpen);
    }
};

QTEST_MAIN(TestPartialPages)
#include "test_partial_pages.moc"
