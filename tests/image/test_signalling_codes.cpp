#include "signalling_codes.h"

#include <QTest>

using namespace t40;

Q_DECLARE_METATYPE(t40::SignallingBytes)

class TestSignallingCodes : public QObject {
    Q_OBJECT
private slots:
    void listHasEveryEntryInOrder()
    {
        const QStringList list = SignallingCodeListTexts(QStringLiteral("."), QStringLiteral("None"));
        QCOMPARE(list.size(), SignallingListSize);
        QCOMPARE(list.at(0), QStringLiteral("None"));
        QCOMPARE(list.at(1), QStringLiteral("67.0"));
        QCOMPARE(list.at(13), QStringLiteral("100.0"));
        QCOMPARE(list.at(50), QStringLiteral("254.1"));
        QCOMPARE(list.at(51), QStringLiteral("D017N"));
        QCOMPARE(list.at(166), QStringLiteral("D765N"));
        QCOMPARE(list.at(167), QStringLiteral("D017I"));
        QCOMPARE(list.at(282), QStringLiteral("D765I"));
        QStringList unique = list;
        QCOMPARE(unique.removeDuplicates(), 0);
        const QStringList comma = SignallingCodeListTexts(QStringLiteral(","), QString::fromUtf8("无"));
        QCOMPARE(comma.at(0), QString::fromUtf8("无"));
        QCOMPARE(comma.at(9), QStringLiteral("88,5"));
    }

