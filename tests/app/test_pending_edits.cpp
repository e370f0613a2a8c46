// Text typed into an editor and not yet committed belongs to the data it was
// typed for: the commands that read the data take it along, the commands that
// put other data in its place never let it in.
#include "channel_table_model.h"
#include "interface_language.h"
#include "data_file.h"
#include "form_channel_edit.h"
#include "form_channel_information.h"
#include "form_embed_message.h"
#include "form_model_information.h"
#include "form_print.h"
#include "form_process.h"
#include "form_tune.h"
#include "file_commands.h"
#include "radio_commands.h"
#include "view_commands.h"
#include "mdi_form_main.h"
#include "page_window.h"
#include "pty_radio_server.h"
#include "radio_on_com.h"
#include "shared_state.h"
#include "on_modal.h"
#include "test_support.h"
#include "window_menu.h"

#include <QTableView>
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
constexpr int ComNumber = 8;

struct Typed {
    int address;
    std::uint8_t committed; // the byte once the text is committed
};

// Leaves text typed, uncommitted, in one editor of the main window's pages.
Typed TypeInto(MDIFormMain& main, const QString& editor)
{
    if (editor == QLatin1String("grid cell")) {
        auto* grid = qobject_cast<FormChannelInformation*>(main.page(ChannelPageId));
        grid->MSHFlexGridChannel_Click(1, 1);
        qobject_cast<QLineEdit*>(grid->openEditor())->setText(QStringLiteral("446.00625"));
        return { 16, 0x25 };
    }
    if (editor == QLatin1String("channel editor")) {
        ChannelTableModel::of(AppDocument()).setCurrentChannel(5);
        FormChannelEdit* edit = FormChannelEdit::ShowEditor(AppDocument(), main.page(ChannelPageId));
        edit->TextRxFreq->setFocus();
        edit->TextRxFreq->setText(QStringLiteral("455"));
        return { 16 * 5 + 3, 0x45 };
    }
    if (editor == QLatin1String("message line")) {
        main.OpenPage(MessagePageId);
        auto* page = qobject_cast<FormEmbedMessage*>(main.page(MessagePageId));
        page->TextEmbedMessage[0]->setFocus();
        page->TextEmbedMessage[0]->selectAll();
        QTest::keyClicks(page->TextEmbedMessage[0], QStringLiteral("Q"));
        return { 0x300, 'Q' };
    }
    main.TreeView1_NodeClick(QStringLiteral("TreeTuneData"));
    auto* tune = qobject_cast<FormTune*>(main.page(TunePageId));
    if (editor == QLatin1String("tune cell")) {
        tune->MSHFlexGridTuneData_Click(2, 1);
        tune->Text1->setText(QStringLiteral("201"));
        return { 0x310 + 48, 201 };
    }
    tune->TextPkValue->setFocus();
    tune->TextPkValue->setText(QStringLiteral("42"));
    return { 0x3C0, 42 };
}

} // namespace

class TestPendingEdits : public QObject {
    Q_OBJECT
private slots:
    void typedTextStaysWithItsData_data()
    {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("command");
        const char* editors[] = { "grid cell", "channel editor", "message line", "tune cell", "tune deviation" };
        const char* commands[] = { "save", "save as", "write", "print", "new", "open", "read", "model", "language" };
        for (const char* e : editors)
            for (const char* c : commands)
                QTest::addRow("%s, %s", e, c) << QString::fromLatin1(e) << QString::fromLatin1(c);
    }
    void typedTextStaysWithItsData()
    {
        QFETCH(QString, editor);
        QFETCH(QString, command);
        TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        SetInterfaceLanguage(QLocale::English);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const RadioImage before = AppDocument().memory();
        const QString file = env.tempPath(QStringLiteral("data.rdat"));
        QCOMPARE(SaveDataFile(file, before), DataFileStatus::Ok);

        VirtualRadio radio;
        PtyRadioServer server(radio);
        if (command == QLatin1String("read")) {
            radio.memory() = before;
            QString reason;
            QVERIFY2(ServeRadioOnCom(server, ComNumber, &reason), qPrintable(reason));
        }

        const Typed typed = TypeInto(main, editor);
        QVERIFY(before.byte(typed.address) != typed.committed);
        // What a command that reads the data found in it when its window came up.
        int seen = -1;
        if (command == QLatin1String("save")) {
            env.prompts().paths.push_back(file);
            main.files().MenuSave_Click();
        } else if (command == QLatin1String("save as")) {
            env.prompts().paths.push_back(file);
            main.files().MenuSaveAs_Click();
        } else if (command == QLatin1String("write")) {
            OnModal<FormProcess>([&](FormProcess* w) { seen = AppDocument().memory().byte(typed.address); w->reject(); });
            // A channel typed in the grid is PMR446 channel 1 at High power: the write asks first.
            env.prompts().answers.push_back(BoxAnswer::Ok);
            main.radio().MenuWrite_Click();
        } else if (command == QLatin1String("print")) {
            OnModal<FormPrint>([&](FormPrint* w) { seen = AppDocument().memory().byte(typed.address); w->reject(); });
            main.files().MenuPrint_Click();
        } else if (command == QLatin1String("new")) {
            main.files().MenuNew_Click();
        } else if (command == QLatin1String("open")) {
            // Unanswered, the question about unsaved changes discards them
            // and the overwrite question goes on.
            env.prompts().paths.push_back(file);
            main.files().MenuOpen_Click();
        } else if (command == QLatin1String("read")) {
            ReadOnceShown<FormProcess>();
            main.radio().MenuRead_Click();
            server.stop();
        } else if (command == QLatin1String("model")) {
            OnModal<FormModelInformation>([](FormModelInformation* w) {
                w->ComboArea->setCurrentIndex(w->ComboArea->currentIndex() == 0 ? 1 : 0);
                w->CommandOK_Click();
            });
            env.prompts().answers.push_back(BoxAnswer::Ok);
            main.files().MenuModelInformation_Click();
        } else if (command == QLatin1String("language")) {
            // As the language dialog leaves it.
            State().IsEnglish = false;
            State().LanguageChanged = true;
            main.view().ApplyLanguageChange();
        }
        // Whatever the closing pages and the moving focus still do.
        QTest::qWait(50);
        main.CloseAllPages();
        QTest::qWait(50);

        if (command == QLatin1String("save") || command == QLatin1String("save as")) {
            RadioImage saved;
            QCOMPARE(LoadDataFile(file, saved), DataFileStatus::Ok);
            QCOMPARE(int(saved.byte(typed.address)), int(typed.committed));
        } else if (command == QLatin1String("write") || command == QLatin1String("print")) {
            QCOMPARE(seen, int(typed.committed));
        } else if (command == QLatin1String("language")) {
            // The same data: the text it was typed for keeps it.
            QCOMPARE(int(AppDocument().memory().byte(typed.address)), int(typed.committed));
        } else {
            QCOMPARE(int(AppDocument().memory().byte(typed.address)), int(before.byte(typed.address)));
        }
    }
};

QTEST_MAIN(TestPendingEdits)
#include "test_pending_edits.moc"
