#include "channel_table_model.h"
#include "interface_language.h"
#include "channel_codec.h"
#include "form_batch_channel_edit.h"
#include "form_channel_information.h"
#include "mdi_form_main.h"
#include "shared_state.h"
#include "test_support.h"

#include <QTableView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace t40;

namespace {
QString Rx(int channel)
{
    const auto f = DecodeFrequency(ReadFrequency(AppDocument().memory(), channel, ChannelField::Receive),
                                   State().DecimalSeparator);
    return f.present ? f.text : QString();
}

void Type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

// Channels 1..16 present at 410 MHz.
void FillAllChannels()
{
    for (int c = 1; c <= ChannelsPerGroup; ++c)
        AppDocument().edit([&](RadioImage& m) { WriteFrequency(m, c, ChannelField::Receive, EncodeFrequency(QStringLiteral("410"), ".")); });
}
} // namespace

class TestFormBatchChannelEdit : public QObject {
    Q_OBJECT
private slots:
    void load_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("bandLow");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("firstCode");
        QTest::addColumn<QString>("start");
        QTest::newRow("english UHF") << true << 400 << "." << "Batch ChannelEdit" << "None" << "400.00000";
        QTest::newRow("chinese VHF, comma") << false << 136 << "," << "信道批量编辑" << "无" << "136,00000";
    }
    void load()
    {
        QFETCH(bool, english);
        QFETCH(int, bandLow);
        QFETCH(QString, separator);
        QFETCH(QString, title);
        QFETCH(QString, firstCode);
        QFETCH(QString, start);
        test::TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        AppDocument().setBand({ QStringLiteral("UHF"), bandLow, 520, 520 });
        State().DecimalSeparator = separator;
        FormBatchChannelEdit form(AppDocument());
        QCOMPARE(form.windowTitle(), title);
        QCOMPARE(form.RangeStart(), 0);
        QCOMPARE(form.RangeEnd(), 127);
        QVERIFY(form.OptionArea[0]->isChecked());
        QVERIFY(!form.CheckOption->isEnabled());
        QVERIFY(!form.TextStartChannel->isEnabled());
        QCOMPARE(form.TextStartChannel->text(), QStringLiteral("1"));
        QCOMPARE(form.TextEndChannel->text(), QStringLiteral("128"));
        QCOMPARE(form.TextRxStartFreq->text(), start);
        QCOMPARE(form.TextTxStartFreq->text(), start);
        QCOMPARE(form.ComboDecodeStart->count(), 283);
        QCOMPARE(form.ComboDecodeStart->currentText(), firstCode);
        QCOMPARE(form.ComboEncodeStart->currentIndex(), 0);
        QCOMPARE(form.ComboTxPower->currentIndex(), 0);
        QCOMPARE(form.ComboSpace->currentIndex(), 0);
        QCOMPARE(form.ComboBusyLock->currentIndex(), 0);
        QVERIFY(form.ValuesPanelShown());
        QCOMPARE(form.HelpContextID, 74);
        QCOMPARE(form.CommandEdit->text(), english ? QStringLiteral("Edit &Setting") : QStringLiteral("编辑设定(&S)"));
        form.CommandEdit_Click();
        QVERIFY(!form.ValuesPanelShown());
        QCOMPARE(form.HelpContextID, 75);
        QCOMPARE(form.CommandEdit->text(), english ? QStringLiteral("&Edit") : QStringLiteral("编辑(&E)"));
        form.CommandEdit_Click();
        QVERIFY(form.ValuesPanelShown());
    }

    void range_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("leaveEnd"); // which box is left last
        QTest::addColumn<QString>("startAfter");
        QTest::addColumn<QString>("endAfter");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("5 to 3, leaving the end") << "5" << "3" << true << "3" << "3" << 2 << 2;
        QTest::newRow("5 to 3, leaving the start") << "5" << "3" << false << "5" << "5" << 4 << 4;
        QTest::newRow("plain range") << "2" << "9" << true << "2" << "9" << 1 << 8;
        QTest::newRow("empty start") << "" << "9" << false << "1" << "9" << 0 << 8;
        QTest::newRow("empty end") << "4" << "" << true << "4" << "128" << 3 << 127;
        QTest::newRow("start above 128") << "200" << "9" << false << "128" << "128" << 127 << 127;
        QTest::newRow("end above 128") << "4" << "999" << true << "4" << "128" << 3 << 127;
        QTest::newRow("start 0 is channel 1") << "0" << "9" << false << "1" << "9" << 0 << 8;
        QTest::newRow("end 0 is channel 1") << "1" << "000" << true << "1" << "1" << 0 << 0;
    }
    void range()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, leaveEnd);
        QFETCH(QString, startAfter);
        QFETCH(QString, endAfter);
        QFETCH(int, first);
        QFETCH(int, last);
        test::TestEnvironment env;
        FormBatchChannelEdit form(AppDocument());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.OptionArea[1]->click();
        QVERIFY(form.CheckOption->isEnabled() && form.TextEndChannel->isEnabled());
        form.TextStartChannel->setText(start);
        form.TextEndChannel->setText(end);
        // Leaving a box by Enter commits it like leaving it with the focus.
        QLineEdit* left = leaveEnd ? form.TextEndChannel : form.TextStartChannel;
        left->setFocus();
        QTest::keyClick(left, Qt::Key_Return);
        QCOMPARE(form.TextStartChannel->text(), startAfter);
        QCOMPARE(form.TextEndChannel->text(), endAfter);
        QCOMPARE(form.RangeStart(), first);
        QCOMPARE(form.RangeEnd(), last);
        form.OptionArea[0]->click();
        QCOMPARE(form.RangeStart(), 0);
        QCOMPARE(form.RangeEnd(), 127);
        QVERIFY(!form.CheckOption->isEnabled());
    }

    void channelBoxesTakeThreeDigits()
    {
        test::TestEnvironment env;
        FormBatchChannelEdit form(AppDocument());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.OptionArea[1]->click();
        Type(form.TextStartChannel, QStringLiteral("1a.2345"));
        QCOMPARE(form.TextStartChannel->text(), QStringLiteral("123"));
        Type(form.TextDecodeStep, QStringLiteral("987"));
        QCOMPARE(form.TextDecodeStep->text(), QStringLiteral("98"));
    }

    void fieldRepair_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("rx start empty") << "TextRxStartFreq" << "" << "400.00000";
        QTest::newRow("rx start separator") << "TextRxStartFreq" << "." << "400.00000";
        QTest::newRow("rx start above") << "TextRxStartFreq" << "600" << "480.00000";
        QTest::newRow("rx start below") << "TextRxStartFreq" << "399.9" << "400.00000";
        QTest::newRow("rx start padded") << "TextRxStartFreq" << "401.1" << "401.10000";
        QTest::newRow("rx start whole") << "TextRxStartFreq" << "475" << "475.00000";
        QTest::newRow("tx start above transmit limit") << "TextTxStartFreq" << "475" << "470.00000";
        QTest::newRow("tx start inside") << "TextTxStartFreq" << "446.00625" << "446.00625";
        QTest::newRow("rx step empty") << "TextRxStep" << "" << "0";
        QTest::newRow("rx step above") << "TextRxStep" << "10000.5" << "10000";
        QTest::newRow("rx step limit") << "TextRxStep" << "10000" << "10000";
        QTest::newRow("tx step above") << "TextTxStep" << "1001" << "1000";
        QTest::newRow("tx step fraction") << "TextTxStep" << "12.5" << "12.5";
        QTest::newRow("offset empty") << "TextTxOffset" << "" << "0";
        QTest::newRow("offset kept") << "TextTxOffset" << "99999" << "99999";
        QTest::newRow("decode step empty") << "TextDecodeStep" << "" << "0";
        QTest::newRow("encode step empty") << "TextEncodeStep" << "" << "0";
    }
    void fieldRepair()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        test::TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        AppDocument().setBand({ QStringLiteral("UHF"), 400, 480, 470 });
        FormBatchChannelEdit form(AppDocument());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.CommandSelectAll_Click();
        // The transmit boxes take input only under their own choice.
        (box == "TextTxOffset" ? form.OptionTxOffset : form.OptionTxStartFreq)->setChecked(true);
        auto* edit = form.findChild<QLineEdit*>(box);
        QVERIFY(edit);
        edit->setFocus();
        edit->setText(typed);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(edit->text(), shown);
        // Leaving it again (focus moving on) changes nothing more.
        form.CommandApply->setFocus();
        QCOMPARE(edit->text(), shown);
    }

    void panels()
    {
        test::TestEnvironment env;
        FormBatchChannelEdit form(AppDocument());
        // Nothing ticked: the values panel shows no value controls.
        for (QWidget* w : std::initializer_list<QWidget*> { form.FrameRxFreq, form.FrameTxFreq, form.FrameDecode,
                                                            form.FrameEncode, form.ComboTxPower, form.ComboSpace,
                                                            form.ComboBusyLock, form.CheckScanAdd, form.CheckReverse,
                                                            form.CheckTalkAround })
            QVERIFY(w->isHidden());
        form.CheckSetDecode->setChecked(true);
        form.CheckSetSpace->setChecked(true);
        QVERIFY(!form.FrameDecode->isHidden());
        QVERIFY(!form.ComboSpace->isHidden() && !form.LabelSpace->isHidden());
        QVERIFY(form.FrameEncode->isHidden() && form.ComboTxPower->isHidden());
        form.CommandSelectAll_Click();
        QVERIFY(!form.CheckTalkAround->isHidden() && !form.FrameRxFreq->isHidden());
        form.CommandSelectNone_Click();
        QVERIFY(form.FrameDecode->isHidden() && form.ComboSpace->isHidden());

        // Transmit: each choice enables its own fields only.
        QVERIFY(form.OptionTxDefault->isChecked());
        QVERIFY(!form.TextTxOffset->isEnabled() && !form.TextTxStartFreq->isEnabled());
        form.OptionTxOffset->setChecked(true);
        QVERIFY(form.TextTxOffset->isEnabled() && form.OptionMinus->isEnabled());
        QVERIFY(!form.TextTxStep->isEnabled());
        form.OptionTxStartFreq->setChecked(true);
        QVERIFY(!form.TextTxOffset->isEnabled() && form.TextTxStep->isEnabled() && form.OptionTxStepDown->isEnabled());
        QVERIFY(form.OptionPlus->isChecked()); // the direction pairs are apart from the choice

        // Random and Default take over the stepping controls.
        form.CheckDecodeRandom->setChecked(true);
        QVERIFY(!form.ComboDecodeStart->isEnabled() && !form.TextDecodeStep->isEnabled());
        form.CheckDecodeRandom->setChecked(false);
        QVERIFY(form.ComboDecodeStart->isEnabled());
        form.CheckEncodeRandom->setChecked(true);
        QVERIFY(!form.ComboEncodeStart->isEnabled() && form.CheckEncodeRandom->isEnabled());
        form.CheckEncodeDefault->setChecked(true);
        QVERIFY(!form.CheckEncodeRandom->isEnabled() && !form.OptionEncodeStepDown->isEnabled());
        form.CheckEncodeDefault->setChecked(false);
        QVERIFY(form.CheckEncodeRandom->isEnabled() && !form.ComboEncodeStart->isEnabled());
    }

    void applySteppedReceive()
    {
        test::TestEnvironment env;
        FillAllChannels();
        FormBatchChannelEdit form(AppDocument());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.OptionArea[1]->click();
        form.CheckOption->setChecked(true);
        form.CheckSetRxFreq->setChecked(true);
        Type(form.TextRxStep, QStringLiteral("12.5"));
        Type(form.TextStartChannel, QStringLiteral("2"));
        QTest::keyClick(form.TextStartChannel, Qt::Key_Return);
        // Apply reached by its access key while the end box still has the
        // focus: the typed end counts.
        Type(form.TextEndChannel, QStringLiteral("5"));
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), form.TextEndChannel);
        form.CommandApply_Click();
        QVERIFY(form.isVisible()); // the dialog stays open
        QCOMPARE(Rx(1), QString());
        QCOMPARE(Rx(2), QStringLiteral("400.00000"));
        QCOMPARE(Rx(3), QStringLiteral("400.01250"));
        QCOMPARE(Rx(4), QStringLiteral("400.02500"));
        QCOMPARE(Rx(5), QStringLiteral("400.03750"));
        QCOMPARE(Rx(6), QString());
    }

    void applyDecodeWrap()
    {
        test::TestEnvironment env;
        FillAllChannels();
        FormBatchChannelEdit form(AppDocument());
        form.CheckSetDecode->setChecked(true);
        form.ComboDecodeStart->setCurrentIndex(282);
        form.TextDecodeStep->setText(QStringLiteral("1"));
        form.CommandApply_Click();
        const int expected[] = { 282, 0, 1, 2 };
        for (int c = 1; c <= 4; ++c) {
            const SignallingBytes b = ReadCode(AppDocument().memory(), c, ChannelField::Decode);
            QCOMPARE(DecodeSignallingCode(b.low, b.high, ".", "None").position, expected[c - 1]);
        }
    }

    void allChannelNeverClears()
    {
        test::TestEnvironment env;
        FillAllChannels();
        const RadioImage before = AppDocument().memory();
        FormBatchChannelEdit form(AppDocument());
        form.OptionArea[1]->click();
        form.TextStartChannel->setText(QStringLiteral("3"));
        form.TextStartChannel_LostFocus();
        form.CheckOption->setChecked(true);
        form.OptionArea[0]->click(); // the tick stays, but does not count
        QVERIFY(form.CheckOption->isChecked());
        form.CommandApply_Click();
        QVERIFY(AppDocument().memory() == before);
    }

    // The hidden Edit menu item opens the dialog modally; what it applies
    // reaches the channel grid.
    void openedFromTheMainWindow()
    {
        test::TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        SetInterfaceLanguage(QLocale::English);
        main.LanguageRefresh();
        FormChannelInformation* grid = nullptr;
        for (PageWindow* page : main.openPages())
            if (auto* channels = qobject_cast<FormChannelInformation*>(page))
                grid = channels;
        QVERIFY(grid);
        QCOMPARE(grid->cellText(3, 1), QString());
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto* form = qobject_cast<FormBatchChannelEdit*>(QApplication::activeModalWidget());
            if (!form)
                return;
            modal = form->isModal();
            form->CheckSetRxFreq->setChecked(true);
            form->TextRxStep->setText(QStringLiteral("25"));
            form->CommandApply->click();
            form->CommandClose->click();
        });
        main.MenuBank_Click();
        QVERIFY(modal);
        QVERIFY(!main.MenuBank->isVisible());
        QCOMPARE(main.MenuBank->text(), QStringLiteral("&Batch ChannelEdit"));
        QTRY_COMPARE(grid->cellText(3, 1), QStringLiteral("400.05000"));
        QCOMPARE(grid->cellText(16, 1), QStringLiteral("400.37500"));
    }

    // Text still open in the grid's cell editor belongs to the data before
    // the batch edit: it must not land on top of what the batch wrote.
    void gridEditBeforeBatch()
    {
        test::TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        FormChannelInformation* grid = nullptr;
        for (PageWindow* page : main.openPages())
            if (auto* channels = qobject_cast<FormChannelInformation*>(page))
                grid = channels;
        QVERIFY(grid);
        grid->MSHFlexGridChannel_Click(3, 1);
        auto* box = qobject_cast<QLineEdit*>(grid->openEditor());
        QVERIFY(box);
        box->setText(QStringLiteral("450"));
        box->setModified(true);
        QTimer::singleShot(0, [&] {
            auto* form = qobject_cast<FormBatchChannelEdit*>(QApplication::activeModalWidget());
            if (!form)
                return;
            form->CheckSetRxFreq->setChecked(true);
            form->CommandApply->click();
            form->CommandClose->click();
        });
        main.MenuBank_Click();
        QTRY_COMPARE(grid->cellText(3, 1), QStringLiteral("400.00000"));
        grid->FreshData(); // as Save does
        QCOMPARE(Rx(3), QStringLiteral("400.00000"));
        QCOMPARE(grid->cellText(3, 1), QStringLiteral("400.00000"));
    }
};

QTEST_MAIN(TestFormBatchChannelEdit)
#include "test_form_batch_channel_edit.moc"
