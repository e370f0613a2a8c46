#include "interface_language.h"
#include "form_print.h"
#include "form_printer_setting.h"
#include "help_topic.h"
#include "file_commands.h"
#include "mdi_form_main.h"
#include "printer_list.h"
#include "print_report.h"
#include "prompts.h"
#include "radio_functions.h"
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
#include <QScreen>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QFile>
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
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        FormPrint form;
        QCOMPARE(form.windowTitle(), english ? QStringLiteral("Print List") : QStringLiteral("打印列表"));
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
                QTest::mouseClick(boxes[step.digitValue() - 1], Qt::LeftButton, {}, QPoint(6, boxes[step.digitValue() - 1]->height() / 2)); // on its box
        }
        QCOMPARE(form.CommandOK->isEnabled(), okEnabled);
        int count = 0;
        for (QCheckBox* box : boxes)
            count += box->isChecked();
        QCOMPARE(count, ticked);
        QCOMPARE(form.CommandExportPdf->isEnabled(), okEnabled);
        form.CommandCancel->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
    }

    void help()
    {
        test::TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        FormPrint form;
        form.CommandHelp->click();
        QVERIFY(HelpWindow());
        QVERIFY(HelpWindow()->source().toLocalFile().endsWith(QStringLiteral("/Print.htm")));
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
            SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
            FormPrinterSetting form;
            QCOMPARE(Items(form.ComboPrinter), entries);
            QCOMPARE(form.ComboPrinter->currentIndex(), selected);
            // The interface language, Chinese as it always was.
            const auto text = [english](const char* en, const char* zh) { return QString::fromUtf8(english ? en : zh); };
            QCOMPARE(form.windowTitle(), text("Print Setup", "打印设置"));
            QCOMPARE(form.FramePrinter->title(), text("Printer", "打印机"));
            QCOMPARE(form.LabelPrinter->text(), text("&Name", "名称(&N)"));
            QCOMPARE(form.CommandPrinter->text(), text("Properties", "属性"));
            QCOMPARE(form.OptionVertical->text(), text("Po&rtrait", "纵向(&A)"));
            QCOMPARE(form.CommandCancel->text(), text("&Cancel", "取消(&C)"));
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

    // The report as a user gets it: from the dialog's Export PDF (or straight
    // from the report for the other paper size), read back from the PDF.
    void pdfReport_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QString>("untick"); // o, k, m, c: a section left out
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("customer");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        // Sections under their pages' names; one page.
        QTest::newRow("english, all, A4") << true << "A4" << "" << "HELLO T40" << "" << ""
            << QStringList { "report.rdat", "UHF 400-520MHz", "Channel Information", "446.00625", "D754I", "67.0", "High",
                             "25K(Wide)", "Busy", "Function Setup", "Squelch level", "Key Setting", "PF2_Long",
                             "Monitor", "Embedded Message", "HELLO T40" }
            << QStringList { "Customer", "Note", "Optional Features", "Key Assignment" };
        QTest::newRow("chinese, keys left out, A4") << false << "A4" << "k" << "HELLO T40" << "" << ""
            << QStringList { "信道信息", "446.00625", "高", "宽 /窄带", "繁忙锁定", "功能设定", "静噪等级", "嵌入信息" }
            << QStringList { "键设置", "PF1" };
        QTest::newRow("english, channels only, Letter") << true << "Letter" << "okm" << "HELLO T40" << "" << ""
            << QStringList { "Channel Information", "446.00625", "Busy" } << QStringList { "Squelch level", "PF1" };
        // The message page is hidden on this model: its empty table is left out.
        QTest::newRow("english, all, no message, customer and note") << true << "A4" << "" << "" << "Harbour Taxi"
            << "spare radios"
            << QStringList { "Customer: Harbour Taxi", "Note: spare radios", "Key Setting" }
            << QStringList { "Embedded Message" };
        QTest::newRow("chinese, customer") << false << "A4" << "" << "" << "港口出租车" << ""
            << QStringList { "客户: 港口出租车" } << QStringList { "备注", "嵌入信息" };
    }
    void pdfReport()
    {
        QFETCH(bool, english);
        QFETCH(QString, paper);
        QFETCH(QString, untick);
        QFETCH(QString, message);
        QFETCH(QString, customer);
        QFETCH(QString, note);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        test::TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        AppDocument().setPath(QString(), QStringLiteral("report.rdat"));
        RadioImage image;
        const std::uint8_t channel[16] = { 0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0x9E, 0x02, 0xEC, 0xA1, 0x88, 0xFF, 0xFF, 0xFF };
        for (int i = 0; i < 16; ++i)
            image.setByte(16 + i, channel[i]);
        SetKeyCode(image, 3, KeyCodeOfPosition(2));
        QVERIFY(EncodeEmbeddedMessage(image, message, QString()));
        AppDocument().edit([&](RadioImage& m) { m = image; });
        {
            FormPrint first;
            first.TextCustomer->setText(customer);
            first.TextNote->setText(note);
            first.reportHtml();
        }
        FormPrint form; // the lines typed for this file come back
        QCOMPARE(form.TextCustomer->text(), customer);
        QCOMPARE(form.TextNote->text(), note);
        form.CommandSelectAll->click();
        QCheckBox* boxes[] = { form.CheckOption, form.CheckKeySetting, form.CheckEmbedMessage, form.CheckChannelInfo };
        for (QChar c : untick)
            boxes[QStringLiteral("okmc").indexOf(c)]->setChecked(false);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        if (paper == QLatin1String("A4")) {
            PromptScript script;
            script.paths.push_back(pdf);
            SetPromptScript(&script);
            form.CommandExportPdf->click();
            SetPromptScript(nullptr);
            QCOMPARE(script.fileDialogs.size(), size_t(1));
            QCOMPARE(script.fileDialogs.front().defaultName, QStringLiteral("report.pdf"));
            QVERIFY(script.messages.empty());
        } else {
            QFile f(pdf);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(ReportPdf(form.reportHtml(), QPageSize::Letter));
        }
        // Words with their boxes: every word lies inside its page.
        QProcess p;
        p.start(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), pdf, QStringLiteral("-") });
        QVERIFY(p.waitForFinished(30000));
        const QString boxesHtml = QString::fromUtf8(p.readAllStandardOutput());
        const QRegularExpression pageSize(QStringLiteral("<page width=\"([\\d.]+)\""));
        const double pageWidth = pageSize.match(boxesHtml).captured(1).toDouble();
        QVERIFY(qAbs(pageWidth - (paper == QLatin1String("A4") ? 595.0 : 612.0)) < 2);
        // Words of a line joined by spaces, lines by line ends; no page is empty.
        QString words;
        double lineTop = -1;
        const QRegularExpression word(QStringLiteral("yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
        for (auto it = word.globalMatch(boxesHtml); it.hasNext();) {
            const auto m = it.next();
            QVERIFY2(m.captured(2).toDouble() <= pageWidth, qPrintable(m.captured(3)));
            words += (qAbs(m.captured(1).toDouble() - lineTop) < 1 ? u' ' : u'\n') + m.captured(3);
            lineTop = m.captured(1).toDouble();
        }
        const QStringList pages = boxesHtml.split(QStringLiteral("<page "));
        for (qsizetype p = 1; p < pages.size(); ++p)
            QVERIFY2(pages[p].contains(QStringLiteral("<word")), qPrintable(QStringLiteral("page %1 is empty").arg(p)));
        for (const QString& text : present)
            QVERIFY2(words.contains(text), qPrintable(text + QStringLiteral(" missing from: ") + words));
        for (const QString& text : absent)
            QVERIFY2(!words.contains(text), qPrintable(text));
    }

    // OK shows the report in a print preview for the printer chosen in the setup, readable at once.
    void okShowsPreview_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("English") << true;
        QTest::newRow("Chinese") << false;
    }
    void okShowsPreview()
    {
        QFETCH(bool, english);
        test::TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        FormPrint form;
        form.CommandSelectAll->click();
        int pages = 0;
        QSize size;
        QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
        QTimer::singleShot(0, [&] {
            if (auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
                if (auto* widget = preview->findChild<QPrintPreviewWidget*>()) {
                    pages = widget->pageCount();
                    zoom = widget->zoomMode();
                }
                size = preview->size();
                if (const QString folder = qEnvironmentVariable("T40_SCREENSHOTS"); !folder.isEmpty()) {
                    QTest::qWait(300); // with T40_SCREENSHOTS=folder under Xvfb: the preview as shown
                    preview->screen()->grabWindow(0).save(folder + QStringLiteral("/print preview %1 %2.png")
                                              .arg(QGuiApplication::primaryScreen()->size().width())
                                              .arg(QString::fromLatin1(QTest::currentDataTag())));
                }
                preview->reject();
            }
        });
        form.CommandOK->click();
        QVERIFY(pages >= 1);
        // Readable at once: most of the screen, the page as wide as the window.
        const QSize screen = QGuiApplication::primaryScreen()->availableSize();
        QVERIFY2(size.width() >= screen.width() * 3 / 4 && size.height() >= screen.height() * 3 / 4,
                 qPrintable(QDebug::toString(size)));
        QCOMPARE(zoom, QPrintPreviewWidget::FitToWidth);
    }

    // The File menu's Print opens the print dialog modally.
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
        main.files().MenuPrint_Click();
        QVERIFY(opened);
        QVERIFY(main.MenuPrint->isVisible());
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
