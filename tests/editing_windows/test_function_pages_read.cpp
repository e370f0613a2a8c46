#include "interface_language.h"
#include "data_file.h"
#include "form_embed_message.h"
#include "form_key_setting.h"
#include "form_option.h"
#include "form_process.h"
#include "form_scan_information.h"
#include "file_commands.h"
#include "radio_commands.h"
#include "mdi_form_main.h"
#include "memory_map.h"
#include "pty_radio_server.h"
#include "radio_on_com.h"
#include "shared_state.h"
#include "test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QTest>
#include <QTimer>

using namespace t40;
using namespace t40::test;
using namespace t40::MemoryMap;

namespace {
constexpr int ComNumber = 9;
}

// A read from the virtual radio with the four function pages open.
class TestFunctionPagesRead : public QObject {
    Q_OBJECT
private slots:
    void readRefreshesOpenPages()
    {
        TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        SetInterfaceLanguage(QLocale::English); // for the pages opened from here on
        main.show();
        main.MenuOption_Click();
        main.MenuKey_Click();
        main.MenuScan_Click();
        main.TreeView1_NodeClick(QStringLiteral("TreeMessage"));
        QPointer<FormOption> option = main.findChild<FormOption*>();
        QPointer<FormKeySetting> keys = main.findChild<FormKeySetting*>();
        QPointer<FormScanInformation> scan = main.findChild<FormScanInformation*>();
        QPointer<FormEmbedMessage> message = main.findChild<FormEmbedMessage*>();
        QVERIFY(option && keys && scan && message);
        QCOMPARE(option->ComboTOT->currentText(), QStringLiteral("180"));

        // The radio holds other settings than the factory image.
        VirtualRadio radio;
        radio.memory().replaceImage(AppDocument().memory().image());
        RadioImage& m = radio.memory();
        m.setByte(TimeOutTimer, 40);
        m.setByte(VoxSwitch, 1);
        m.setByte(KeyAssignment, 0x53);
        m.setByte(PriorityScanType, 1);
        m.setByte(LookBackTimeA, 25);
        const std::uint8_t rx[] = { 0x25, 0x06, 0x60, 0x44 };
        for (int i = 0; i < 4; ++i)
            m.setByte(ChannelTable + 16 + i, rx[i]); // channel 2
        m.setByte(PriorityChannels, 2);
        for (int k = 3; k < 8; ++k)
            m.setByte(PriorityChannels + k, 2);
        const QByteArray text("From the radio");
        for (int i = 0; i < text.size(); ++i)
            m.setByte(EmbeddedMessage + i, std::uint8_t(text[i]));
        PtyRadioServer server(radio);
        QString reason;
        QVERIFY2(ServeRadioOnCom(server, ComNumber, &reason), qPrintable(reason));

        // Presses Read in the session window and closes it when the run is over.
        bool started = false;
        bool succeeded = false;
        QTimer driver;
        connect(&driver, &QTimer::timeout, this, [&] {
            auto* session = qobject_cast<FormProcess*>(QApplication::activeModalWidget());
            if (!session)
                return;
            if (!started) {
                started = true;
                session->CommandRead_Click();
            } else if (session->TextShow->isVisible() && session->CommandRead->isEnabled()) {
                succeeded = session->SessionSucceeded();
                session->close();
            }
        });
        driver.start(20);
        QTimer::singleShot(20000, &main, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        main.radio().MenuRead_Click();
        driver.stop();
        server.stop();

        QVERIFY(succeeded);
        QVERIFY(option && keys && scan && message); // the same pages, not reopened
        QCOMPARE(option->ComboTOT->currentText(), QStringLiteral("600"));
        QVERIFY(option->CheckVox->isChecked());
        QVERIFY(option->ComboVoxLevel->isEnabled());
        QCOMPARE(keys->ComboKeySet[0]->currentText(), QStringLiteral("Monitor"));
        QCOMPARE(keys->ComboKeySet[2]->currentText(), QStringLiteral("1750"));
        QCOMPARE(scan->ComboPriority->currentText(), QStringLiteral("Fixd"));
        QCOMPARE(scan->ComboScanBackTime[0]->currentText(), QStringLiteral("2.5"));
        QCOMPARE(scan->ComboPriorityChannel[0]->currentText(), QStringLiteral("2"));
        QCOMPARE(message->TextEmbedMessage[0]->text(), QString::fromLatin1(text));
        // Refreshing wrote nothing: the image is what the radio sent.
        for (int a = 0; a < RadioImage::ImageSize; ++a)
            QCOMPARE(AppDocument().byte(a), radio.memory().byte(a));
    }

    void typedMessageLineIsSaved()
    {
        TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        main.show();
        main.MenuMessage_Click();
        auto* message = main.findChild<FormEmbedMessage*>();
        QVERIFY(message);
        message->TextEmbedMessage[0]->setFocus();
        QTest::keyClicks(message->TextEmbedMessage[0], "Unsaved line");
        // Saving from the menu leaves the focus in the line.
        const QString path = env.tempPath(QStringLiteral("message.rdat"));
        env.prompts().paths.push_back(path);
        main.files().MenuSave_Click();
        RadioImage saved;
        QCOMPARE(LoadDataFile(path, saved), DataFileStatus::Ok);
        QCOMPARE(int(saved.byte(EmbeddedMessage)), int('U'));
        QCOMPARE(int(saved.byte(EmbeddedMessage + 11)), int('e'));
        QCOMPARE(int(saved.byte(EmbeddedMessage + 12)), 0xFF);
    }
};

QTEST_MAIN(TestFunctionPagesRead)
#include "test_function_pages_read.moc"
