#include "form_change_preview.h"
#include "interface_language.h"
#include "form_process.h"
#include "file_commands.h"
#include "radio_commands.h"
#include "mdi_form_main.h"
#include "programming_log.h"
#include "pty_radio_server.h"
#include "read_backups.h"
#include "shared_state.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

using namespace t40;
using namespace t40::test;

namespace {
// Drives the modal session window the main window opens: presses its button,
// and closes it once the completion report is shown (or the run gave up).
class SessionDriver {
public:
    SessionDriver()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(10);
    }
    bool sawWindow = false;
    bool succeeded = false;
    QString changes; // what the preview before a write listed

private:
    void poll()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* preview = qobject_cast<FormChangePreview*>(w); preview && preview->isVisible()) {
                changes = preview->TextChanges->toPlainText();
                preview->CommandWrite->click();
                continue;
            }
            auto* form = qobject_cast<FormProcess*>(w);
            if (!form || !form->isVisible())
                continue;
            QPushButton* button = form->CommandRead->isVisible() ? form->CommandRead : form->CommandWrite;
            if (!pressed_) {
                pressed_ = sawWindow = true;
                button->click();
            } else if (button->isEnabled()) {
                succeeded = form->SessionSucceeded();
                form->CommandCancel->click();
                pressed_ = false;
            }
        }
    }
    QTimer timer_;
    bool pressed_ = false;
};
} // namespace

class TestRadioCommands : public QObject {
    Q_OBJECT
private slots:
    void readThenWriteFromTheMainWindow()
    {
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        VirtualRadio radio;
        // A VHF radio with one channel.
        const std::uint8_t model[8] = { 0x50, 0x32, 0x32, 0x30, 0x37, 0x01, 0xF8, 0xFF };
        for (int i = 0; i < 8; ++i)
            radio.memory().setByte(440 + i, model[i]);
        const std::uint8_t channel[8] = { 0x00, 0x50, 0x62, 0x14, 0x00, 0x50, 0x62, 0x14 };
        for (int i = 0; i < 8; ++i)
            radio.memory().setByte(16 + i, channel[i]);
        radio.setBandFlag(1);
        PtyRadioServer server(radio);
        QString reason;
        QVERIFY2(server.open(&reason), qPrintable(reason));
        QSettings(QStringLiteral("ZEV"), QStringLiteral("T40")).setValue(QStringLiteral("Ports/COM4"), server.devicePath());
        server.startThread();

        MDIFormMain main;
        main.MDIForm_Load();
        main.show();
        State().ComPortNumber = 4;
        SetInterfaceLanguage(QLocale::English);
        QCOMPARE(AppDocument().band().name, QStringLiteral("UHF"));
        {
            SessionDriver driver;
            main.radio().MenuRead_Click();
            QVERIFY(driver.sawWindow);
            QVERIFY(driver.succeeded);
        }
        QVERIFY(!State().SessionWindowOpen);
        QCOMPARE(AppDocument().band().name, QStringLiteral("VHF")); // the model block was decoded again
        QCOMPARE(AppDocument().band().lowMHz, 136);
        QCOMPARE(AppDocument().memory().byte(19), std::uint8_t(0x14));
        // The read is also kept as a backup.
        const QStringList backups = QDir(ReadBackupFolder()).entryList(QDir::Files);
        QCOMPARE(backups.size(), 1);
        QVERIFY2(backups.first().contains(QStringLiteral("_VHF136-174_COM")), qPrintable(backups.first()));

        // Verify after write: off at first, then switched on and stored.
        QVERIFY(!State().VerifyAfterWrite && !main.MenuVerify->isChecked());
        main.MenuVerify->trigger();
        QVERIFY(State().VerifyAfterWrite && main.MenuVerify->isChecked());
        QCOMPARE(QSettings(QStringLiteral("ZEV"), QStringLiteral("T40")).value(QStringLiteral("VerifyAfterWrite")).toString(), QStringLiteral("True"));
        // Show the changes before a write: on unless switched off, and stored.
        QVERIFY(State().ShowChangesBeforeWrite && main.MenuShowChanges->isChecked());
        AppDocument().setByte(16, 0x25);
        {
            SessionDriver driver;
            main.radio().MenuWrite_Click();
            QVERIFY(driver.sawWindow);
            QVERIFY(driver.succeeded);
            QVERIFY2(driver.changes.startsWith(QStringLiteral("Channel 1 Rx Frequency: 146.25000 -> ")), qPrintable(driver.changes));
        }
        main.MenuShowChanges->trigger();
        QVERIFY(!State().ShowChangesBeforeWrite && !main.MenuShowChanges->isChecked());
        QCOMPARE(QSettings(QStringLiteral("ZEV"), QStringLiteral("T40")).value(QStringLiteral("ShowChangesBeforeWrite")).toString(), QStringLiteral("False"));
        server.stop();
        QCOMPARE(radio.memory().byte(16), std::uint8_t(0x25));
        QCOMPARE(radio.countFrames(RadioFrame::Read), 48); // the read, the read before the write, the read-back
        QVERIFY(env.prompts().messages.empty());
        // Every run is in the programming log; the read-back belongs to the write's line.
        const QList<QStringList> log = ProgrammingLog::Read();
        QCOMPARE(log.size(), 3);
        QCOMPARE(log.at(0).mid(1, 6), (QStringList { "read", "COM4", "VHF 136-174 MHz", "new.rdat", "OK", "" }));
        QCOMPARE(log.at(1).mid(1, 6), (QStringList { "read before write", "COM4", "VHF 136-174 MHz", "new.rdat", "OK", "" }));
        QCOMPARE(log.at(2).mid(1, 6), (QStringList { "write", "COM4", "VHF 136-174 MHz", "new.rdat", "OK", "OK" }));

        // File > Open Backup... starts in the backup folder and brings the read back.
        env.prompts().paths.push_back(QDir(ReadBackupFolder()).filePath(backups.first()));
        main.files().MenuOpenBackup_Click();
        QCOMPARE(env.prompts().fileDialogs.back().folder, ReadBackupFolder());
        QCOMPARE(AppDocument().memory().byte(16), std::uint8_t(0x00));
    }
};

QTEST_MAIN(TestRadioCommands)
#include "test_radio_commands.moc"
