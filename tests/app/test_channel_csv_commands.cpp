#include "interface_language.h"
#include "channel_csv.h"
#include "form_import_channels.h"
#include "main_window_fixture.h"
#include "mdi_form_main.h"
#include "radio_document.h"
#include "shared_state.h"
#include "test_support.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QLabel>
#include <QTreeWidget>

using namespace t40;
using test::PresentChannels;
using test::Fixture;

class TestChannelCsvCommands : public QObject {
    Q_OBJECT
private slots:
    void exportWritesTheChannelList()
    {
        Fixture f;
        AppDocument().setChannel(3, Channel::created(44600625, 44600625));
        const QString path = f.env.tempPath(QStringLiteral("out.csv"));
        f.env.prompts().paths.push_back(path);
        f.main.MenuExportChannels->trigger();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        QCOMPARE(written, ExportChannelsCsv(AppDocument()));
        QVERIFY(written.contains("\r\n3,,446.006250,"));
        QCOMPARE(f.env.prompts().fileDialogs.at(0).title, QStringLiteral("Export Channels"));
        QCOMPARE(f.env.prompts().fileDialogs.at(0).defaultName, QStringLiteral("new.csv"));
    }

    // A clean file goes in at once with its summary; problems are listed first
    // and nothing changes unless the valid rows are accepted. Both languages.
    void importsThroughTheMenu_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("answer"); // to the problem list; "" when none is due
        QTest::addColumn<QStringList>("channels");
        QTest::addColumn<QString>("message");
        const QByteArray bad = "Location,Frequency,Tone,rToneFreq\n1,446.0,Tone,88.55\n4,446.5,Cross,\n5,446.0,,\n";
        QTest::newRow("clean") << true << QByteArray("Location,Frequency\n1,446.0000051\n") << ""
                               << QStringList { "1:446.00001", "2:440.00000" }
                               << "Imported channels 1 from in.csv. The channels the file does not list are unchanged.\n\n"
                                  "• Line 1: columns missing: Duplex (simplex: Tx = Rx); Tone (no tones); Mode (25 kHz, wide); "
                                  "Skip (every channel scanned); Power (channels in use keep their power, new channels get Low "
                                  "on a licence-free service's frequency and High elsewhere); BusyLock (channels in use keep "
                                  "their busy lock, new channels get None)\n"
                                  "• Line 2, column 2 (Frequency): 446.0000051 MHz is stored as 446.00001 MHz";
        QTest::newRow("clean, Chinese") << false << QByteArray("Location,Frequency,X\n1,446.0\n") << ""
                                        << QStringList { "1:446.00000", "2:440.00000" }
                                        << "已从 in.csv 导入信道 1。文件未列出的信道保持不变。\n\n• 第 1 行: 忽略的列：X";
        QTest::newRow("problems, cancelled") << true << bad << "cancel" << QStringList { "2:440.00000" } << "";
        QTest::newRow("problems, valid rows taken") << true << bad << "import"
                                                    << QStringList { "2:440.00000", "5:446.00000" }
                                                    << "Imported channels 5 from in.csv.";
        QTest::newRow("problems, Chinese") << false << bad << "import" << QStringList { "2:440.00000", "5:446.00000" }
                                           << "已从 in.csv 导入信道 5。";
    }
    void importsThroughTheMenu()
    {
        QFETCH(bool, english);
        QFETCH(QByteArray, csv);
        QFETCH(QString, answer);
        QFETCH(QStringList, channels);
        QFETCH(QString, message);
        Fixture f;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        AppDocument().setChannel(2, Channel::created(44000000, 44000000));
        const QString path = f.env.tempPath(QStringLiteral("in.csv"));
        QVERIFY(test::WriteFile(path, csv));
        f.env.prompts().paths.push_back(path);
        QStringList listed;
        QString importCaption;
        QString summary;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<FormImportChannels*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            for (int i = 0; i < dialog->ListProblems->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* item = dialog->ListProblems->topLevelItem(i);
                listed << item->text(0) + QLatin1Char(':') + item->text(1) + QLatin1Char(':') + item->text(2);
            }
            importCaption = dialog->CommandImport->text();
            summary = dialog->LabelSummary->text();
            (answer == QLatin1String("import") ? dialog->CommandImport : dialog->CommandCancel)->click();
        });
        f.main.MenuImportChannels->trigger();
        QCOMPARE(PresentChannels(), channels);
        QCOMPARE(f.env.prompts().fileDialogs.at(0).open, true);
        if (answer.isEmpty()) {
            QVERIFY(listed.isEmpty());
        } else {
            QCOMPARE(listed.size(), 2);
            QCOMPARE(listed.at(0), english ? QStringLiteral("2:4 (rToneFreq):\"88.55\" is not a CTCSS tone the radio can use (67.0 to 254.1 Hz in steps of 0.1 Hz)")
                                           : QStringLiteral("2:4 (rToneFreq):“88.55”不是本机可用的CTCSS亚音（67.0至254.1 Hz，步进0.1 Hz）"));
            QVERIFY2(listed.at(1).startsWith(QStringLiteral("3:CrossMode:")), qPrintable(listed.at(1)));
            QCOMPARE(importCaption, english ? QStringLiteral("&Import the valid rows") : QStringLiteral("导入有效行(&I)"));
            // The columns the file lacks are named before the choice.
            QVERIFY2(summary.contains(english ? QStringLiteral("\n• columns missing: Duplex") : QStringLiteral("\n• 缺少的列：")),
                     qPrintable(summary));
        }
        if (message.isEmpty())
            QVERIFY(f.env.prompts().messages.empty());
        else
            QVERIFY2(f.env.prompts().messages.at(0).text.startsWith(message), qPrintable(f.env.prompts().messages.at(0).text));
    }
};

QTEST_MAIN(TestChannelCsvCommands)
#include "test_channel_csv_commands.moc"
