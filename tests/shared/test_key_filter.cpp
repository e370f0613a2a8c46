#include "key_filter.h"
#include "shared_state.h"
#include "test_support.h"

#include <QLineEdit>
#include <QTest>

using namespace t40;

class TestKeyFilter : public QObject {
    Q_OBJECT
private slots:
    void filter_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("selection");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        const int bs = KeyBackspace, enter = KeyEnter;
        QTest::newRow("digit") << 1 << "." << "44" << false << int('6') << int('6');
        QTest::newRow("separator") << 1 << "." << "446" << false << int('.') << int('.');
        QTest::newRow("second separator") << 1 << "." << "446.0" << false << int('.') << 0;
        QTest::newRow("point when comma is the separator") << 1 << "," << "446" << false << int('.') << 0;
        QTest::newRow("comma separator") << 1 << "," << "446" << false << int(',') << int(',');
        QTest::newRow("second comma") << 1 << "," << "446,0" << false << int(',') << 0;
        QTest::newRow("letter") << 1 << "." << "" << false << int('a') << 0;
        QTest::newRow("upper letter") << 1 << "." << "" << false << int('Z') << 0;
        QTest::newRow("minus") << 1 << "." << "" << false << int('-') << 0;
        QTest::newRow("tenth key") << 1 << "," << "446,00625" << false << int('5') << 0;
        QTest::newRow("tenth key over a selection") << 1 << "," << "446,00625" << true << int('5') << int('5');
        QTest::newRow("backspace when full") << 1 << "," << "446,00625" << false << bs << bs;
        QTest::newRow("enter when full") << 1 << "," << "446,00625" << false << enter << enter;
        QTest::newRow("mode 4 third digit") << 4 << "." << "12" << false << int('3') << int('3');
        QTest::newRow("mode 4 fourth digit") << 4 << "." << "123" << false << int('4') << 0;
        QTest::newRow("mode 4 separator") << 4 << "." << "1" << false << int('.') << 0;
        QTest::newRow("mode 4 backspace") << 4 << "." << "123" << false << bs << bs;
        QTest::newRow("mode 4 enter") << 4 << "." << "123" << false << enter << enter;
        QTest::newRow("mode 5 third digit") << 5 << "." << "12" << false << int('3') << 0;
        QTest::newRow("mode 5 second digit") << 5 << "." << "1" << false << int('2') << int('2');
        QTest::newRow("mode 5 comma") << 5 << "," << "1" << false << int(',') << 0;
    }
    void filter()
    {
        QFETCH(int, mode);
        QFETCH(QString, separator);
        QFETCH(QString, text);
        QFETCH(bool, selection);
        QFETCH(int, key);
        QFETCH(int, result);
        FilterKeyPress(text, selection, key, mode, separator);
        QCOMPARE(key, result);
    }

    // Typing into a real box: nine characters, then nothing more.
    void typingIntoABox()
    {
        test::TestEnvironment env;
        State().DecimalSeparator = QStringLiteral(",");
        QLineEdit edit;
        InstallKeyFilter(&edit, FrequencyKeys);
        edit.show();
        QTest::keyClicks(&edit, QStringLiteral("4a46.,,006259"));
        QCOMPARE(edit.text(), QStringLiteral("446,00625"));
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("446,0062"));
        edit.selectAll();
        QTest::keyClicks(&edit, QStringLiteral("7"));
        QCOMPARE(edit.text(), QStringLiteral("7"));
        // Navigation keys are not characters and pass.
        QTest::keyClick(&edit, Qt::Key_Home);
        QTest::keyClicks(&edit, QStringLiteral("1"));
        QCOMPARE(edit.text(), QStringLiteral("17"));
    }

    void digitBoxes()
    {
        test::TestEnvironment env;
        QLineEdit three;
        InstallKeyFilter(&three, ThreeDigitKeys);
        QTest::keyClicks(&three, QStringLiteral("1x2.345"));
        QCOMPARE(three.text(), QStringLiteral("123"));
        QLineEdit two;
        InstallKeyFilter(&two, TwoDigitKeys);
        QTest::keyClicks(&two, QStringLiteral("987"));
        QCOMPARE(two.text(), QStringLiteral("98"));
    }
};

QTEST_MAIN(TestKeyFilter)
#include "test_key_filter.moc"
