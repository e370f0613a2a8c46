#include "interface_language.h"
#include "form_com_port.h"
#include "form_language.h"
#include "form_model_information.h"
#include "frm_about.h"
#include "memory_map.h"
#include "on_modal.h"
#include "port_catalog.h"
#include "prompts.h"
#include "shared_state.h"
#include "test_support.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QSettings>
#include <QSysInfo>
#include <QTest>

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include <set>

using namespace t40;

namespace {
class FakeCatalog : public PortCatalog {
public:
    explicit FakeCatalog(std::set<int> usable)
        : usable_(std::move(usable))
    {
    }
    QString deviceFor(int n) const override { return usable_.count(n) || denied.count(n) ? QStringLiteral("/dev/fake%1").arg(n) : QString(); }
    QString describe(int n) const override { return deviceFor(n); }
    bool probe(int n, QString* reason) const override
    {
        ++probes;
        if (!usable_.count(n) && reason)
            *reason = QStringLiteral("busy");
        return usable_.count(n) > 0;
    }
    Access access(int n) const override { return denied.count(n) ? Access::Denied : PortCatalog::access(n); }
    mutable int probes = 0;
    std::set<int> denied;

private:
    std::set<int> usable_;
};

QStringList Items(QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QString Stored(const QString& name)
{
    return QSettings(QStringLiteral("ZEV"), QStringLiteral("T40")).value(name).toString();
}
} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void comPortSelection_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("stored");
        QTest::newRow("stored port gone, cancelled") << 2 << false << "COM1" << 1 << "";
        QTest::newRow("stored port present, OK") << 3 << true << "COM3" << 3 << "3";
        QTest::newRow("stored port gone, OK") << 7 << true << "COM1" << 1 << "1";
    }
    void comPortSelection()
    {
        QFETCH(int, current);
        QFETCH(bool, ok);
        QFETCH(QString, selected);
        QFETCH(int, after);
        QFETCH(QString, stored);
        test::TestEnvironment env;
        FakeCatalog catalog({ 1, 3 });
        SetPortCatalog(&catalog);
        State().ComPortNumber = current;
        FormComPort dialog;
        QCOMPARE(catalog.probes, 99);
        QCOMPARE(Items(dialog.ComboComPort), (QStringList { "COM1  /dev/fake1", "COM3  /dev/fake3" }));
        QCOMPARE(dialog.ComboComPort->currentText().section(QLatin1Char(' '), 0, 0), selected);
        if (ok)
            dialog.CommandOK->click();
        else
            dialog.CommandCancel->click();
        QCOMPARE(State().ComPortNumber, after);
        QCOMPARE(Stored(QStringLiteral("ComPort")), stored);
    }

    void comPortWithoutPorts()
    {
        test::TestEnvironment env;
        FakeCatalog catalog({});
        SetPortCatalog(&catalog);
        State().ComPortNumber = 4;
        FormComPort dialog;
        QCOMPARE(dialog.ComboComPort->count(), 0);
        dialog.CommandOK->click();
        QCOMPARE(State().ComPortNumber, 4);
        QCOMPARE(Stored(QStringLiteral("ComPort")), QString());
    }

    // Each port shows its device and what the system says of it; one the user
    // may not open is listed, marked.
    void comPortEntries_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("denied");
        QTest::newRow("pseudo-terminal registered as COM42") << true << false;
        QTest::newRow("no access, English") << true << true;
        QTest::newRow("no access, Chinese") << false << true;
    }
    void comPortEntries()
    {
        QFETCH(bool, english);
        QFETCH(bool, denied);
        test::TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        FakeCatalog catalog({ 2 });
        catalog.denied = { 5 };
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
        const QString pts = QString::fromLocal8Bit(::ptsname(master));
        if (denied)
            SetPortCatalog(&catalog);
        else
            QSettings(QStringLiteral("ZEV"), QStringLiteral("T40")).setValue(QStringLiteral("Ports/COM42"), pts);
        FormComPort dialog;
        ::close(master);
        const QStringList items = Items(dialog.ComboComPort);
        if (denied) {
            QCOMPARE(items, (QStringList { "COM2  /dev/fake2", english ? "COM5  /dev/fake5  (no access)" : QString::fromUtf8("COM5  /dev/fake5  （无权访问）") }));
            dialog.ComboComPort->setCurrentIndex(1);
            dialog.CommandOK->click();
            QCOMPARE(State().ComPortNumber, 5);
        } else {
            QVERIFY2(items.contains(QStringLiteral("COM42  ") + pts), qPrintable(items.join(QLatin1Char('|'))));
        }
    }

    void comPortCaptions()
    {
        test::TestEnvironment env;
        FakeCatalog catalog({ 2 });
        SetPortCatalog(&catalog);
        SetInterfaceLanguage(QLocale::English);
        FormComPort en;
        QCOMPARE(en.windowTitle(), QStringLiteral("Set COM"));
        QCOMPARE(en.LabelComPort->text(), QStringLiteral("Comm Port"));
        SetInterfaceLanguage(QLocale::Chinese);
        FormComPort zh;
        QCOMPARE(zh.windowTitle(), QStringLiteral("串口设置"));
        QCOMPARE(zh.CommandCancel->text(), QStringLiteral("取消(&C)"));
    }

    void language_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("same language") << true << 0 << false << "";
        QTest::newRow("Chinese while English") << true << 1 << true << "False";
        QTest::newRow("English while Chinese") << false << 0 << true << "True";
        QTest::newRow("Chinese again") << false << 1 << false << "";
    }
    void language()
    {
        QFETCH(bool, english);
        QFETCH(int, choice);
        QFETCH(bool, changed);
        QFETCH(QString, stored);
        test::TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        FormLanguage dialog;
        QCOMPARE(dialog.ComboLanguage->currentIndex(), english ? 0 : 1);
        QCOMPARE(Items(dialog.ComboLanguage),
                 english ? QStringList({ "English", "Chinese" }) : QStringList({ "英文", "中文" }));
        dialog.ComboLanguage->setCurrentIndex(choice);
        dialog.CommandOK->click();
        QCOMPARE(State().LanguageChanged, changed);
        QCOMPARE(State().IsEnglish, choice == 0);
        QCOMPARE(Stored(QStringLiteral("Language")), stored);
    }

    void languageCancel()
    {
        test::TestEnvironment env;
        FormLanguage dialog;
        dialog.ComboLanguage->setCurrentIndex(0);
        dialog.CommandCancel->click();
        QVERIFY(!State().IsEnglish);
        QVERIFY(!State().LanguageChanged);
    }

    void modelDialogDecodes_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("area");
        QTest::addColumn<int>("areas");
        QTest::newRow("VHF") << 50 << 1 << "VHF" << "136-174MHz" << 1;
        QTest::newRow("UHF 400-520") << 51 << 0x73 << "UHF" << "400-520MHz" << 9;
        QTest::newRow("UHF 350-370") << 51 << 0x53 << "UHF" << "350-370MHz" << 9;
        QTest::newRow("unknown code") << 51 << 0x77 << "UHF" << "400-470MHz" << 9;
    }
    void modelDialogDecodes()
    {
        QFETCH(int, family);
        QFETCH(int, code);
        QFETCH(QString, model);
        QFETCH(QString, area);
        QFETCH(int, areas);
        test::TestEnvironment env;
        AppDocument().setByte(MemoryMap::ModelFamily, family);
        AppDocument().setByte(MemoryMap::ModelBandCode, code);
        FormModelInformation dialog;
        QCOMPARE(dialog.ComboModel->currentText(), model);
        QCOMPARE(dialog.ComboArea->currentText(), area);
        QCOMPARE(dialog.ComboArea->count(), areas);
    }

    void modelFamilySwitchSelectsFirstBand()
    {
        test::TestEnvironment env;
        AppDocument().setByte(MemoryMap::ModelFamily, 51);
        AppDocument().setByte(MemoryMap::ModelBandCode, 0x93);
        FormModelInformation dialog;
        QCOMPARE(dialog.ComboArea->currentText(), QStringLiteral("420-470MHz"));
        dialog.ComboModel->setCurrentIndex(0);
        dialog.ComboModel_Click();
        QCOMPARE(Items(dialog.ComboArea), QStringList { "136-174MHz" });
        dialog.ComboModel->setCurrentIndex(1);
        dialog.ComboModel_Click();
        QCOMPARE(dialog.ComboArea->currentIndex(), 0);
        QCOMPARE(dialog.ComboArea->currentText(), QStringLiteral("350-370MHz"));
    }

    void modelOk_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("same band") << 5 << int(BoxAnswer::Ok) << false << false << 400 << 520;
        QTest::newRow("other band, OK") << 7 << int(BoxAnswer::Ok) << true << true << 420 << 470;
        QTest::newRow("other band, Cancel") << 7 << int(BoxAnswer::Cancel) << true << false << 400 << 520;
    }
    void modelOk()
    {
        QFETCH(int, position);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, changed);
        QFETCH(int, low);
        QFETCH(int, high);
        test::TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        const std::uint8_t block[] = { 0x50, 0x33, 0x32, 0x30, 0x37, 0x73, 0xF8, 0xFF };
        AppDocument().setBytes(MemoryMap::ModelBlock, block);
        env.prompts().answers.push_back(static_cast<BoxAnswer>(answer));
        FormModelInformation dialog;
        dialog.ComboArea->setCurrentIndex(position);
        dialog.CommandOK->click();
        QCOMPARE(env.prompts().messages.size(), size_t(asked ? 1 : 0));
        if (asked) {
            QCOMPARE(env.prompts().messages[0].text, QStringLiteral("Frequency data will be cleared"));
            QCOMPARE(env.prompts().messages[0].icon, BoxIcon::Error);
            QCOMPARE(env.prompts().messages[0].buttons, BoxButtons::OkCancel);
        }
        QCOMPARE(dialog.ChosenBand().has_value(), changed);
        const BandState band = dialog.ChosenBand().value_or(AppDocument().band());
        QCOMPARE(band.lowMHz, low);
        QCOMPARE(band.highMHz, high);
        QCOMPARE(band.effectiveHighMHz, high);
        // The dialog itself never touches the image.
        QCOMPARE(AppDocument().byte(MemoryMap::ModelBandCode), std::uint8_t(0x73));
    }

    void about_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("description");
        QTest::newRow("English") << true << "About ZUL" << "Version 1.0.2" << "ZUL program software is used for T40";
        QTest::newRow("Chinese") << false << "关于 ZUL" << "版本 1.0.2" << "ZUL 编程软件用于 T40机型";
    }
    void about()
    {
        QFETCH(bool, english);
        QFETCH(QString, caption);
        QFETCH(QString, version);
        QFETCH(QString, description);
        test::TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        frmAbout box;
        QCOMPARE(box.windowTitle(), caption);
        QCOMPARE(box.lblTitle->text(), QStringLiteral("ZUL"));
        QCOMPARE(box.lblVersion->text(), version);
        QCOMPARE(box.lblDescription->text(), description);
        QVERIFY(!box.lblDisclaimer->text().isEmpty());
#ifndef Q_OS_WIN
        // Without a system-information program: Qt's own, as a text to copy.
        QString shown;
        test::OnModal<QDialog>([&](QDialog* info) {
            auto* text = info->findChild<QPlainTextEdit*>(QStringLiteral("SystemInformation"));
            shown = text ? text->toPlainText() : QString();
            for (QPushButton* button : info->findChildren<QPushButton*>())
                if (button->text() == (english ? QStringLiteral("&Copy") : QStringLiteral("复制(&C)")))
                    button->click();
            info->accept();
        });
        box.cmdSysInfo->click();
        QVERIFY(env.prompts().messages.empty());
        QVERIFY2(shown.contains(QStringLiteral("Qt: ") + QString::fromLatin1(qVersion())), qPrintable(shown));
        QVERIFY(shown.contains(QSysInfo::prettyProductName()));
        QVERIFY(shown.contains(QStringLiteral("Serial ports: %1").arg(QSerialPortInfo::availablePorts().size())));
        QCOMPARE(QGuiApplication::clipboard()->text(), shown);
#endif
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
