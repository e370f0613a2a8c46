#include "channel_table_model.h"
#include "interface_language.h"
#include "channel_codec.h"
#include "data_file.h"
#include "document_history.h"
#include "form_batch_channel_edit.h"
#include "form_channel_copy.h"
#include "form_channel_information.h"
#include "form_frequency_copy.h"
#include "form_model_information.h"
#include "form_channel_edit.h"
#include "form_process.h"
#include "form_option.h"
#include "form_qt_dqt_copy.h"
#include "file_commands.h"
#include "radio_commands.h"
#include "mdi_form_main.h"
#include "memory_map.h"
#include "pty_radio_server.h"
#include "radio_on_com.h"
#include "shared_state.h"
#include "on_modal.h"
#include "test_support.h"
#include "window_menu.h"

#include <QTableView>
#include <QAction>
#include <QFile>
#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

using namespace t40;
using namespace t40::test;

namespace {
constexpr int ComNumber = 6;

// The main window as a user finds it, with three channels in the grid and a
// radio on a pseudo-terminal that holds other data.
struct Bench {
    TestEnvironment env;
    VirtualRadio radio;
    PtyRadioServer server { radio };
    MDIFormMain main;

    explicit Bench(bool english = true)
    {
        QApplication::setQuitOnLastWindowClosed(false);
        main.MDIForm_Load();
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        main.LanguageRefresh();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        RadioImage memory = AppDocument().memory();
        for (int c = 1; c <= 3; ++c) {
            WriteFrequency(memory, c, ChannelField::Receive, EncodeFrequency(QString::number(440 + c), "."));
            WriteFrequency(memory, c, ChannelField::Transmit, EncodeFrequency(QString::number(440 + c), "."));
            WriteScanBit(memory, c, true);
        }
        {
            const RadioDocument::Unrecorded shown(AppDocument());
            AppDocument().replaceImage(memory, false);
            grid()->RefreshAfterRead();
        }
        radio.memory() = AppDocument().memory();
        WriteFrequency(radio.memory(), 9, ChannelField::Receive, EncodeFrequency(QStringLiteral("455"), "."));
        radio.setBandFlag(AppDocument().byte(MemoryMap::ModelBandCode));
        QString reason;
        QVERIFY2(ServeRadioOnCom(server, ComNumber, &reason), qPrintable(reason));
    }
    ~Bench()
    {
        delete FormChannelEdit::Instance();
        server.stop();
    }

    FormChannelInformation* grid() const { return qobject_cast<FormChannelInformation*>(main.page(ChannelPageId)); }
    QStringList gridTexts() const
    {
        QStringList texts;
        for (int row = 1; row <= ChannelsPerGroup; ++row)
            for (int column = 1; column <= 8; ++column)
                texts << grid()->cellText(row, column);
        return texts;
    }

    // One edit of a grid cell, committed as a user does.
    void editCell()
    {
        grid()->MSHFlexGridChannel_Click(1, 1);
        auto* box = qobject_cast<QLineEdit*>(grid()->openEditor());
        box->setText(QStringLiteral("446.00625"));
        QTest::keyClick(box, Qt::Key_Return);
    }

    void readFromRadio()
    {
        ReadOnceShown<FormProcess>();
        main.radio().MenuRead_Click();
    }