    // Every entry, picked or typed, gives bytes that decode to itself at its
    // own position.
    void everyEntryRoundTrips_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::newRow("point") << ".";
        QTest::newRow("comma") << ",";
    }
    void everyEntryRoundTrips()
    {
        QFETCH(QString, separator);
        const QStringList list = SignallingCodeListTexts(separator, QStringLiteral("None"));
        for (int p = 0; p < list.size(); ++p) {
            const auto picked = EncodeSignallingCodeFromList(p, list.at(p), separator);
            QVERIFY2(picked, qPrintable(list.at(p)));
            const TypedSignalling typed = EncodeSignallingCodeFromText(list.at(p), separator);
            QCOMPARE(typed.text, list.at(p));
            QCOMPARE(typed.bytes, *picked);
            const DecodedSignalling decoded = DecodeSignallingCode(picked->low, picked->high, separator,
                                                                   QStringLiteral("None"));
            QCOMPARE(decoded.text, list.at(p));
            QCOMPARE(decoded.position, p);
        }
    }

    void decode_data()
    {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("none") << 0xFF << 0xFF << "None" << 0;
        QTest::newRow("67.0") << 0x9E << 0x02 << "67.0" << 1;
        QTest::newRow("254.1") << 0xED << 0x09 << "254.1" << 50;
        QTest::newRow("D023N") << 0x13 << 0x20 << "D023N" << 52;
        QTest::newRow("D754I") << 0xEC << 0xA1 << "D754I" << 281;
        QTest::newRow("T = 2544 reads as none") << 0xF0 << 0x09 << "None" << 0;
        QTest::newRow("T = 2543 is still a tone") << 0xEF << 0x09 << "254.3" << -1;
        QTest::newRow("tone off the list") << 0x2C << 0x01 << "30.0" << -1;
        QTest::newRow("DCS off the list") << 0x00 << 0x20 << "D000N" << -1;
        QTest::newRow("DCS ignores bits 6 and 4..1") << 0x13 << 0x7E << "D023N" << 52;
        QTest::newRow("tone ignores bits 7..4") << 0x9E << 0xD2 << "67.0" << 1;
        QTest::newRow("only one byte 0xFF is a tone") << 0xFF << 0x00 << "25.5" << -1;
    }
    void decode()
    {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(QString, text);
        QFETCH(int, position);
        const DecodedSignalling decoded = DecodeSignallingCode(low, high, QStringLiteral("."), QStringLiteral("None"));
        QCOMPARE(decoded.text, text);
        QCOMPARE(decoded.position, position);
    }

    void typed_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("D8") << "." << "D8" << "D700N" << 0xC0 << 0x21;
        QTest::newRow("D7") << "." << "D7" << "D700N" << 0xC0 << 0x21;
        QTest::newRow("D23") << "." << "D23" << "D230N" << 0x98 << 0x20;
        QTest::newRow("D.23") << "." << "D.23" << "D023N" << 0x13 << 0x20;
        QTest::newRow("D0231") << "." << "D0231" << "D023N" << 0x13 << 0x20;
        QTest::newRow("D754I") << "." << "D754I" << "D754I" << 0xEC << 0xA1;
        QTest::newRow("D alone") << "." << "D" << "D000N" << 0x00 << 0x20;
        QTest::newRow("letters as digits") << "." << "DNI" << "D770N" << 0xF8 << 0x21;
        QTest::newRow("beyond five dropped") << "." << "D023I99" << "D023I" << 0x13 << 0xA0;
        QTest::newRow("300") << "." << "300" << "254.1" << 0xED << 0x09;
        QTest::newRow("254.14") << "." << "254.14" << "254.1" << 0xED << 0x09;
        QTest::newRow("50") << "." << "50" << "67.0" << 0x9E << 0x02;
        QTest::newRow("88.54") << "." << "88.54" << "88.5" << 0x75 << 0x03;
        QTest::newRow("88.5") << "." << "88.5" << "88.5" << 0x75 << 0x03;
        QTest::newRow("tie to even, up") << "." << "88.55" << "88.6" << 0x76 << 0x03;
        QTest::newRow("tie to even, down") << "." << "88.45" << "88.4" << 0x74 << 0x03;
        QTest::newRow("just above a tie") << "." << "88.4500001" << "88.5" << 0x75 << 0x03;
        QTest::newRow("tie 100.05") << "." << "100.05" << "100.0" << 0xE8 << 0x03;
        QTest::newRow("whole number") << "." << "100" << "100.0" << 0xE8 << 0x03;
        QTest::newRow("comma tone") << "," << "88,5" << "88,5" << 0x75 << 0x03;
        QTest::newRow("point with comma separator") << "," << "88.5" << "67,0" << 0x9E << 0x02;
        QTest::newRow("separator alone") << "." << "." << "67.0" << 0x9E << 0x02;
        QTest::newRow("empty") << "." << "" << "67.0" << 0x9E << 0x02;
        QTest::newRow("trailing letter") << "." << "88N" << "67.0" << 0x9E << 0x02;
        QTest::newRow("lower-case d is a tone") << "." << "d023n" << "67.0" << 0x9E << 0x02;
        QTest::newRow("None") << "." << "None" << "None" << 0xFF << 0xFF;
    }
    void typed()
    {
        QFETCH(QString, separator);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, low);
        QFETCH(int, high);
        const TypedSignalling result = EncodeSignallingCodeFromText(typed, separator);
        QCOMPARE(result.text, text);
        QCOMPARE(int(result.bytes.low), low);
        QCOMPARE(int(result.bytes.high), high);
    }

    void pickedOutsideTheList()
    {
        QVERIFY(!EncodeSignallingCodeFromList(-1, QStringLiteral("None"), QStringLiteral(".")));
        QVERIFY(!EncodeSignallingCodeFromList(283, QStringLiteral("D765I"), QStringLiteral(".")));
        // The position tells the inverted flag, the text the number.
        const auto inverted = EncodeSignallingCodeFromList(200, QStringLiteral("D023N"), QStringLiteral("."));
        QVERIFY(inverted);
        QCOMPARE(int(inverted->high), 0xA0);
    }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("selection");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("digit") << "D0" << false << int('2') << true;
        QTest::newRow("capital D") << "" << false << int('D') << true;
        QTest::newRow("capital N") << "D023" << false << int('N') << true;
        QTest::newRow("capital I") << "D023" << false << int('I') << true;
        QTest::newRow("lower d") << "" << false << int('d') << false;
        QTest::newRow("lower i") << "D023" << false << int('i') << false;
        QTest::newRow("other capital") << "" << false << int('A') << false;
        QTest::newRow("separator") << "88" << false << int('.') << true;
        QTest::newRow("comma is not the separator") << "88" << false << int(',') << false;
        QTest::newRow("sixth character") << "D023N" << false << int('1') << false;
        QTest::newRow("over a selection") << "D023N" << true << int('1') << true;
        QTest::newRow("backspace at five") << "D023N" << false << 8 << true;
        QTest::newRow("enter at five") << "D023N" << false << 13 << true;
    }
    void keyFilter()
    {
        QFETCH(QString, text);
        QFETCH(bool, selection);
        QFETCH(int, key);
        QFETCH(bool, accepted);
        int k = key;
        FilterCodeKeyPress(text, selection, k, QStringLiteral("."));
        QCOMPARE(k != 0, accepted);
        if (accepted)
            QCOMPARE(k, key);
    }
};

QTEST_APPLESS_MAIN(TestSignallingCodes)
#include "test_signalling_codes.moc"
