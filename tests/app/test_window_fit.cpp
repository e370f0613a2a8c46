// Every window opens inside a 1366x768 screen, in both languages, the pages inside the page area;
// F1 in every window shows its own topic.
#include "form_batch_channel_edit.h"
#include "form_change_preview.h"
#include "form_check_cable.h"
#include "form_channel_copy.h"
#include "form_channel_edit.h"
#include "form_com_port.h"
#include "form_compare.h"
#include "form_detect_radio.h"
#include "form_frequency_copy.h"
#include "form_import_channels.h"
#include "form_language.h"
#include "form_model_information.h"
#include "form_print.h"
#include "form_printer_setting.h"
#include "form_process.h"
#include "form_programming_log.h"
#include "form_qt_dqt_copy.h"
#include "form_write_many.h"
#include "frm_about.h"
#include "help_topic.h"
#include "main_window_fixture.h"
#include "mdi_form_main.h"
#include "page_window.h"
#include "shared_state.h"
#include "window_menu.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTextBrowser>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include <functional>
#include <memory>

using namespace t40;

namespace {
using MakeWindow = std::function<QWidget*(MDIFormMain&)>;

template <typename W>
MakeWindow Dialog()
{
    return [](MDIFormMain& main) -> QWidget* { return new W(&main); };
}

template <typename W>
MakeWindow DocumentDialog()
{
    return [](MDIFormMain& main) -> QWidget* { return new W(AppDocument(), &main); };
}

MakeWindow Page(int id)
{
    return [id](MDIFormMain& main) -> QWidget* {
        main.OpenPage(id);
        return main.page(id);
    };
}

// With T40_SCREENSHOTS=folder (run under Xvfb), the screen as each window opened.
void SaveScreenshot(QWidget* window)
{
    const QString folder = qEnvironmentVariable("T40_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QTest::qWait(200);
    const QSize size = window->screen()->size();
    window->screen()->grabWindow(0).save(QStringLiteral("%1/%2x%3 %4.png")
                                             .arg(folder)
                                             .arg(size.width())
                                             .arg(size.height())
                                             .arg(QString::fromUtf8(QTest::currentDataTag())));
}

void StoreLanguage(bool english)
{
    QSettings(QStringLiteral("ZEV"), QStringLiteral("T40"))
        .setValue(QStringLiteral("Language"), english ? QStringLiteral("True") : QStringLiteral("False"));
}
} // namespace

class TestWindowFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1366, 768));
    }

    // Every window of the program, with the help topic F1 shows in it.
    void everyWindow_data()
    {
        QTest::addColumn<MakeWindow>("make");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("topic");
        const std::tuple<const char*, MakeWindow, const char*> windows[] = {
            { "channel information", Page(ChannelPageId), "chinfo.htm" },
            { "function setup", Page(OptionPageId), "optfeatures.htm" },
            { "key setting", Page(KeyPageId), "keyassign.htm" },
            { "scan information", Page(ScanPageId), "Scan/Scan.htm" },
            { "embedded message", Page(MessagePageId), "embmsg.htm" },
            { "channel editor",
              [](MDIFormMain& main) -> QWidget* {
                  return FormChannelEdit::ShowEditor(AppDocument(), main.page(ChannelPageId));
              },
              "chEdit.htm" },
            { "set com", Dialog<FormComPort>(), "comport.htm" },
            { "set language", Dialog<FormLanguage>(), "general.htm" },
            { "model information", Dialog<FormModelInformation>(), "model.htm" },
            { "detect radio", Dialog<FormDetectRadio>(), "detect.htm" },
            { "check cable", Dialog<FormCheckCable>(), "cable.htm" },
            { "change preview",
              [](MDIFormMain& main) -> QWidget* {
                  return new FormChangePreview(QStringList(40, QStringLiteral("Channel 3 Rx Frequency: 446.00625 -> 446.10000")),
                                             QStringList(16, QStringLiteral("Channel 3: PMR446 allows at most Low power on 446.00625 MHz")), &main);
              },
              "preview.htm" },
            { "programming log", Dialog<FormProgrammingLog>(), "proglog.htm" },
            { "print", Dialog<FormPrint>(), "Print.htm" },
            { "printer setting", Dialog<FormPrinterSetting>(), "Print.htm" },
            { "about", Dialog<frmAbout>(), "general.htm" },
            { "batch channel edit", DocumentDialog<FormBatchChannelEdit>(), "general.htm" },
            { "write to many radios", DocumentDialog<FormWriteMany>(), "writemany.htm" },
            { "channel copy",
              [](MDIFormMain& main) -> QWidget* { return new FormChannelCopy(AppDocument(), 1, &main); }, "chcopy.htm" },
            { "frequency copy",
              [](MDIFormMain& main) -> QWidget* {
                  return new FormFrequencyCopy(AppDocument(), 1, QStringLiteral("446.00625"), &main);
              },
              "freqcopy.htm" },
            { "QT/DQT copy",
              [](MDIFormMain& main) -> QWidget* { return new FormQtDqtCopy(AppDocument(), 1, QString(), &main); },
              "qtdqtcopy.htm" },
            { "compare",
              [](MDIFormMain& main) -> QWidget* {
                  return new FormCompare(QStringLiteral("new.rdat"), QStringLiteral("b.rdat"),
                                         QStringList(60, QStringLiteral("channel 3 receive frequency: 446.00625 -> 446.10000")),
                                         &main);
              },
              "compare.htm" },
            { "import channels",
              [](MDIFormMain& main) -> QWidget* {
                  ChannelCsvImport parsed;
                  parsed.problems.resize(40);
                  return new FormImportChannels(parsed, QStringLiteral("channels.csv"), &main);
              },
              "import.htm" },
            { "message box",
              [](MDIFormMain& main) -> QWidget* {
                  return new QMessageBox(QMessageBox::Warning, QStringLiteral("ZUL"), QStringLiteral("Save changes?"),
                                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &main);
              },
              "messages.htm" },
            { "read session",
              [](MDIFormMain& main) -> QWidget* { return new FormProcess(SessionRequest {}, QString(), &main); },
              "general.htm" },
        };
        for (const auto& [name, make, topic] : windows) {
            QTest::addRow("%s", name) << make << true << QString::fromLatin1(topic);
            QTest::addRow("%s, Chinese", name) << make << false << QStringLiteral("zh/") + QString::fromLatin1(topic);
        }
    }

    void everyWindowInsideTheScreen_data() { everyWindow_data(); }
    void everyWindowInsideTheScreen()
    {
        QFETCH(MakeWindow, make);
        QFETCH(bool, english);
        test::TestEnvironment env;
        StoreLanguage(english);
        MDIFormMain main;
        main.MDIForm_Load();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QRect screen = main.screen()->availableGeometry();
        QWidget* window = make(main);
        QVERIFY(window);
        std::unique_ptr<QWidget> owned(window->isWindow() ? window : nullptr);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window->window()));
        QVERIFY2(screen.contains(main.frameGeometry()), qPrintable(QDebug::toString(main.frameGeometry())));
        if (window->isWindow()) {
            QVERIFY2(screen.contains(window->frameGeometry()), qPrintable(QDebug::toString(window->frameGeometry())));
        } else {
            auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
            QVERIFY(sub);
            const QRect area(QPoint(0, 0), main.MdiArea->viewport()->size());
            QVERIFY2(area.contains(sub->geometry()),
                     qPrintable(QDebug::toString(sub->geometry()) + QDebug::toString(area)));
        }
        SaveScreenshot(&main);
    }

    // F1 in a window shows the window's own topic in the interface
    // language, in a help window centred on it and inside the screen, with
    // contents and back; Escape closes it.
    void f1ShowsTheWindowsTopic_data() { everyWindow_data(); }
    void f1ShowsTheWindowsTopic()
    {
        QFETCH(MakeWindow, make);
        QFETCH(bool, english);
        QFETCH(QString, topic);
        test::TestEnvironment env;
        StoreLanguage(english);
        MDIFormMain main;
        main.MDIForm_Load();
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QWidget* window = make(main);
        std::unique_ptr<QWidget> owned(window->isWindow() ? window : nullptr);
        if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->open();
        else
            window->show();
        QVERIFY(QTest::qWaitForWindowActive(window->window()));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_F1);
        HelpViewer* help = HelpWindow();
        QVERIFY(help && help->isVisible());
        const QString shown = help->source().toLocalFile();
        QCOMPARE(shown.mid(shown.lastIndexOf(QStringLiteral("/help/")) + 6), topic);
        // Centred on its owner, unless that would leave the screen.
        const QRect helpFrame = help->frameGeometry();
        const QPoint offCentre = helpFrame.center() - help->parentWidget()->frameGeometry().center();
        const QRect screen = main.screen()->availableGeometry();
        const bool pushedIn = helpFrame.left() == screen.left() || helpFrame.top() == screen.top()
            || helpFrame.right() == screen.right() || helpFrame.bottom() == screen.bottom();
        QVERIFY2(offCentre.manhattanLength() < 40 || pushedIn, qPrintable(QDebug::toString(helpFrame)));
        QVERIFY(screen.contains(helpFrame));
        help->contentsAction->trigger();
        QVERIFY(help->toPlainText().contains(english ? QStringLiteral("Set COM") : QStringLiteral("串口设置")));
        QVERIFY(help->backAction->isEnabled());
        help->backAction->trigger();
        QCOMPARE(help->source().toLocalFile(), shown);
        QPointer<HelpViewer> alive(help);
        QTest::keyClick(help->browser, Qt::Key_Escape);
        QTRY_VERIFY(!alive || !alive->isVisible());
        if (auto* dialog = qobject_cast<QDialog*>(window))
            QVERIFY(dialog->isVisible()); // Escape closed the help, not the window under it
    }

    // A window size kept from a larger screen is fitted to this one: the
    // status bar and the page buttons stay in sight.
    void restoredGeometryFitsTheScreen()
    {
        test::TestEnvironment env;
        {
            MDIFormMain large;
            large.MDIForm_Load();
            large.setGeometry(200, 150, 1900, 1150);
            QSettings settings(QStringLiteral("ZEV"), QStringLiteral("T40"));
            settings.setValue(QStringLiteral("MainWindow/Geometry"), large.saveGeometry());
        }
        MDIFormMain main;
        main.MDIForm_Load();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QVERIFY2(main.screen()->availableGeometry().contains(main.frameGeometry()),
                 qPrintable(QDebug::toString(main.frameGeometry())));
    }
};

// The tests see a 1366x768 screen, the smallest the program is made for.
int main(int argc, char** argv)
{
    const QString config = QDir::temp().filePath(QStringLiteral("t40-screen-1366x768.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    file.write(R"({"screens": [{"name": "1366x768", "x": 0, "y": 0, "width": 1366, "height": 768,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    TestWindowFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_window_fit.moc"
