#include "code_entry.h"
#include "key_filter.h"
#include "shared_state.h"
#include "test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
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

    // Text that does not come as a plain key obeys the same rules: keys with
    // Alt, AltGr or Meta, paste, input-method commits and dropped text. A
    // refused text changes nothing; Ctrl shortcuts still reach the box.
    void everyWayInIsFiltered_data()
    {
        QTest::addColumn<bool>("codeChooser");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        for (const bool code : { false, true }) {
            const QString start = code ? QStringLiteral("None") : QStringLiteral("446");
            const char* box = code ? "code " : "frequency ";
            QTest::newRow(QByteArray(box).append("Alt+O").constData()) << code << "alt" << "o" << start;
            QTest::newRow(QByteArray(box).append("AltGr+X").constData()) << code << "altgr" << "x" << start;
            QTest::newRow(QByteArray(box).append("Meta+X").constData()) << code << "meta" << "x" << start;
            QTest::newRow(QByteArray(box).append("paste letters").constData()) << code << "paste" << "4x6" << start;
            QTest::newRow(QByteArray(box).append("input method").constData()) << code << "ime" << "四" << start;
            QTest::newRow(QByteArray(box).append("drop").constData()) << code << "drop" << "Z" << start;
        }
        QTest::newRow("frequency paste too long") << false << "paste" << "1234567" << "446";
        QTest::newRow("frequency paste second separator") << false << "paste" << ".0.5" << "446";
        QTest::newRow("frequency paste digits") << false << "paste" << ".00625" << "446.00625";
        QTest::newRow("frequency Alt+digit") << false << "alt" << "5" << "4465";
        QTest::newRow("code paste") << true << "paste" << "D023N" << "D023N";
        QTest::newRow("code input method digits") << true << "ime" << "67.0" << "67.0";
    }
    void everyWayInIsFiltered()
    {
        QFETCH(bool, codeChooser);
        QFETCH(QString, way);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        test::TestEnvironment env;
        State().DecimalSeparator = QStringLiteral(".");
        QLineEdit freq;
        QComboBox combo;
        combo.addItems({ QStringLiteral("None"), QStringLiteral("67.0") });
        QLineEdit* edit = &freq;
        if (codeChooser) {
            SetUpCodeChooser(&combo);
            edit = combo.lineEdit();
            combo.setCurrentIndex(0);
            combo.show();
            combo.setFocus();
        } else {
            InstallKeyFilter(&freq, FrequencyKeys);
            freq.setText(QStringLiteral("446"));
            freq.show();
            freq.setFocus();
        }
        // Typing over "None" replaces it; appending to "446" keeps it.
        if (codeChooser)
            edit->selectAll();
        else
            edit->end(false);
        QWidget* target = codeChooser ? static_cast<QWidget*>(&combo) : edit;
        if (way == QStringLiteral("alt") || way == QStringLiteral("altgr") || way == QStringLiteral("meta")) {
            const Qt::KeyboardModifiers modifiers = way == QStringLiteral("alt") ? Qt::AltModifier
                : way == QStringLiteral("meta")                                   ? Qt::MetaModifier
                                                                                  : Qt::ControlModifier | Qt::AltModifier;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, modifiers, text);
            QApplication::sendEvent(target, &press);
        } else if (way == QStringLiteral("paste")) {
            QApplication::clipboard()->setText(text);
            edit->paste();
        } else if (way == QStringLiteral("ime")) {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(edit, &commit);
        } else {
            edit->insert(text); // what a drop does with the dragged text
        }
        QCOMPARE(edit->text(), expected);
        // Ctrl shortcuts are commands, not characters: select-all still works.
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit->selectedText(), expected);
    }
};

QTEST_MAIN(TestKeyFilter)
#include "test_key_filter.moc"
