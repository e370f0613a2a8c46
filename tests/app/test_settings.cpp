#include "interface_language.h"
#include "view_commands.h"
#include "mdi_form_main.h"
#include "reg_keys.h"
#include "settings_values.h"
#include "shared_state.h"
#include "test_support.h"

#include <QLabel>
#include <QLocale>
#include <QSettings>
#include <QTest>

using namespace t40;

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void registryRoundTrip()
    {
        test::TestEnvironment env;
        QCOMPARE(RegReadValue(RegHive::LocalMachine, AppRegistryKey, LanguageValue), QString());
        QVERIFY(RegWriteString(RegHive::LocalMachine, AppRegistryKey, LanguageValue, QStringLiteral("True")));
        QCOMPARE(RegReadValue(RegHive::LocalMachine, AppRegistryKey, LanguageValue), QStringLiteral("True"));
        // The values live in the program's own settings file.
        QSettings settings(QStringLiteral("ZEV"), QStringLiteral("T40"));
        QCOMPARE(settings.value(QStringLiteral("Language")).toString(), QStringLiteral("True"));
        QVERIFY(!RegWriteString(RegHive::LocalMachine, QStringLiteral("Bad"), LanguageValue, QStringLiteral("x")));
        QCOMPARE(RegReadValue(RegHive::LocalMachine, QStringLiteral("Bad"), LanguageValue), QString());
    }

    void language_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("system");
        QTest::addColumn<bool>("english");
        QTest::newRow("True") << "True" << "zh_CN" << true;
        QTest::newRow("true") << "true" << "en_US" << false;
        QTest::newRow("TRUE") << "TRUE" << "en_US" << false;
        QTest::newRow("False") << "False" << "en_US" << false;
        QTest::newRow("True with space") << "True " << "de_DE" << false;
        QTest::newRow("nothing stored, Chinese system") << "" << "zh_CN" << false;
        QTest::newRow("nothing stored, Taiwanese system") << "" << "zh_TW" << false;
        QTest::newRow("nothing stored, English system") << "" << "en_GB" << true;
        QTest::newRow("nothing stored, German system") << "" << "de_DE" << true;
    }
    void language()
    {
        QFETCH(QString, value);
        QFETCH(QString, system);
        QFETCH(bool, english);
        QCOMPARE(LanguageFromSetting(value, QLocale(system)) == QLocale::English, english);
    }

    void comPort_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("port");
        QTest::newRow("empty") << "" << 1;
        QTest::newRow("3") << "3" << 3;
        QTest::newRow("12") << "12" << 12;
        QTest::newRow("leading number") << " 7x" << 7;
        QTest::newRow("rounded") << "3.6" << 4;
        QTest::newRow("tie to even") << "2.5" << 2;
        QTest::newRow("garbage") << "abc" << 1;
        QTest::newRow("zero") << "0" << 1;
        QTest::newRow("negative") << "-4" << 1;
        QTest::newRow("huge") << "99999999999999999999" << 1;
    }
    void comPort()
    {
        QFETCH(QString, value);
        QFETCH(int, port);
        QCOMPARE(ComPortFromSetting(value), port);
    }

    // The start sequence reads both values; "true" in lower case is Chinese.
    void startReadsStoredValues_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("panel");
        QTest::newRow("English, COM3") << "True" << "3" << true << "COM3";
        QTest::newRow("lower-case true") << "true" << "3" << false << "通信端口3";
        const bool systemEnglish = QLocale::system().language() != QLocale::Chinese;
        QTest::newRow("nothing stored: the system's language") << "" << "" << systemEnglish
                                                                << (systemEnglish ? "COM1" : "通信端口1");
    }
    void startReadsStoredValues()
    {
        QFETCH(QString, language);
        QFETCH(QString, port);
        QFETCH(bool, english);
        QFETCH(QString, panel);
        test::TestEnvironment env;
        {
            QSettings settings(QStringLiteral("ZEV"), QStringLiteral("T40"));
            if (!language.isEmpty())
                settings.setValue(QStringLiteral("Language"), language);
            if (!port.isEmpty())
                settings.setValue(QStringLiteral("ComPort"), port);
        }
        MDIFormMain main;
        main.MDIForm_Load();
        QCOMPARE(State().IsEnglish, english);
        QCOMPARE(main.StatusPanels.at(1)->text(), panel);
        // Nothing is written at start.
        QSettings settings(QStringLiteral("ZEV"), QStringLiteral("T40"));
        QCOMPARE(settings.contains(QStringLiteral("Language")), !language.isEmpty());
    }

    // Qt's own buttons speak the interface language.
    void qtTextsFollowTheLanguage()
    {
        test::TestEnvironment env;
        QSettings(QStringLiteral("ZEV"), QStringLiteral("T40")).setValue(QStringLiteral("Language"), QStringLiteral("False"));
        MDIFormMain main;
        main.MDIForm_Load();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
        SetInterfaceLanguage(QLocale::English);
        State().LanguageChanged = true;
        main.view().ApplyLanguageChange();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }

    void decimalSeparatorFollowsTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("separator");
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << ".";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << ",";
        QTest::newRow("Chinese") << QLocale(QLocale::Chinese, QLocale::China) << ".";
    }
    void decimalSeparatorFollowsTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, separator);
        test::TestEnvironment env;
        const QLocale previous;
        QLocale::setDefault(locale);
        MDIFormMain main;
        main.MDIForm_Load();
        QLocale::setDefault(previous);
        QCOMPARE(State().DecimalSeparator, separator);
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
