#include "interface_language.h"
#include "channel_test_helpers.h"
#include "form_channel_edit.h"
#include "form_channel_information.h"
#include "form_frequency_copy.h"
#include "form_qt_dqt_copy.h"
#include "memory_map.h"
#include "test_support.h"
#include "value_texts.h"

#include <QComboBox>
#include <QMenu>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include "channel_grid_view.h"

using namespace t40;
using namespace t40::test;

class TestChannelGrid : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<FormChannelInformation> grid;

    void openGrid()
    {
        grid = std::make_unique<FormChannelInformation>(AppDocument());
        grid->show();
        grid->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(grid.get()));
    }
    QPoint cellCentre(int row, int column) const
    {
        QTableView* table = grid->MSHFlexGridChannel;
        return table->visualRect(table->model()->index(row - 1, column)).center();
    }
    void clickCell(int row, int column, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(grid->MSHFlexGridChannel->viewport(), Qt::LeftButton, modifiers, cellCentre(row, column));
    }
    int currentRow() const { return grid->MSHFlexGridChannel->currentIndex().row() + 1; }
    int currentColumn() const { return grid->MSHFlexGridChannel->currentIndex().column(); }
    // The in-place editors: a text box for frequencies, a combo box for the rest.
    QLineEdit* textEditor() const { return qobject_cast<QLineEdit*>(grid->openEditor()); }
    QComboBox* comboEditor() const { return qobject_cast<QComboBox*>(grid->openEditor()); }

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        UseEnglishBand400To480(470);
    }
    void cleanup()
    {
        if (auto* editor = FormChannelEdit::Instance())
            delete editor;
        grid.reset();
        env.reset();
    }

    void captions_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("title");
        QTest::newRow("English") << true
            << QStringList { "CH", "Rx Frequency", "Tx Frequency", "CTCSS/DCS Decode", "CTCSS/DCS Encode", "Tx Power",
                             "Scan Add", "Channel Spacing", "Busy Lock", "" }
            << "Channel Information";
        QTest::newRow("Chinese") << false
            << QStringList { "信道", "接收频率", "发射频率", "解码", "编码", "发射功率", "扫描添加", "宽/窄带", "繁忙锁定", "" }
            << "信道信息";
    }
    void captions()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, captions);
        QFETCH(QString, title);
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        openGrid();
        QTableView* table = grid->MSHFlexGridChannel;
        QCOMPARE(table->model()->rowCount() + 1, 17);
        QCOMPARE(table->model()->columnCount(), 10);
        for (int c = 0; c < 10; ++c)
            QCOMPARE(table->model()->headerData(c, Qt::Horizontal).toString(), captions.at(c));
        QCOMPARE(grid->windowTitle(), title);
        for (int r = 1; r <= 16; ++r)
            QCOMPARE(grid->cellText(r, 0), QString::number(r));
        // 500, 1000 and 1200 twips at least, and room for the longest texts.
        const std::array<int, 10> twips { 500, 1000, 1000, 1000, 1000, 1200, 1000, 1200, 1200, 1000 };
        for (int c = 0; c < 10; ++c)
            QVERIFY(table->columnWidth(c) >= twips[c] * table->logicalDpiX() / 1440);
        const QFontMetrics metrics(table->font());
        QVERIFY(metrics.horizontalAdvance(QStringLiteral("446.00625")) < table->columnWidth(1));
        QVERIFY(metrics.horizontalAdvance(ChannelListTexts(ChannelFieldId::Spacing).at(0)) < table->columnWidth(7));
        QVERIFY(State().ChannelPageOpen);
        // The lists of the in-place editors speak the interface language.
        PutChannel(1, "446", "446");
        clickCell(1, 8);
        QCOMPARE(comboEditor()->itemText(1), english ? QStringLiteral("Carrier") : QStringLiteral("载波"));
        clickCell(1, 3);
        QCOMPARE(comboEditor()->count(), 283);
    }

    void decodesStoredChannels()
    {
        PutChannel(1, "446.00625", "446.00625", 0x60, false);
        AppDocument().edit([&](RadioImage& m) { WriteCode(m, 1, ChannelField::Decode, { 0x13, 0x20 }); });
        AppDocument().edit([&](RadioImage& m) { WriteCode(m, 1, ChannelField::Encode, { 0x9E, 0x02 }); });
        PutChannel(2, "450", "", 0xF7); // receive-only, power 11, busy 11, narrow
        AppDocument().edit([&](RadioImage& m) { WriteFrequency(m, 3, ChannelField::Receive, { 0x00, 0x00, 0x60, 0x04 }); }); // 46 MHz
        AppDocument().setByte(16 * 3 + 12, 0x12);
        openGrid();
        const QStringList row1 { "446.00625", "446.00625", "D023N", "67.0", "Middle", "Delete", "12.5K(Narrow)", "QT/DQT", "" };
        const QStringList row2 { "450.00000", "", "None", "None", "High", "Add", "12.5K(Narrow)", "None", "" };
        for (int c = 1; c <= 9; ++c) {
            QCOMPARE(grid->cellText(1, c), row1.at(c - 1));
            QCOMPARE(grid->cellText(2, c), row2.at(c - 1));
            QCOMPARE(grid->cellText(3, c), QString());
        }
        // The unreadable row loses its scan bit and nothing else.
        QVERIFY(!ReadScanBit(AppDocument().memory(), 3));
        QCOMPARE(RecordByte(3, 12), 0x12);
        QCOMPARE(RecordByte(2, 12), 0xF7);
        // Passing through its receive cell leaves its bytes alone.
        clickCell(3, 4);
        QVERIFY(textEditor());
        clickCell(1, 9);
        QVERIFY(!textEditor());
        QCOMPARE(RecordByte(3, 12), 0x12);
        QCOMPARE(RecordByte(3, 3), 0x04);
    }

    void typingIntoEmptyRowCreatesChannel()
    {
        openGrid();
        clickCell(4, 6); // any cell of an empty row edits its receive frequency
        QVERIFY(textEditor());
        QCOMPARE(currentColumn(), 1);
        QCOMPARE(CurrentChannel(), 4);
        QCOMPARE(QApplication::focusWidget(), textEditor());
        TypeIntoFocus(QStringLiteral("446.0a0625x"));
        QCOMPARE(textEditor()->text(), QStringLiteral("446.00625"));
        KeyIntoFocus(Qt::Key_Return);
        QVERIFY(!textEditor());
        const QStringList row { "446.00625", "446.00625", "None", "None", "High", "Add", "25K(Wide)", "None" };
        for (int c = 1; c <= 8; ++c)
            QCOMPARE(grid->cellText(4, c), row.at(c - 1));
        QCOMPARE(RecordByte(4, 12), 0x88);
        QVERIFY(ReadScanBit(AppDocument().memory(), 4));
        // Enter moved on to the transmit cell; the next Enter edits it.
        QCOMPARE(currentRow(), 4);
        QCOMPARE(currentColumn(), 2);
        QVERIFY(grid->reopenPending());
        KeyIntoFocus(Qt::Key_Return);
        QVERIFY(textEditor());
        QCOMPARE(textEditor()->text(), QStringLiteral("446.00625"));
        QVERIFY(textEditor()->hasSelectedText());
        TypeIntoFocus(QStringLiteral("460"));
        KeyIntoFocus(Qt::Key_Return);
        QCOMPARE(StoredTx(4), QStringLiteral("460.00000"));
        QCOMPARE(grid->cellText(4, 2), QStringLiteral("460.00000"));
        QCOMPARE(currentColumn(), 3);
        QVERIFY(env->prompts().messages.empty());
    }

    void receiveAboveTransmitLimit()
    {
        openGrid();
        clickCell(1, 1);
        TypeIntoFocus(QStringLiteral("475"));
        clickCell(2, 1); // leaving the cell commits too
        QCOMPARE(StoredRx(1), QStringLiteral("475.00000"));
        QCOMPARE(grid->cellText(1, 2), QStringLiteral("470.00000"));
        QVERIFY(env->prompts().messages.empty());
        QVERIFY(textEditor()); // now on row 2
        QCOMPARE(CurrentChannel(), 2);
    }

    void outOfRangeWarns_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("detail");
        QTest::newRow("above") << "." << "500" << "480.00000" << "500 MHz is above the band (400-480 MHz); stored 480.00000";
        QTest::newRow("below") << "." << "123.4" << "400.00000" << "123.4 MHz is below the band (400-480 MHz); stored 400.00000";
        QTest::newRow("separator alone") << "." << "." << "400.00000"
                                         << ". is not a frequency in the band (400-480 MHz); stored 400.00000";
        QTest::newRow("comma alone") << "," << "," << "400,00000"
                                     << ", is not a frequency in the band (400-480 MHz); stored 400,00000";
    }
    void outOfRangeWarns()
    {
        QFETCH(QString, separator);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, detail);
        State().DecimalSeparator = separator;
        openGrid();
        clickCell(7, 1);
        TypeIntoFocus(typed);
        KeyIntoFocus(Qt::Key_Return);
        QTRY_COMPARE(env->prompts().messages.size(), size_t(1));
        const MessageRecord& m = env->prompts().messages.front();
        QCOMPARE(m.text, QStringLiteral("Frequency is out of range!\n") + detail);
        // The cell says it too, for as long as it shows the stored limit.
        QCOMPARE(grid->MSHFlexGridChannel->model()->index(6, 1).data(Qt::ToolTipRole).toString(), detail);
        QCOMPARE(m.icon, BoxIcon::Warning);
        QCOMPARE(grid->cellText(7, 1), shown);
        QCOMPARE(StoredRx(7), shown);
    }

    void commaLocale()
    {
        State().DecimalSeparator = QStringLiteral(",");
        openGrid();
        clickCell(2, 1);
        TypeIntoFocus(QStringLiteral("446.5")); // the point is refused
        QCOMPARE(textEditor()->text(), QStringLiteral("4465"));
        textEditor()->clear();
        TypeIntoFocus(QStringLiteral("446,5"));
        KeyIntoFocus(Qt::Key_Return);
        QCOMPARE(grid->cellText(2, 1), QStringLiteral("446,50000"));
        QCOMPARE(ReadFrequency(AppDocument().memory(), 2, ChannelField::Receive), (FrequencyBytes { 0x00, 0x00, 0x65, 0x44 }));
        QCOMPARE(grid->cellText(2, 7), QStringLiteral("25K(Wide)"));
        clickCell(2, 7);
        QCOMPARE(comboEditor()->itemText(0), QStringLiteral("12,5K(Narrow)"));
        // Tones are typed with the comma too.
        clickCell(2, 3);
        TypeIntoFocus(QStringLiteral("88,54"));
        KeyIntoFocus(Qt::Key_Return);
        QCOMPARE(grid->cellText(2, 3), QStringLiteral("88,5"));
        QCOMPARE(RecordByte(2, 8), 0x75);
        QCOMPARE(RecordByte(2, 9), 0x03);
    }

    void clearingReceiveDeletes()
    {
        PutChannel(9, "446", "446");
        openGrid();
        clickCell(9, 1);
        KeyIntoFocus(Qt::Key_Backspace);
        QCOMPARE(textEditor()->text(), QString());
        KeyIntoFocus(Qt::Key_Return);
        for (int c = 1; c <= 8; ++c)
            QCOMPARE(grid->cellText(9, c), QString());
        for (int k = 0; k < 16; ++k)
            QCOMPARE(RecordByte(9, k), 0xFF);
        QVERIFY(!ReadScanBit(AppDocument().memory(), 9));
    }

    void clearingTransmitMakesReceiveOnly()
    {
        PutChannel(5, "446", "446");
        AppDocument().edit([&](RadioImage& m) { WriteCode(m, 5, ChannelField::Encode, { 0x13, 0x20 }); });
        openGrid();
        clickCell(5, 2);
        KeyIntoFocus(Qt::Key_Backspace);
        KeyIntoFocus(Qt::Key_Return);
        QCOMPARE(StoredTx(5), QString());
        QCOMPARE(ReadCode(AppDocument().memory(), 5, ChannelField::Encode), NoSignallingCode);
        QCOMPARE(grid->cellText(5, 4), QStringLiteral("None"));
        // The encode cell of a receive-only channel edits its transmit frequency.
        clickCell(5, 4);
        QVERIFY(textEditor());
        QCOMPARE(currentColumn(), 2);
        QVERIFY(!comboEditor());
    }

    void enterNavigation_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("nextRow");
        QTest::addColumn<int>("nextColumn");
        QTest::newRow("decode to encode") << 5 << 3 << 5 << 4;
        QTest::newRow("power to scan add") << 5 << 5 << 5 << 6;
        QTest::newRow("busy lock to next row") << 5 << 8 << 6 << 1;
        QTest::newRow("last row goes to the blank column") << 16 << 8 << 16 << 9;
    }
    void enterNavigation()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, nextRow);
        QFETCH(int, nextColumn);
        PutChannel(row, "446", "446");
        openGrid();
        clickCell(row, column);
        QVERIFY(comboEditor());
        KeyIntoFocus(Qt::Key_Return);
        QVERIFY(!grid->openEditor());
        QCOMPARE(currentRow(), nextRow);
        QCOMPARE(currentColumn(), nextColumn);
        KeyIntoFocus(Qt::Key_Return);
        // The column after the last one has no editor.
        QCOMPARE(grid->openEditor() != nullptr, nextColumn != 9);
    }

    void listEditorsWrite()
    {
        PutChannel(6, "446", "446", 0x88);
        openGrid();
        clickCell(6, 5);
        QComboBox* power = comboEditor();
        QVERIFY(power);
        QCOMPARE(power->currentText(), QStringLiteral("High"));
        power->setCurrentIndex(0);
        KeyIntoFocus(Qt::Key_Return);
        QCOMPARE(RecordByte(6, 12), 0x08);
        KeyIntoFocus(Qt::Key_Return); // scan add
        comboEditor()->setCurrentIndex(1);
        KeyIntoFocus(Qt::Key_Return);
        QVERIFY(!ReadScanBit(AppDocument().memory(), 6));
        KeyIntoFocus(Qt::Key_Return); // spacing
        comboEditor()->setCurrentIndex(0);
        KeyIntoFocus(Qt::Key_Return);
        KeyIntoFocus(Qt::Key_Return); // busy lock
        comboEditor()->setCurrentIndex(1);
        KeyIntoFocus(Qt::Key_Return);
        QCOMPARE(RecordByte(6, 12), 0x10);
        QCOMPARE(grid->cellText(6, 5), QStringLiteral("Low"));
        QCOMPARE(grid->cellText(6, 6), QStringLiteral("Delete"));
        QCOMPARE(grid->cellText(6, 8), QStringLiteral("Carrier"));
        QCOMPARE(currentRow(), 7);
    }

    void codeEditors_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<QString>("note"); // what the cell's tooltip says of the correction
        QTest::newRow("D8") << true << "D8" << "D700N" << 0xC0 << 0x21 << "D8 stored as D700N";
        QTest::newRow("lower case refused") << true << "d023n" << "67.0" << 0x9E << 0x02 << "023 stored as 67.0 Hz; type D023 for DCS 023";
        QTest::newRow("D.23") << true << "D.23" << "D023N" << 0x13 << 0x20 << "D.23 stored as D023N";
        QTest::newRow("D023 completed") << true << "D023" << "D023N" << 0x13 << 0x20 << "";
        QTest::newRow("D23") << true << "D23" << "D230N" << 0x98 << 0x20 << "D23 stored as D230N";
        QTest::newRow("sixth character refused") << true << "D754I7" << "D754I" << 0xEC << 0xA1 << "";
        QTest::newRow("300") << true << "300" << "254.1" << 0xED << 0x09 << "300 stored as 254.1 Hz; type D300 for DCS 300";
        QTest::newRow("71.95") << true << "71.95" << "72.0" << 0xD0 << 0x02
                               << "71.95 stored as 72.0 Hz (not a standard tone)\nNot one of the 50 standard CTCSS tones";
        QTest::newRow("23 in Chinese") << false << "23" << "67.0" << 0x9E << 0x02
                                       << QString::fromUtf8("23 已存为 67.0 Hz；DCS 023 请输入 D023");
        QTest::newRow("None") << true << "" << "None" << 0xFF << 0xFF << "";
        QTest::newRow("wu") << false << "" << QString::fromUtf8("无") << 0xFF << 0xFF << "";
    }
    void codeEditors()
    {
        QFETCH(bool, english);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(QString, note);
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        PutChannel(8, "446", "446");
        AppDocument().edit([&](RadioImage& m) { WriteCode(m, 8, ChannelField::Decode, { 0x13, 0x20 }); });
        openGrid();
        clickCell(8, 3);
        QComboBox* decode = comboEditor();
        QVERIFY(decode);
        QCOMPARE(decode->currentText(), QStringLiteral("D023N"));
        decode->lineEdit()->selectAll();
        if (typed.isEmpty())
            decode->setCurrentIndex(0); // picking the first entry
        else
            TypeIntoFocus(typed);
        KeyIntoFocus(Qt::Key_Return);
        QCOMPARE(grid->cellText(8, 3), shown);
        QCOMPARE(RecordByte(8, 8), low);
        QCOMPARE(RecordByte(8, 9), high);
        QCOMPARE(currentColumn(), 4);
        QCOMPARE(grid->MSHFlexGridChannel->model()->index(7, 3).data(Qt::ToolTipRole).toString(), note);
    }

    void insertAndDelete()
    {
        for (int c = 1; c <= 5; ++c)
            PutChannel(c, QString::number(440 + c), QString::number(440 + c), 0x88, c % 2 == 1);
        openGrid();
        clickCell(1, 3);
        KeyIntoFocus(Qt::Key_I, Qt::ControlModifier);
        QVERIFY(!grid->openEditor()); // the open editor was committed first
        QCOMPARE(grid->cellText(1, 1), QString());
        for (int c = 2; c <= 6; ++c)
            QCOMPARE(grid->cellText(c, 1), QStringLiteral("%1.00000").arg(440 + c - 1));
        QCOMPARE(int(AppDocument().byte(MemoryMap::ScanAddBitmap)), 0x2A);

        clickCell(3, 1);
        KeyIntoFocus(Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(grid->cellText(3, 1), QStringLiteral("443.00000"));
        QCOMPARE(grid->cellText(2, 1), QStringLiteral("441.00000"));
        QCOMPARE(grid->cellText(5, 1), QStringLiteral("445.00000"));
        QCOMPARE(grid->cellText(6, 1), QString());
        QCOMPARE(int(AppDocument().byte(MemoryMap::ScanAddBitmap)), 0x16);

        // A full table refuses an insert.
        for (int c = 1; c <= 16; ++c)
            PutChannel(c, QString::number(440 + c), QString());
        grid->AnalyseChannelInformation();
        const RadioImage before = AppDocument().memory();
        clickCell(4, 2);
        KeyIntoFocus(Qt::Key_F9, Qt::ShiftModifier);
        QVERIFY(AppDocument().memory() == before);

        // Deleting the last channel empties it.
        clickCell(16, 1);
        KeyIntoFocus(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(grid->cellText(16, 1), QString());
        QCOMPARE(grid->cellText(15, 1), QStringLiteral("455.00000"));
    }

    // Several channels move, sort and change together from the grid's
    // commands, each command one undo step; Insert says why it cannot.
    void planCommands()
    {
        PutChannel(1, "446", "446", 0x88, true);
        PutChannel(2, "440", "440", 0x88, false);
        PutChannel(3, "450", "");
        openGrid();
        QStringList steps;
        QObject listening;
        connect(&AppDocument(), &RadioDocument::stepRecorded, &listening,
                [&steps](const StepName& name) { steps << name.text(); });
        const auto column = [this](int c) {
            QStringList texts;
            for (int row = 1; row <= 4; ++row)
                texts << grid->cellText(row, c);
            return texts;
        };
        clickCell(1, 9);
        clickCell(2, 9, Qt::ShiftModifier);
        grid->ActionMoveDown->trigger();
        QCOMPARE(column(1), QStringList({ "450.00000", "446.00000", "440.00000", "" }));
        QCOMPARE(ChannelTableModel::of(AppDocument()).selectedChannels(), QList<int>({ 2, 3 })); // the selection moved along
        QVERIFY(!ReadScanBit(AppDocument().memory(), 3));

        emit grid->MenuSetSelected->aboutToShow();
        QMenu* power = grid->MenuSetSelected->actions().at(0)->menu();
        QCOMPARE(power->title(), QStringLiteral("Tx Power"));
        power->actions().at(0)->trigger(); // Low
        QCOMPARE(column(5), QStringList({ "High", "Low", "Low", "" }));

        grid->ActionSortChannels->trigger();
        QCOMPARE(column(1), QStringList({ "440.00000", "446.00000", "450.00000", "" }));
        QCOMPARE(column(6), QStringList({ "Delete", "Add", "Add", "" }));

        // Channel 3, taken by its number, dropped on the upper half of channel 1.
        // (The offscreen desktop runs no drag: the drop is given to the view.)
        clickCell(3, 0);
        QVERIFY(grid->MSHFlexGridChannel->dropSelectedChannels(cellCentre(1, 0) - QPoint(0, 3)));
        QCOMPARE(column(1), QStringList({ "450.00000", "440.00000", "446.00000", "" }));
        QCOMPARE(column(5), QStringList({ "High", "Low", "Low", "" }));
        QCOMPARE(column(6), QStringList({ "Add", "Delete", "Add", "" }));
        QCOMPARE(ChannelTableModel::of(AppDocument()).selectedChannels(), QList<int>({ 1 }));

        clickCell(2, 9);
        clickCell(3, 9, Qt::ShiftModifier);
        KeyIntoFocus(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(column(1), QStringList({ "450.00000", "", "", "" }));
        QCoreApplication::processEvents();
        AppDocument().closeOpenStep();
        QCOMPARE(steps, QStringList({ "Move channels", "Change channels", "Sort channels", "Move channels", "Delete channel" }));

        QVERIFY(grid->ActionInsertChannel->isEnabled());
        PutChannel(16, "460", "460");
        QVERIFY(!grid->ActionInsertChannel->isEnabled());
        QCOMPARE(grid->ActionInsertChannel->statusTip(), QStringLiteral("Channel 16 is in use: delete or move it to make room"));
    }

    void shortcutsOpenCopyTools_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("dialog");
        const int shift = Qt::ShiftModifier;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Shift+F3") << int(Qt::Key_F3) << shift << 2 << "t40::FormChannelCopy";
        QTest::newRow("Ctrl+E") << int(Qt::Key_E) << ctrl << 2 << "t40::FormChannelCopy";
        QTest::newRow("Ctrl+E on an empty row") << int(Qt::Key_E) << ctrl << 4 << "";
        QTest::newRow("Shift+F4") << int(Qt::Key_F4) << shift << 2 << "t40::FormFrequencyCopy";
        QTest::newRow("Ctrl+F") << int(Qt::Key_F) << ctrl << 3 << "t40::FormFrequencyCopy";
        QTest::newRow("Shift+F5") << int(Qt::Key_F5) << shift << 2 << "t40::FormQtDqtCopy";
        QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << ctrl << 2 << "t40::FormQtDqtCopy";
        QTest::newRow("Ctrl+Q on a receive-only channel") << int(Qt::Key_Q) << ctrl << 3 << "";
        QTest::newRow("F3 without Shift") << int(Qt::Key_F3) << 0 << 2 << "";
    }
    void shortcutsOpenCopyTools()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, channel);
        QFETCH(QString, dialog);
        PutChannel(2, "446", "446");
        PutChannel(3, "447", "");
        openGrid();
        clickCell(channel, 9);
        QString opened;
        OnNextDialog(&opened, [](QDialog*) { });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QApplication::processEvents();
        QCOMPARE(opened, dialog);
    }

    void frequencyCopyFromGridShowsAtOnce()
    {
        PutChannel(2, "446", "446");
        openGrid();
        clickCell(2, 1);
        QString opened;
        OnNextDialog(&opened, [](QDialog* d) {
            auto* copy = static_cast<FormFrequencyCopy*>(d);
            QCOMPARE(copy->TextRxFreq->text(), QStringLiteral("446.00000"));
            copy->TextTxFreq->setText(QStringLiteral("455.5"));
            copy->CommandOK_Click();
        });
        KeyIntoFocus(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(opened, QStringLiteral("t40::FormFrequencyCopy"));
        QCOMPARE(grid->cellText(2, 2), QStringLiteral("455.50000"));
    }

    // A typed key edits the selected cell with that key, never searches for
    // another channel; F2 edits; Escape drops the edit;
    // Shift and Ctrl clicks select several channels without editing.
    void typingEditsTheSelectedCell_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("English") << true;
        QTest::newRow("Chinese") << false;
    }
    void typingEditsTheSelectedCell()
    {
        QFETCH(bool, english);
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        PutChannel(3, "468.3", "468.3");
        PutChannel(6, "463.3", "463.3");
        openGrid();
        clickCell(6, 1);
        TypeIntoFocus(QStringLiteral("463.3"));
        KeyIntoFocus(Qt::Key_Return);
        QVERIFY(!grid->openEditor());
        TypeIntoFocus(QStringLiteral("468.3")); // no Enter first: the keys go into the cell
        QCOMPARE(textEditor()->text(), QStringLiteral("468.3"));
        KeyIntoFocus(Qt::Key_Return);
        QCOMPARE(StoredTx(6), QStringLiteral("468.30000"));
        QCOMPARE(StoredRx(3), QStringLiteral("468.30000"));
        QCOMPARE(StoredTx(3), QStringLiteral("468.30000"));
        QCOMPARE(currentRow(), 6);
        QCOMPARE(currentColumn(), 3);

        KeyIntoFocus(Qt::Key_F2);
        QVERIFY(comboEditor());
        TypeIntoFocus(QStringLiteral("D23"));
        KeyIntoFocus(Qt::Key_Escape);
        QVERIFY(!grid->openEditor());
        QCOMPARE(RecordByte(6, 8), 0xFF);
        QCOMPARE(grid->cellText(6, 3), NoCodeText());

        clickCell(2, 1);
        KeyIntoFocus(Qt::Key_Escape);
        clickCell(4, 2, Qt::ShiftModifier);
        clickCell(9, 6, Qt::ControlModifier);
        QVERIFY(!grid->openEditor());
        QCOMPARE(ChannelTableModel::of(AppDocument()).selectedChannels(), QList<int>({ 2, 3, 4, 9 }));
        QVERIFY(env->prompts().messages.empty());
    }

    void freshDataCommitsOpenEditor()
    {
        openGrid();
        clickCell(3, 1);
        TypeIntoFocus(QStringLiteral("445"));
        grid->FreshData();
        QVERIFY(!textEditor());
        QCOMPARE(StoredRx(3), QStringLiteral("445.00000"));
        // After a read the grid decodes the new image.
        PutChannel(3, "446", "");
        grid->RefreshAfterRead();
        QCOMPARE(grid->cellText(3, 1), QStringLiteral("446.00000"));
    }

    void f11OpensEditorOnCurrentChannel()
    {
        PutChannel(6, "446", "446");
        openGrid();
        clickCell(6, 9);
        KeyIntoFocus(Qt::Key_F11);
        FormChannelEdit* editor = FormChannelEdit::Instance();
        QVERIFY(editor);
        QVERIFY(State().ChannelEditorOpen);
        QCOMPARE(editor->shownChannel(), 6);
        QCOMPARE(editor->TextRxFreq->text(), QStringLiteral("446.00000"));
    }

    void closingCommitsOpenEdit()
    {
        openGrid();
        clickCell(5, 1);
        TypeIntoFocus(QStringLiteral("441.5"));
        grid->close();
        QCOMPARE(StoredRx(5), QStringLiteral("441.50000"));
        QVERIFY(!State().ChannelPageOpen);
        // Going away with an editor open and focused is safe too.
        openGrid();
        clickCell(6, 1);
        TypeIntoFocus(QStringLiteral("442"));
        grid.reset();
        QVERIFY(!State().ChannelPageOpen);
    }

    void closeButtonClosesPage()
    {
        openGrid();
        QVERIFY(State().ChannelPageOpen);
        grid->CommandClose->click();
        QVERIFY(!State().ChannelPageOpen);
        QVERIFY(!grid->isVisible());
    }
};

QTEST_MAIN(TestChannelGrid)
#include "test_channel_grid.moc"
