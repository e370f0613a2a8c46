#include "interface_language.h"
#include "form_check_cable.h"
#include "form_detect_radio.h"
#include "mdi_form_main.h"
#include "on_modal.h"
#include "form_programming_log.h"
#include "form_write_many.h"
#include "programming_log.h"
#include "pty_radio_server.h"
#include "shared_state.h"
#include "test_support.h"

#include <QFile>
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

using namespace t40;
using namespace t40::test;

class TestBenchWindows : public QObject {
    Q_OBJECT
private slots:
    // Detect finds the radio and makes its port the current one; the row
    // window then writes two radios, shows the count and the last result, and
    // the log window lists both, sorted and exported.
    void detectRowAndLog_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("English") << true;
        QTest::newRow("Chinese") << false;
    }
    void detectRowAndLog()
    {
        QFETCH(bool, english);
        TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        AppDocument().setPath(QString(), QStringLiteral("site.rdat"));
        AppDocument().setByte(445, 0x73);
        VirtualRadio radio;
        radio.memory().setByte(445, 0x73);
        radio.setBandFlag(0x73);
        radio.setRowMode(true);
        PtyRadioServer server(radio);
        QVERIFY(server.open(nullptr));
        QSettings(QStringLiteral("ZEV"), QStringLiteral("T40")).setValue(QStringLiteral("Ports/COM4"), server.devicePath());
        server.startThread();

        {
            FormDetectRadio detect;
            QSignalSpy finished(&detect, &FormDetectRadio::searchFinished);
            QVERIFY(finished.wait(5000));
            QCOMPARE(detect.ListPorts->topLevelItemCount(), 1);
            QCOMPARE(detect.ListPorts->topLevelItem(0)->text(0), QStringLiteral("COM4"));
            QCOMPARE(detect.ListPorts->topLevelItem(0)->text(2), QStringLiteral("UHF 400-520 MHz"));
            detect.CommandUse->click();
            QCOMPARE(State().ComPortNumber, 4);
            QCOMPARE(QSettings(QStringLiteral("ZEV"), QStringLiteral("T40")).value(QStringLiteral("ComPort")).toString(), QStringLiteral("4"));
        }

        {
            FormWriteMany row(AppDocument());
            row.show();
            row.CommandStart->click();
            QVERIFY(QTest::qWaitFor([&] { return row.row()->radios() == 2; }, 20000));
            row.CommandStop->click();
            QVERIFY(QTest::qWaitFor([&] { return row.row()->phase() == RadioRow::Phase::Stopped; }, 10000));
            QCOMPARE(row.LabelResult->text(), english ? QStringLiteral("Radio 2: Written") : QString::fromUtf8("第 2 台：写入成功"));
            QCOMPARE(row.LabelCount->text(), english ? QStringLiteral("Radios: 2    Written: 2    Failed: 0")
                                                     : QString::fromUtf8("台数：2    成功：2    失败：0"));
            QCOMPARE(row.ListResults->topLevelItemCount(), 2);
            QVERIFY(row.CommandStart->isEnabled());
        }
        server.stop();

        FormProgrammingLog log;
        QCOMPARE(log.Model->rowCount(), 2);
        log.TableLog->sortByColumn(7, Qt::DescendingOrder);
        QCOMPARE(log.Sorted->index(0, 7).data().toString(), QStringLiteral("2"));
        QCOMPARE(log.Sorted->index(0, 4).data().toString(), QStringLiteral("site.rdat"));
        // Shown in the interface language, exported with the log's own words.
        QCOMPARE(log.Sorted->index(0, 1).data().toString(), english ? QStringLiteral("write") : QStringLiteral("写入"));
        QCOMPARE(log.Sorted->index(0, 5).data().toString(), english ? QStringLiteral("OK") : QStringLiteral("成功"));
        const QString exported = env.tempPath(QStringLiteral("export.csv"));
        env.prompts().paths.push_back(exported);
        log.CommandExport->click();
        QFile file(exported);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.value(0), QByteArray("time,operation,port,band,file,result,verify,row count"));
        QVERIFY(lines.value(1).endsWith(",write,COM4,UHF 400-520 MHz,site.rdat,OK,not run,2"));
        QVERIFY(env.prompts().messages.empty());
    }

    // Program > Check Cable... asks the chosen port and shows its verdict
    // above the whole report, in the interface language.
    void checkCableFromTheMenu_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("a radio answers, English") << true << false << "A radio answers on COM4 (DEVICE): UHF 400-520 MHz. The cable and the port work.";
        QTest::newRow("nothing answers, Chinese") << false << true << QString::fromUtf8("COM4 (DEVICE) 上没有应答：请检查对讲机已开机并处于编程状态、编程线已插紧，以及这是编程线的端口。");
    }
    void checkCableFromTheMenu()
    {
        QFETCH(bool, english);
        QFETCH(bool, silent);
        QFETCH(QString, verdict);
        TestEnvironment env;
        VirtualRadio radio;
        radio.setBandFlag(0x73);
        radio.faults().silent = silent;
        PtyRadioServer server(radio);
        QVERIFY(server.open(nullptr));
        QSettings(QStringLiteral("ZEV"), QStringLiteral("T40")).setValue(QStringLiteral("Ports/COM4"), server.devicePath());
        server.startThread();
        MDIFormMain main;
        main.MDIForm_Load();
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        State().ComPortNumber = 4;

        QString label, report, title;
        OnModal<FormCheckCable>([&](FormCheckCable* check) {
            QObject::connect(check, &FormCheckCable::checkFinished, check, [&, check] {
                label = check->LabelVerdict->text();
                report = check->TextReport->toPlainText();
                title = check->windowTitle();
                check->CommandClose->click();
            });
        });
        QTimer::singleShot(10000, &main, [] {
            if (auto* w = qobject_cast<FormCheckCable*>(QApplication::activeModalWidget()))
                w->reject(); // a check that never ends fails below rather than hanging the test
        });
        main.MenuCheckCable->trigger();
        server.stop();

        QCOMPARE(label, verdict.replace(QStringLiteral("DEVICE"), server.devicePath()));
        QCOMPARE(title, english ? QStringLiteral("Check Cable") : QString::fromUtf8("检查编程线"));
        QVERIFY2(report.startsWith(QStringLiteral("COM4  %1\n").arg(server.devicePath())), qPrintable(report));
        QVERIFY(radio.writeAddresses().empty());
    }
};

QTEST_MAIN(TestBenchWindows)
#include "test_bench_windows.moc"
