#include "form_print.h"
#include "form_printer_setting.h"
#include "help_topic.h"
#include "mdi_form_main.h"
#include "printer_list.h"
#include "shared_state.h"
#include "test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace t40;

namespace {
QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Restores the system's printer list when a test ends.
struct PrinterListScope {
    explicit PrinterListScope(const PrinterList* list) { SetPrinterListForTest(list); }
    ~PrinterListScope() { SetPrinterListForTest(nullptr); }
};
} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void captions_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("sections");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("english") << true
            << QStringList { "Optional Features", "Key Assignment", "Embedded Message", "Channel Information" }
            << QStringList { "P&rint Setup", "C&lear All", "Select &All", "&OK", "&Cancel", "&Help" };
        QTest::newRow("chinese") << false << QStringList { "可选功能", "键设定", "嵌入信息", "信道信息" }
            << QStringList { "打印设置(&R)", "全部清除(&L)", "全部选定(&A)", "确定(&O)", "取消(&C)", "帮助(&H)" };
    }
    void captions()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, sections);
        QFETCH(QStringList, buttons);
        test::TestEnvironment env;
        State().IsEnglish = english;
        FormPrint form;
        QCOMPARE(form.windowTitle(), QStringLiteral("打印列表"));
        const QCheckBox* boxes[] = { form.CheckOption, form.CheckKeySetting, form.CheckEmbedMessage, form.CheckChannelInfo };
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(boxes[i]->text(), sections.at(i));
            QVERIFY(!boxes[i]->isChecked());
        }
        const QPushButton* commands[] = { form.CommandPrinterSetting, form.CommandClearAll, form.CommandSelectAll,
                                          form.CommandOK, form.CommandCancel, form.CommandHelp };
        for (int i = 0; i < 6; ++i)
            QCOMPARE(commands[i]->text(), buttons.at(i));
        QVERIFY(!form.CommandOK->isEnabled());
    }

    void okEnabling_data()
    {
        QTest::addColumn<QString>("steps"); // s = Select All, c = Clear All, 1..4 = toggle a box by hand
        QTest::addColumn<bool>("okEnabled");
        QTest::addColumn<int>("ticked");
        QTest::newRow("select all") << "s" << true << 4;
        QTest::newRow("select all, clear all") << "sc" << false << 0;
        QTest::newRow("all four by hand") << "1234" << false << 4;
        QTest::newRow("select all, one cleared by hand") << "s2" << true << 3;
        QTest::newRow("clear all, one ticked by hand") << "sc3" << false << 1;
        QTest::newRow("select all twice") << "ss" << true << 4;
    }
    void okEnabling()
    {
        QFETCH(QString, steps);
        QFETCH(bool, okEnabled);
        QFETCH(int, ticked);
        test::TestEnvironment env;
        FormPrint form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCheckBox* boxes[] = { form.CheckOption, form.CheckKeySetting, form.CheckEmbedMessage, form.CheckChannelInfo };
        for (QChar step : steps) {
            if (step == u's')
                QTest::mouseClick(form.CommandSelectAll, Qt::LeftButton);
            else if (step == u'c')
                QTest::mouseClick(form.CommandClearAll, Qt::LeftButton);
            else
                QTest::mouseClick(boxes[step.digitValue() - 1], Qt::LeftButton);
        }
        QCOMPARE(form.CommandOK->isEnabled(), okEnabled);
        int count = 0;
        for (QCheckBox* box : boxes)
            count += box->isChecked();
        QCOMPARE(count, ticked);
        // OK prints nothing and leaves the dialog open; Cancel closes it.
        form.CommandOK->click();
        QVERIFY(form.isVisible());
        form.CommandCancel->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
    }

    void help()
    {
        test::TestEnvironment env;
        FormPrint form;
        form.CommandHelp->click();
        QVERIFY(HelpWindow());
        QVERIFY(HelpWindow()->source().toLocalFile().endsWith(QStringLiteral("help/Print.htm")));
        QVERIFY(HelpWindow()->toPlainText().contains(QStringLiteral("Select All")));
        HelpWindow()->close();
    }

    void printerList_data()
    {
        QTest::addColumn<QList<QStringList>>("printers"); // device, driver, port
        QTest::addColumn<QString>("defaultDevice");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("selected");
        QTest::newRow("none installed") << QList<QStringList> {} << "" << QStringList {} << -1;
        QTest::newRow("second is the default")
            << QList<QStringList> { { "Office", "HP LaserJet 4", "LPT1:" }, { "PDF", "Generic PDF", "cups-pdf:/" } }
            << "PDF" << QStringList { "Office,HP LaserJet 4,LPT1:", "PDF,Generic PDF,cups-pdf:/" } << 1;
        QTest::newRow("no default") << QList<QStringList> { { "A", "d", "p" }, { "B", "e", "q" } } << ""
                                    << QStringList { "A,d,p", "B,e,q" } << 0;
        QTest::newRow("default not installed") << QList<QStringList> { { "A", "d", "p" } } << "Gone"
                                               << QStringList { "A,d,p" } << 0;
        QTest::newRow("empty driver and port") << QList<QStringList> { { "A", "", "" } } << "A"
                                               << QStringList { "A,," } << 0;
    }
    void printerList()
    {
        QFETCH(QList<QStringList>, printers);
        QFETCH(QString, defaultDevice);
        QFETCH(QStringList, entries);
        QFETCH(int, selected);
        test::TestEnvironment env;
        PrinterList list;
        for (const QStringList& p : printers)
            list.printers.append({ p.at(0), p.at(1), p.at(2) });
        list.defaultDevice = defaultDevice;
        PrinterListScope scope(&list);
        for (bool english : { true, false }) {
            State().IsEnglish = english;
            FormPrinterSetting form;
            QCOMPARE(Items(form.ComboPrinter), entries);
            QCOMPARE(form.ComboPrinter->currentIndex(), selected);
            // Chinese in both languages.
            QCOMPARE(form.windowTitle(), QStringLiteral("打印设置"));
            QCOMPARE(form.FramePrinter->title(), QStringLiteral("打印机"));
            QCOMPARE(form.LabelPrinter->text(), QStringLiteral("名称(&N)"));
            QCOMPARE(form.CommandPrinter->text(), QStringLiteral("属性"));
            QCOMPARE(form.OptionVertical->text(), QStringLiteral("纵向(&A)"));
            QCOMPARE(form.CommandCancel->text(), QStringLiteral("取消(&C)"));
        }
    }

    // Without a test list the dialog shows what the print system reports,
    // the default selected; on a machine without printers the list is empty.
    void systemPrinters()
    {
        test::TestEnvironment env;
        FormPrinterSetting form;
        const QList<QPrinterInfo> installed = QPrinterInfo::availablePrinters();
        QCOMPARE(form.ComboPrinter->count(), installed.size());
        if (installed.isEmpty()) {
            QCOMPARE(form.ComboPrinter->currentIndex(), -1);
            return;
        }
        const QString defaultName = QPrinterInfo::defaultPrinterName();
        int expected = 0;
        for (int i = 0; i < installed.size(); ++i)
            if (installed.at(i).printerName() == defaultName)
                expected = i;
        QCOMPARE(form.ComboPrinter->currentIndex(), expected);
        QVERIFY(form.ComboPrinter->currentText().startsWith(installed.at(expected).printerName() + u','));
    }

    // Print Setup opens the printer list over the print dialog, both modal.
    void printSetupFromTheDialog()
    {
        test::TestEnvironment env;
        PrinterList list { { { "A", "d", "p" }, { "B", "e", "q" } }, "B" };
        PrinterListScope scope(&list);
        FormPrint form;
        form.show();
        QString shown;
        QTimer::singleShot(0, [&] {
            if (auto* setting = qobject_cast<FormPrinterSetting*>(QApplication::activeModalWidget())) {
                shown = setting->ComboPrinter->currentText();
                setting->CommandCancel->click();
            }
        });
        form.CommandPrinterSetting->click();
        QCOMPARE(shown, QStringLiteral("B,e,q"));
        QVERIFY(form.isVisible());
    }

    // The hidden File menu item opens the print dialog modally.
    void openedFromTheMainWindow()
    {
        test::TestEnvironment env;
        MDIFormMain main;
        main.MDIForm_Load();
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (auto* form = qobject_cast<FormPrint*>(QApplication::activeModalWidget())) {
                opened = form->isModal();
                form->CommandCancel->click();
            }
        });
        main.MenuPrint_Click();
        QVERIFY(opened);
        QVERIFY(!main.MenuPrint->isVisible());
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
