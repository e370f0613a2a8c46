#include "interface_language.h"
#include "channel_test_helpers.h"
#include "form_channel_copy.h"
#include "form_frequency_copy.h"
#include "form_qt_dqt_copy.h"
#include "test_support.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace t40;
using namespace t40::test;

class TestCopyTools : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;

    template <typename Dialog>
    void showActive(Dialog& dialog)
    {
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        UseEnglishBand400To480(480);
    }
    void cleanup() { env.reset(); }

    void captions_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("channelCopy");
        QTest::addColumn<QStringList>("frequencyCopy");
        QTest::addColumn<QStringList>("codeCopy");
        QTest::newRow("English") << true
            << QStringList { "Copy Channel", "Channel               To Channel", "C&opy", "&Close", "&Help" }
            << QStringList { "Frequency Copy", "Receive", "Transmit", "&OK", "&Cancel", "&Help" }
            << QStringList { "QT/DQT Copy", "Decode", "Encode", "&OK", "&Cancel", "&Help" };
        QTest::newRow("Chinese") << false
            << QStringList { "信道复制", "信道                   到信道", "复制(&O)", "关闭(&C)", "帮助(&H)" }
            << QStringList { "频率复制", "接收频率", "发射频率", "确定(&O)", "取消(&C)", "帮助(&H)" }
            << QStringList { "亚音复制", "接收亚音频", "发射亚音频", "确定(&O)", "取消(&C)", "帮助(&H)" };
    }
    void captions()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, channelCopy);
        QFETCH(QStringList, frequencyCopy);
        QFETCH(QStringList, codeCopy);
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        FormChannelCopy c(AppDocument(), 3);
        QCOMPARE((QStringList { c.windowTitle(), c.LabelChannelCopy->text(), c.CommandCopy->text(),
                                c.CommandCancel->text(), c.CommandHelp->text() }),
                 channelCopy);
        FormFrequencyCopy f(AppDocument(), 3, QStringLiteral("446.00000"));
        QCOMPARE((QStringList { f.windowTitle(), f.LabelRxFreq->text(), f.LabelTxFreq->text(), f.CommandOK->text(),
                                f.CommandCancel->text(), f.CommandHelp->text() }),
                 frequencyCopy);
        FormQtDqtCopy q(AppDocument(), 3, QStringLiteral("None"));
        QCOMPARE((QStringList { q.windowTitle(), q.LabelDecode->text(), q.LabelEncode->text(), q.CommandOK->text(),
                                q.CommandCancel->text(), q.CommandHelp->text() }),
                 codeCopy);
        QCOMPARE(q.ComboEncode->count(), 283);
        QCOMPARE(q.ComboEncode->itemText(0), english ? QStringLiteral("None") : QString::fromUtf8("无"));
    }

    void channelCopy()
    {
        PutChannel(3, "433.5", "434", 0x4B, false);
        AppDocument().setByte(16 * 3 + 15, 0x02);
        PutChannel(5, "446", "446", 0x88, true);
        FormChannelCopy dialog(AppDocument(), 3);
        showActive(dialog);
        QCOMPARE(dialog.TextChannelFrom->text(), QStringLiteral("3"));
        QCOMPARE(dialog.ComboChannelTo->currentIndex(), 2);
        const RadioImage before = AppDocument().memory();
        dialog.CommandCopy->click(); // onto itself
        QVERIFY(AppDocument().memory() == before);

        dialog.ComboChannelTo->setCurrentIndex(4);
        emit dialog.ComboChannelTo->activated(4);
        dialog.CommandCopy->click();
        for (int k = 0; k < 16; ++k)
            QCOMPARE(RecordByte(5, k), RecordByte(3, k));
        QVERIFY(!ReadScanBit(AppDocument().memory(), 5));
        QCOMPARE(QApplication::focusWidget(), dialog.ComboChannelTo);
        QVERIFY(dialog.isVisible()); // stays open for more copies

        // A source in the scan list puts the destination in it.
        AppDocument().edit([&](RadioImage& m) { WriteScanBit(m, 3, true); });
        emit dialog.ComboChannelTo->activated(15);
        dialog.CommandCopy->click();
        QVERIFY(ReadScanBit(AppDocument().memory(), 16));
        QCOMPARE(StoredRx(16), QStringLiteral("433.50000"));

        // Several channels go together, each as it was before the copy,
        // as far as channel 16.
        FormChannelCopy several(AppDocument(), QList<int> { 3, 4, 5 });
        QCOMPARE(several.TextChannelFrom->text(), QStringLiteral("3-5"));
        const RadioImage sources = AppDocument().memory();
        emit several.ComboChannelTo->activated(3);
        several.CommandCopy->click();
        for (int k = 0; k < 16; ++k) {
            QCOMPARE(RecordByte(4, k), int(sources.byte(16 * 3 + k)));
            QCOMPARE(RecordByte(5, k), int(sources.byte(16 * 4 + k)));
            QCOMPARE(RecordByte(6, k), int(sources.byte(16 * 5 + k)));
        }
        emit several.ComboChannelTo->activated(14);
        several.CommandCopy->click();
        QCOMPARE(StoredRx(15), StoredRx(3));
    }

    void frequencyCopy_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("warning");
        QTest::newRow("proposed") << "." << "" << "446.00625" << false;
        QTest::newRow("whole MHz") << "." << "401" << "401.00000" << false;
        QTest::newRow("one decimal") << "." << "401.1" << "401.10000" << false;
        QTest::newRow("600 on a 400-480 band") << "." << "600" << "480.00000" << true;
        QTest::newRow("below") << "." << "300" << "400.00000" << true;
        QTest::newRow("separator alone") << "." << "." << "400.00000" << true;
        QTest::newRow("comma") << "," << "455,5" << "455,50000" << false;
    }
    void frequencyCopy()
    {
        QFETCH(QString, separator);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, warning);
        State().DecimalSeparator = separator;
        PutChannel(2, "446.00625", "450");
        AppDocument().edit([&](RadioImage& m) { WriteCode(m, 2, ChannelField::Encode, { 0x13, 0x20 }); });
        FormFrequencyCopy dialog(AppDocument(), 2, QStringLiteral("446") + separator + QStringLiteral("00625"));
        showActive(dialog);
        QCOMPARE(dialog.TextTxFreq->text(), dialog.TextRxFreq->text());
        QCOMPARE(dialog.TextTxFreq->selectedText(), dialog.TextRxFreq->text());
        if (!typed.isEmpty()) {
            KeyIntoFocus(Qt::Key_Backspace); // the proposal is selected
            TypeIntoFocus(typed);
        }
        KeyIntoFocus(Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(StoredTx(2), stored);
        QCOMPARE(env->prompts().messages.size(), size_t(warning ? 1 : 0));
        if (warning) {
            QCOMPARE(env->prompts().messages.front().text, QStringLiteral("Frequency is out of range!"));
            QCOMPARE(env->prompts().messages.front().caption, QStringLiteral("test_copy_tools")); // the executable's name
        }
        QCOMPARE(ReadCode(AppDocument().memory(), 2, ChannelField::Encode), (SignallingBytes { 0x13, 0x20 }));
    }

    void frequencyCopyEmptyAndCancel()
    {
        PutChannel(2, "446", "450");
        AppDocument().edit([&](RadioImage& m) { WriteCode(m, 2, ChannelField::Encode, { 0x13, 0x20 }); });
        {
            FormFrequencyCopy dialog(AppDocument(), 2, QStringLiteral("446.00000"));
            const RadioImage before = AppDocument().memory();
            dialog.TextTxFreq->clear();
            dialog.CommandCancel->click();
            QVERIFY(AppDocument().memory() == before);
        }
        FormFrequencyCopy dialog(AppDocument(), 2, QStringLiteral("446.00000"));
        dialog.TextTxFreq->clear();
        dialog.CommandOK->click();
        QCOMPARE(ReadFrequency(AppDocument().memory(), 2, ChannelField::Transmit), NoFrequency);
        QCOMPARE(ReadCode(AppDocument().memory(), 2, ChannelField::Encode), (SignallingBytes { 0x13, 0x20 }));
    }

    void codeCopy_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("proposed decode") << "" << "D023N" << 0x13 << 0x20;
        QTest::newRow("D7") << "D7" << "D700N" << 0xC0 << 0x21;
        QTest::newRow("300") << "300" << "254.1" << 0xED << 0x09;
        QTest::newRow("50") << "50" << "67.0" << 0x9E << 0x02;
        QTest::newRow("88.5") << "88.5" << "88.5" << 0x75 << 0x03;
        QTest::newRow("lower case refused, empty is 67.0") << "d" << "67.0" << 0x9E << 0x02;
    }
    void codeCopy()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, low);
        QFETCH(int, high);
        PutChannel(4, "446", "446");
        FormQtDqtCopy dialog(AppDocument(), 4, QStringLiteral("D023N"));
        showActive(dialog);
        QCOMPARE(dialog.ComboEncode->currentText(), QStringLiteral("D023N"));
        QCOMPARE(dialog.ComboEncode->lineEdit()->selectedText(), QStringLiteral("D023N"));
        if (!typed.isEmpty()) {
            KeyIntoFocus(Qt::Key_Backspace);
            TypeIntoFocus(typed);
        }
        KeyIntoFocus(Qt::Key_Return);
        QCOMPARE(dialog.ComboEncode->currentText(), text);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(RecordByte(4, 10), low);
        QCOMPARE(RecordByte(4, 11), high);
        QVERIFY(env->prompts().messages.empty());
    }

    void codeCopyNormalisesOnLeaving()
    {
        PutChannel(4, "446", "446");
        AppDocument().edit([&](RadioImage& m) { WriteCode(m, 4, ChannelField::Encode, { 0x75, 0x03 }); });
        FormQtDqtCopy dialog(AppDocument(), 4, QString::fromUtf8("None"));
        showActive(dialog);
        QLineEdit* edit = dialog.ComboEncode->lineEdit();
        edit->setText(QStringLiteral("D023N"));
        edit->deselect();
        edit->end(false);
        TypeIntoFocus(QStringLiteral("7")); // five characters and nothing selected
        QCOMPARE(edit->text(), QStringLiteral("D023N"));
        KeyIntoFocus(Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("D023"));
        edit->setSelection(1, 1);
        TypeIntoFocus(QStringLiteral("9")); // typing over a selection
        QCOMPARE(edit->text(), QStringLiteral("D923"));
        dialog.CommandHelp->setFocus(); // leaving the box normalises only
        QCOMPARE(dialog.ComboEncode->currentText(), QStringLiteral("D723N"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(RecordByte(4, 10), 0x75);
        dialog.ComboEncode->setEditText(QStringLiteral("None"));
        dialog.CommandOK->click();
        QCOMPARE(ReadCode(AppDocument().memory(), 4, ChannelField::Encode), NoSignallingCode);
    }
};

QTEST_MAIN(TestCopyTools)
#include "test_copy_tools.moc"
