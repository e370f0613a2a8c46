#include "interface_language.h"
#include "channel_test_helpers.h"
#include "form_channel_edit.h"
#include "form_channel_information.h"
#include "channel_grid_view.h"
#include "document_history.h"
#include "test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTableView>

using namespace t40;
using namespace t40::test;

class TestChannelEdit : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;
    QPointer<FormChannelEdit> editor;

    void openEditor(int channel)
    {
        SelectChannel(channel);
        editor = FormChannelEdit::ShowEditor(AppDocument(), nullptr);
        QVERIFY(editor);
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
    }
    // Focus on the control, then away from it, as a user tabbing through.
    void leave(QWidget* control)
    {
        control->setFocus();
        editor->ComboChannel->setFocus();
        QApplication::processEvents();
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        UseEnglishBand400To480(470);
    }
    void cleanup()
    {
        delete editor;
        env.reset();
    }

    void captions_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("English") << true
            << QStringList { "Channel Edit", "Channel", "Rx Frequency", "Tx Frequency", "CTCSS/DCS Decode",
                             "CTCSS/DCS Encode", "Tx Power", "Channel Spacing", "Busy Channel Lock-out", "Scan Add",
                             "&Close", "&Help" };
        QTest::newRow("Chinese") << false
            << QStringList { "信道信息", "信道", "接收频率", "发射频率", "CTCSS/DCS解码", "CTCSS/DCS编码", "发射功率",
                             "宽/窄带", "繁忙锁定", "扫描添加", "关闭(&C)", "帮助(&H)" };
    }
    void captions()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, texts);
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        openEditor(1);
        const QStringList shown { editor->windowTitle(), editor->LabelChannel->text(), editor->LabelRxFreq->text(),
                                  editor->LabelTxFreq->text(), editor->LabelDecode->text(), editor->LabelEncode->text(),
                                  editor->LabelTxPower->text(), editor->LabelSpace->text(), editor->LabelBusyLock->text(),
                                  editor->CheckScanAdd->text(), editor->CommandClose->text(), editor->CommandHelp->text() };
        QCOMPARE(shown, texts);
        QCOMPARE(editor->ComboChannel->count(), 16);
        QVERIFY(State().ChannelEditorOpen);
        editor->CommandClose->click();
        QVERIFY(!State().ChannelEditorOpen);
    }

    void emptyChannelThenCreate()
    {
        openEditor(5);
        QVERIFY(editor->TextRxFreq->isEnabled());
        QVERIFY(editor->ComboChannel->isEnabled());
        for (QWidget* w : std::initializer_list<QWidget*> { editor->TextTxFreq, editor->ComboDecode, editor->ComboEncode,
                                                            editor->ComboTxPower, editor->ComboSpace,
                                                            editor->ComboBusyLock, editor->CheckScanAdd })
            QVERIFY(!w->isEnabled());
        QCOMPARE(editor->ComboDecode->currentText(), QString());
        editor->TextRxFreq->setFocus();
        TypeIntoFocus(QStringLiteral("447.5"));
        editor->ComboChannel->setFocus(); // leaving the box commits
        QCOMPARE(StoredRx(5), QStringLiteral("447.50000"));
        QCOMPARE(editor->TextTxFreq->text(), QStringLiteral("447.50000"));
        QVERIFY(editor->ComboEncode->isEnabled());
        QCOMPARE(editor->ComboDecode->currentText(), QStringLiteral("None"));
        QCOMPARE(editor->ComboTxPower->currentText(), QStringLiteral("High"));
        QCOMPARE(editor->ComboSpace->currentText(), QStringLiteral("25K(Wide)"));
        QCOMPARE(editor->ComboBusyLock->currentText(), QStringLiteral("None"));
        QVERIFY(editor->CheckScanAdd->isChecked());
        QCOMPARE(RecordByte(5, 12), 0x88);
    }

    // Typed text reaches the document it was typed for before anything reads
    // it, and never the document that replaces it.
    void openEditBelongsToItsDocument_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("committed before saving") << false;
        QTest::newRow("dropped on replacement") << true;
    }
    void openEditBelongsToItsDocument()
    {
        QFETCH(bool, replace);
        PutChannel(5, QStringLiteral("440"), QStringLiteral("440"));
        openEditor(5);
        editor->TextRxFreq->setFocus();
        editor->TextRxFreq->selectAll();
        TypeIntoFocus(QStringLiteral("455"));
        if (replace)
            AppDocument().replaceImage(RadioImage(), false);
        else
            AppDocument().commitPendingEdits();
        QCOMPARE(StoredRx(5), replace ? QString() : QStringLiteral("455.00000"));
        editor->ComboChannel->setFocus(); // leaving the box afterwards adds nothing
        QApplication::processEvents();
        QCOMPARE(StoredRx(5), replace ? QString() : QStringLiteral("455.00000"));
    }

    void receiveEntryWarns()
    {
        openEditor(2);
        editor->TextRxFreq->setFocus();
        TypeIntoFocus(QStringLiteral("520"));
        KeyIntoFocus(Qt::Key_Return);
        QTRY_COMPARE(env->prompts().messages.size(), size_t(1));
        QCOMPARE(env->prompts().messages.front().text,
                 QStringLiteral("Frequency is out of range!\n520 MHz is above the band (400-480 MHz); stored 480.00000"));
        QCOMPARE(editor->TextRxFreq->text(), QStringLiteral("480.00000"));
        QCOMPARE(editor->TextTxFreq->text(), QStringLiteral("470.00000"));
    }

    void clearingTransmit()
    {
        PutChannel(3, "446", "446");
        AppDocument().edit([&](RadioImage& m) { WriteCode(m, 3, ChannelField::Encode, { 0x13, 0x20 }); });
        openEditor(3);
        QCOMPARE(editor->ComboEncode->currentText(), QStringLiteral("D023N"));
        editor->TextTxFreq->setFocus();
        editor->TextTxFreq->clear();
        KeyIntoFocus(Qt::Key_Return);
        QVERIFY(!editor->ComboEncode->isEnabled());
        QCOMPARE(editor->ComboEncode->currentText(), QString());
        QCOMPARE(ReadCode(AppDocument().memory(), 3, ChannelField::Encode), NoSignallingCode);
        QCOMPARE(ReadFrequency(AppDocument().memory(), 3, ChannelField::Transmit), NoFrequency);
        QVERIFY(editor->TextTxFreq->isEnabled());
    }

    void pickingCodes_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("D023N") << "D023N" << 0x13 << 0x20;
        QTest::newRow("D754I") << "D754I" << 0xEC << 0xA1;
        QTest::newRow("67.0") << "67.0" << 0x9E << 0x02;
        QTest::newRow("first entry") << "None" << 0xFF << 0xFF;
    }
    void pickingCodes()
    {
        QFETCH(QString, entry);
        QFETCH(int, low);
        QFETCH(int, high);
        PutChannel(4, "446", "446");
        AppDocument().edit([&](RadioImage& m) { WriteCode(m, 4, ChannelField::Decode, { 0x75, 0x03 }); });
        DocumentHistory history(AppDocument());
        openEditor(4);
        const int steps = history.count();
        QCOMPARE(editor->ComboDecode->currentText(), QStringLiteral("88.5"));
        const int index = editor->ComboDecode->findText(entry);
        QVERIFY(index >= 0);
        editor->ComboDecode->setCurrentIndex(index);
        emit editor->ComboDecode->activated(index);
        QCOMPARE(RecordByte(4, 8), low);
        QCOMPARE(RecordByte(4, 9), high);
        // The same code for encode, in one click, while encode has none.
        QCOMPARE(editor->CommandEncodeAsDecode->isEnabled(), low != 0xFF);
        if (low != 0xFF) {
            editor->CommandEncodeAsDecode->click();
            QCOMPARE(RecordByte(4, 10), low);
            QCOMPARE(RecordByte(4, 11), high);
            QCOMPARE(editor->ComboEncode->currentText(), entry);
            QVERIFY(!editor->CommandEncodeAsDecode->isEnabled());
            // One step with the decode change that offered it.
            history.undo();
            QCOMPARE(RecordByte(4, 8), 0x75);
            QCOMPARE(RecordByte(4, 10), 0xFF);
            QCOMPARE(history.count(), steps + 1);
        }
    }

    void typingEncodeWithEnter()
    {
        PutChannel(4, "446", "446");
        openEditor(4);
        editor->ComboEncode->setFocus();
        editor->ComboEncode->lineEdit()->selectAll();
        TypeIntoFocus(QStringLiteral("88.5"));
        KeyIntoFocus(Qt::Key_Return);
        QCOMPARE(RecordByte(4, 10), 0x75);
        QCOMPARE(RecordByte(4, 11), 0x03);
        QCOMPARE(editor->ComboEncode->lineEdit()->selectedText(), QStringLiteral("88.5"));
        // Typing past five characters is refused; a bad tone is corrected silently.
        editor->ComboEncode->lineEdit()->setText(QStringLiteral("D9"));
        leave(editor->ComboEncode);
        QCOMPARE(editor->ComboEncode->currentText(), QStringLiteral("D700N"));
        QCOMPARE(RecordByte(4, 10), 0xC0);
        QCOMPARE(RecordByte(4, 11), 0x21);
        QVERIFY(env->prompts().messages.empty());
    }

    void optionsWriteTheirBits()
    {
        PutChannel(7, "446", "446", 0x88, true);
        AppDocument().setByte(16 * 7 + 12, 0x8D); // bits 2..0 belong to no control
        openEditor(7);
        editor->ComboTxPower->setCurrentIndex(1);
        emit editor->ComboTxPower->activated(1);
        QCOMPARE(RecordByte(7, 12), 0x4D);
        emit editor->ComboSpace->activated(0);
        QCOMPARE(RecordByte(7, 12), 0x45);
        emit editor->ComboBusyLock->activated(2);
        QCOMPARE(RecordByte(7, 12), 0x65);
        editor->CheckScanAdd->click();
        QVERIFY(!ReadScanBit(AppDocument().memory(), 7));
    }

    void powerRepair()
    {
        PutChannel(8, "446", "446", 0xC8);
        openEditor(8);
        QCOMPARE(editor->ComboTxPower->currentText(), QStringLiteral("High"));
        QCOMPARE(RecordByte(8, 12), 0x88);
    }

    void channelSelector()
    {
        PutChannel(9, "455.125", "");
        openEditor(1);
        editor->ComboChannel->setCurrentIndex(8);
        emit editor->ComboChannel->activated(8);
        QCOMPARE(CurrentChannel(), 9);
        QCOMPARE(editor->TextRxFreq->text(), QStringLiteral("455.12500"));
        QCOMPARE(editor->TextTxFreq->text(), QString());
        QVERIFY(!editor->ComboEncode->isEnabled());
        QVERIFY(editor->ComboDecode->isEnabled());
    }

    void unreadableChannel()
    {
        AppDocument().edit([&](RadioImage& m) { WriteFrequency(m, 6, ChannelField::Receive, { 0x00, 0x00, 0x60, 0x04 }); });
        AppDocument().setByte(16 * 6 + 12, 0x33);
        openEditor(6);
        QCOMPARE(editor->TextRxFreq->text(), QString());
        QVERIFY(!ReadScanBit(AppDocument().memory(), 6));
        leave(editor->TextRxFreq); // passing through the empty box erases nothing
        QCOMPARE(RecordByte(6, 12), 0x33);
        QCOMPARE(RecordByte(6, 2), 0x60);
    }

    // Grid and editor are two views of one channel table with one selection.
    void gridAndEditorFollowEachOther()
    {
        PutChannel(2, "446", "446");
        FormChannelInformation grid(AppDocument());
        grid.show();
        grid.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&grid));
        SelectChannel(2);
        grid.CommandChannelEdit->click();
        editor = FormChannelEdit::Instance();
        QVERIFY(editor);
        QCOMPARE(editor->shownChannel(), 2);

        // Grid to editor, at once.
        grid.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&grid));
        QTableView* table = grid.MSHFlexGridChannel;
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(1, 1)).center());
        QVERIFY(qobject_cast<QLineEdit*>(grid.openEditor()));
        TypeIntoFocus(QStringLiteral("449"));
        KeyIntoFocus(Qt::Key_Return);
        QCOMPARE(editor->TextRxFreq->text(), QStringLiteral("449.00000"));

        // Editor to grid.
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        editor->ComboTxPower->setCurrentIndex(0);
        emit editor->ComboTxPower->activated(0);
        QCOMPARE(grid.cellText(2, 5), QStringLiteral("Low"));

        // The grid's selection moves the editor along.
        PutChannel(5, "430", "430");
        table->setCurrentIndex(table->model()->index(4, 3));
        QCOMPARE(editor->shownChannel(), 5);
        QCOMPARE(editor->TextRxFreq->text(), QStringLiteral("430.00000"));
        // The editor's selector moves the grid's selection, where the grid's
        // keyboard commands act.
        emit editor->ComboChannel->activated(8);
        QCOMPARE(CurrentChannel(), 9);
        QCOMPARE(table->currentIndex().row(), 8);
        // A second Channel Edit brings the same editor back.
        grid.CommandChannelEdit->click();
        QCOMPARE(FormChannelEdit::Instance(), editor.data());
    }
};

QTEST_MAIN(TestChannelEdit)
#include "test_channel_edit.moc"