    void changeModel()
    {
        OnModal<FormModelInformation>([](FormModelInformation* w) {
            w->ComboArea->setCurrentIndex(w->ComboArea->currentIndex() == 0 ? 1 : 0);
            w->CommandOK_Click();
        });
        main.files().MenuModelInformation_Click();
    }
};

bool Same(const DocumentState& a, const DocumentState& b)
{
    return a.memory == b.memory && a.band.name == b.band.name && a.band.lowMHz == b.band.lowMHz
        && a.band.highMHz == b.band.highMHz && a.band.effectiveHighMHz == b.band.effectiveHighMHz;
}
} // namespace

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    // Every kind of change is one step, named in both languages, that undo
    // takes back to the exact bytes and band (the pages showing them again)
    // and redo puts back; the modified mark follows the history to the
    // state last saved.
    void undoRedoEachKindOfChange_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("grid cell") << "grid cell" << "Edit channel 1" << "编辑信道1";
        QTest::newRow("channel editor") << "channel editor" << "Edit channel 2" << "编辑信道2";
        QTest::newRow("insert channel") << "insert channel" << "Insert channel" << "插入信道";
        QTest::newRow("delete channel") << "delete channel" << "Delete channel" << "删除信道";
        QTest::newRow("channel copy") << "channel copy" << "Copy channel" << "信道复制";
        QTest::newRow("frequency copy") << "frequency copy" << "Frequency copy" << "频率复制";
        QTest::newRow("QT/DQT copy") << "QT/DQT copy" << "QT/DQT copy" << "亚音复制";
        QTest::newRow("batch edit") << "batch edit" << "Batch edit" << "批信道编辑";
        QTest::newRow("read") << "read" << "Read from radio" << "从对讲机读出数据";
        QTest::newRow("model change") << "model change" << "Change model" << "更改机型";
        QTest::newRow("function page") << "function page" << "Change Squelch level" << "修改静噪等级";
        QTest::newRow("import channels") << "import channels" << "Import channels" << "导入信道";
    }
    void undoRedoEachKindOfChange()
    {
        QFETCH(QString, change);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        Bench b;
        DocumentHistory& history = b.main.history();
        QAction* undo = b.main.MenuUndo;
        QAction* redo = b.main.MenuRedo;
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));
        QVERIFY(!b.main.isWindowModified());
        const DocumentState before = AppDocument().state();
        const QStringList shown = b.gridTexts();
        ChannelTableModel::of(AppDocument()).setCurrentChannel(2);

        if (change == QLatin1String("grid cell")) {
            b.editCell();
        } else if (change == QLatin1String("channel editor")) {
            FormChannelEdit* editor = FormChannelEdit::ShowEditor(AppDocument(), b.grid());
            editor->ComboTxPower->setCurrentIndex(1);
            emit editor->ComboTxPower->activated(1);
        } else if (change == QLatin1String("insert channel")) {
            b.grid()->ActionInsertChannel->trigger();
        } else if (change == QLatin1String("delete channel")) {
            b.grid()->ActionDeleteChannel->trigger();
        } else if (change == QLatin1String("channel copy")) {
            OnModal<FormChannelCopy>([](FormChannelCopy* w) {
                w->ComboChannelTo->setCurrentIndex(7);
                w->ComboChannelTo_Click(7);
                w->CommandCopy_Click();
                w->reject();
            });
            b.grid()->ActionChannelCopy->trigger();
        } else if (change == QLatin1String("frequency copy")) {
            OnModal<FormFrequencyCopy>([](FormFrequencyCopy* w) {
                w->TextTxFreq->setText(QStringLiteral("455.5"));
                w->CommandOK_Click();
            });
            b.grid()->ActionFrequencyCopy->trigger();
        } else if (change == QLatin1String("QT/DQT copy")) {
            OnModal<FormQtDqtCopy>([](FormQtDqtCopy* w) {
                w->ComboEncode->setCurrentIndex(5);
                w->CommandOK_Click();
            });
            b.grid()->ActionQtDqtCopy->trigger();
        } else if (change == QLatin1String("batch edit")) {
            OnModal<FormBatchChannelEdit>([](FormBatchChannelEdit* w) {
                w->CheckSetRxFreq->setChecked(true);
                w->TextRxStep->setText(QStringLiteral("25"));
                w->CommandApply->click();
                w->CommandClose->click();
            });
            b.main.MenuBank_Click();
        } else if (change == QLatin1String("read")) {
            b.readFromRadio();
        } else if (change == QLatin1String("function page")) {
            b.main.MenuOption_Click();
            auto* page = qobject_cast<FormOption*>(b.main.page(OptionPageId));
            QVERIFY(page);
            page->ComboSQ->setCurrentIndex(page->ComboSQ->currentIndex() == 5 ? 6 : 5);
            emit page->ComboSQ->activated(page->ComboSQ->currentIndex());
        } else if (change == QLatin1String("import channels")) {
            const QString path = b.env.tempPath(QStringLiteral("plan.csv"));
            QFile csv(path);
            QVERIFY(csv.open(QIODevice::WriteOnly));
            csv.write("Location,Frequency,Duplex,Offset,Tone,rToneFreq\n3,446.100000,,0,Tone,100.0\n4,446.200000,off,0,,\n");
            csv.close();
            b.env.prompts().paths.push_back(path);
            b.main.MenuImportChannels->trigger();
        } else {
            b.changeModel();
        }
        QTest::qWait(20);
        const DocumentState after = AppDocument().state();
        QVERIFY(!Same(before, after));
        QCOMPARE(history.count(), 1);
        QVERIFY(undo->isEnabled() && !redo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("&Undo ") + english);
        SetInterfaceLanguage(QLocale::Chinese);
        history.retranslate();
        QCOMPARE(undo->text(), QStringLiteral("撤销 ") + chinese + QStringLiteral("(&U)"));
        SetInterfaceLanguage(QLocale::English);
        history.retranslate();
        QVERIFY(b.main.isWindowModified());

        undo->trigger();
        QVERIFY(Same(AppDocument().state(), before));
        QCOMPARE(b.gridTexts(), shown);
        QVERIFY(!b.main.isWindowModified());
        QVERIFY(!undo->isEnabled() && redo->isEnabled());
        QCOMPARE(redo->text(), QStringLiteral("&Redo ") + english);
        redo->trigger();
        QVERIFY(Same(AppDocument().state(), after));
        QVERIFY(b.main.isWindowModified());

        // Saved here: undo leaves the saved state, redo comes back to it.
        b.env.prompts().paths.push_back(b.env.tempPath(QStringLiteral("saved.rdat")));
        b.main.files().MenuSaveAs_Click();
        QVERIFY(!b.main.isWindowModified());
        undo->trigger();
        QVERIFY(b.main.isWindowModified());
        redo->trigger();
        QVERIFY(!b.main.isWindowModified());
        QVERIFY(b.env.prompts().messages.size() <= 1); // at most the model change's own question
    }

    // A command that would replace unsaved changes asks first; Cancel, or a
    // Save that does not happen, stops it; an unchanged document is not asked about.
    void unsavedChangesAreAskedAbout_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("english");
        const char* commands[] = { "new", "open", "exit", "model", "read" };
        const char* answers[] = { "unchanged", "save", "save fails", "discard", "cancel" };
        for (const char* c : commands)
            for (const char* a : answers)
                QTest::addRow("%s, %s", c, a) << QString::fromLatin1(c) << QString::fromLatin1(a) << true;
        QTest::newRow("new, cancel, Chinese") << "new" << "cancel" << false;
    }
    void unsavedChangesAreAskedAbout()
    {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(bool, english);
        Bench b(english);
        PromptScript& prompts = b.env.prompts();
        const QString savePath = b.env.tempPath(QStringLiteral("mine.rdat"));
        const QString openPath = b.env.tempPath(QStringLiteral("other.rdat"));
        RadioImage other = AppDocument().memory();
        WriteFrequency(other, 12, ChannelField::Receive, EncodeFrequency(QStringLiteral("450"), "."));
        QCOMPARE(SaveDataFile(openPath, other), DataFileStatus::Ok);
        const bool edited = answer != QLatin1String("unchanged");
        if (edited)
            b.editCell();
        const RadioImage mine = AppDocument().memory();

        if (command == QLatin1String("model"))
            prompts.answers.push_back(BoxAnswer::Ok); // the model dialog's own question comes first
        if (answer == QLatin1String("save")) {
            prompts.answers.push_back(BoxAnswer::Save);
            prompts.paths.push_back(savePath);
        } else if (answer == QLatin1String("save fails")) {
            prompts.answers.push_back(BoxAnswer::Save);
            prompts.paths.push_back(b.env.tempPath(QStringLiteral("no/such/folder/mine.rdat")));
        } else if (answer == QLatin1String("discard")) {
            prompts.answers.push_back(BoxAnswer::Discard);
        } else if (answer == QLatin1String("cancel")) {
            prompts.answers.push_back(BoxAnswer::Cancel);
        }
        if (command == QLatin1String("open"))
            prompts.paths.push_back(openPath);

        bool closed = false;
        if (command == QLatin1String("new"))
            b.main.files().MenuNew_Click();
        else if (command == QLatin1String("open"))
            b.main.files().MenuOpen_Click();
        else if (command == QLatin1String("exit"))
            closed = b.main.close();
        else if (command == QLatin1String("model"))
            b.changeModel();
        else
            b.readFromRadio();

        std::vector<QString> asked;
        for (const MessageRecord& m : prompts.messages)
            if (m.buttons == BoxButtons::SaveDiscardCancel) {
                asked.push_back(m.text);
                QCOMPARE(m.icon, BoxIcon::Warning);
            }
        QCOMPARE(asked.size(), size_t(edited ? 1 : 0));
        if (edited)
            QCOMPARE(asked.front(), english ? QStringLiteral("Save changes to new.rdat?")
                                            : QStringLiteral("是否保存对 new.rdat 的更改？"));
        if (answer == QLatin1String("save")) {
            RadioImage saved;
            QCOMPARE(LoadDataFile(savePath, saved), DataFileStatus::Ok);
            QVERIFY(std::equal(saved.image().begin(), saved.image().end(), mine.image().begin()));
        }

        const bool goesOn = answer != QLatin1String("save fails") && answer != QLatin1String("cancel");
        if (command == QLatin1String("exit")) {
            QCOMPARE(closed, goesOn);
        } else {
            const bool replaced = !(AppDocument().memory() == mine);
            QCOMPARE(replaced, goesOn);
        }
        if (!goesOn)
            QVERIFY(b.main.isWindowModified()); // a failed or cancelled save keeps the mark
        if (goesOn && (command == QLatin1String("new") || command == QLatin1String("open"))) {
            QVERIFY(!b.main.isWindowModified()); // and a fresh history
            QVERIFY(!b.main.MenuUndo->isEnabled());
        }
    }
};

QTEST_MAIN(TestUndo)
#include "test_undo.moc"
