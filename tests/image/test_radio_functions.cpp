#include "channel_codec.h"
#include "memory_map.h"
#include "radio_functions.h"

#include <QTest>

using namespace t40;

namespace {
// Sets the four receive-frequency bytes of channel c (least significant first).
void SetReceive(RadioImage& image, int channel, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3)
{
    const int record = MemoryMap::ChannelTable + MemoryMap::ChannelRecordSize * (channel - 1);
    image.setByte(record, b0);
    image.setByte(record + 1, b1);
    image.setByte(record + 2, b2);
    image.setByte(record + 3, b3);
}
} // namespace

class TestRadioFunctions : public QObject {
    Q_OBJECT
private slots:
    void keyCodesAndPositions_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("codeBack"); // code stored when that position is chosen
        QTest::newRow("none") << 0 << 0 << 0;
        QTest::newRow("scan") << 1 << 1 << 1;
        QTest::newRow("unused code 2") << 2 << 0 << 0;
        QTest::newRow("monitor") << 3 << 2 << 3;
        QTest::newRow("alarm") << 4 << 3 << 4;
        QTest::newRow("1750") << 5 << 4 << 5;
        QTest::newRow("power") << 6 << 5 << 6;
        QTest::newRow("7") << 7 << 0 << 0;
        QTest::newRow("15") << 15 << 0 << 0;
    }
    void keyCodesAndPositions()
    {
        QFETCH(int, code);
        QFETCH(int, position);
        QFETCH(int, codeBack);
        QCOMPARE(KeyPositionOfCode(code), position);
        QCOMPARE(KeyCodeOfPosition(position), codeBack);
    }

    void keyNibbles_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("byte285");
        QTest::addColumn<int>("byte286");
        // Starting from 285 = 0x53, 286 = 0x01.
        QTest::newRow("PF1 low nibble of 285") << 0 << 6 << 0x56 << 0x01;
        QTest::newRow("PF2 low nibble of 286") << 1 << 0 << 0x53 << 0x00;
        QTest::newRow("PF1 long high nibble of 285") << 2 << 1 << 0x13 << 0x01;
        QTest::newRow("PF2 long high nibble of 286") << 3 << 6 << 0x53 << 0x61;
    }
    void keyNibbles()
    {
        QFETCH(int, key);
        QFETCH(int, code);
        QFETCH(int, byte285);
        QFETCH(int, byte286);
        RadioImage image;
        image.setByte(285, 0x53);
        image.setByte(286, 0x01);
        const RadioImage before = image;
        SetKeyCode(image, key, code);
        QCOMPARE(int(image.byte(285)), byte285);
        QCOMPARE(int(image.byte(286)), byte286);
        QCOMPARE(KeyCode(image, key), code);
        for (int i = 0; i < RadioImage::MemorySize; ++i)
            if (i != 285 && i != 286)
                QCOMPARE(image.memoryByte(i), before.memoryByte(i));
    }

    void scanTimes_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("index");
        QTest::newRow("1.0 s") << 10 << 0;
        QTest::newRow("1.5 s") << 15 << 1;
        QTest::newRow("5.0 s") << 50 << 8;
        QTest::newRow("not a multiple of 5") << 12 << -1;
        QTest::newRow("below") << 5 << -1;
        QTest::newRow("zero") << 0 << -1;
        QTest::newRow("above") << 55 << -1;
        QTest::newRow("erased") << 0xFF << -1;
    }
    void scanTimes()
    {
        QFETCH(int, stored);
        QFETCH(int, index);
        QCOMPARE(ScanTimeIndex(std::uint8_t(stored)), index);
        if (index >= 0)
            QCOMPARE(int(ScanTimeByte(index)), stored);
    }

    void revertChannel_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index");
        QTest::newRow("0 of 4") << 0 << 4 << 0;
        QTest::newRow("3 of 4") << 3 << 4 << 3;
        QTest::newRow("4 of 4 shows talk back") << 4 << 4 << 1;
        QTest::newRow("255 of 4") << 255 << 4 << 1;
        QTest::newRow("1 of 2") << 1 << 2 << 1;
        QTest::newRow("2 of 2") << 2 << 2 << 1;
        QTest::newRow("3 of 2") << 3 << 2 << 1;
    }
    void revertChannel()
    {
        QFETCH(int, stored);
        QFETCH(int, count);
        QFETCH(int, index);
        QCOMPARE(RevertChannelIndex(std::uint8_t(stored), count), index);
    }

    void receiveFrequencyPresence_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("present");
        QTest::newRow("446.00625") << QByteArray("\x25\x06\x60\x44", 4) << true;
        QTest::newRow("500.00000") << QByteArray("\x00\x00\x00\x50", 4) << true;
        QTest::newRow("520.00000") << QByteArray("\x00\x00\x00\x52", 4) << true;
        QTest::newRow("520.00001") << QByteArray("\x01\x00\x00\x52", 4) << false;
        QTest::newRow("50.00000") << QByteArray("\x00\x00\x00\x05", 4) << true;
        QTest::newRow("46.00000") << QByteArray("\x00\x00\x60\x04", 4) << false;
        QTest::newRow("erased") << QByteArray("\xFF\xFF\xFF\xFF", 4) << false;
        QTest::newRow("hex digit in the whole part") << QByteArray("\x00\x00\x60\x4A", 4) << false;
        QTest::newRow("nibble above 9 in the fraction") << QByteArray("\x0F\x00\x60\x44", 4) << true;
    }
    void receiveFrequencyPresence()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, present);
        RadioImage image;
        SetReceive(image, 5, bytes[0], bytes[1], bytes[2], bytes[3]);
        // The scan page offers exactly the channels the channel pages show.
        QCOMPARE(ReceivePresent(image, 5, QStringLiteral(".")), present);
        QVERIFY(!ReceivePresent(image, 4, QStringLiteral(".")));
        QVERIFY(!ReceivePresent(image, 0, QStringLiteral(".")));
        QVERIFY(!ReceivePresent(image, 17, QStringLiteral(".")));
    }

    void messageDecode_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // from 0x300 on; the rest stays 0xFF
        QTest::addColumn<QString>("line1");
        QTest::addColumn<QString>("line2");
        QTest::newRow("erased") << QByteArray() << QString() << QString();
        QTest::newRow("gap closes up") << QByteArray("\x41\xFF\x42", 3) << "AB" << QString();
        QTest::newRow("code 20 shown, 127 not") << QByteArray("\x14\x7F\x7E", 3) << QStringLiteral("\x14~") << QString();
        QTest::newRow("line 2 from 0x320") << QByteArray(32, '\xFF') + "Hi there" << QString() << "Hi there";
        QTest::newRow("full line 1 does not spill") << QByteArray(32, 'x') + "y" << QString(32, 'x') << "y";
    }
    void messageDecode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, line1);
        QFETCH(QString, line2);
        RadioImage image;
        for (int i = 0; i < bytes.size(); ++i)
            image.setByte(0x300 + i, std::uint8_t(bytes[i]));
        const auto lines = DecodeEmbeddedMessage(image);
        QCOMPARE(lines[0], line1);
        QCOMPARE(lines[1], line2);
    }

    void messageEncode_data()
    {
        QTest::addColumn<QString>("line1");
        QTest::addColumn<QString>("line2");
        QTest::addColumn<bool>("stored");
        QTest::newRow("five characters") << "HELLO" << QString() << true;
        QTest::newRow("trailing spaces kept") << "A  " << " B " << true;
        QTest::newRow("32 characters") << QString(32, 'Z') << QString(32, 'a') << true;
        QTest::newRow("33 characters refused") << QString(33, 'Z') << QString() << false;
        QTest::newRow("Chinese refused") << QStringLiteral("中文") << QString() << false;
        QTest::newRow("Latin-1 refused") << QStringLiteral("caf\u00e9") << QString() << false;
        QTest::newRow("DEL refused") << QStringLiteral("a\x7f") << QString() << false;
    }
    void messageEncode()
    {
        QFETCH(QString, line1);
        QFETCH(QString, line2);
        QFETCH(bool, stored);
        RadioImage image;
        for (int i = 0x300; i < 0x340; ++i)
            image.setByte(i, 0x55); // tune data that only a stored message may replace
        const RadioImage before = image;
        QCOMPARE(EncodeEmbeddedMessage(image, line1, line2), stored);
        if (!stored) {
            QVERIFY(image == before);
            return;
        }
        for (int j = 0; j < 32; ++j) {
            QCOMPARE(int(image.byte(0x300 + j)), j < line1.size() ? line1[j].unicode() : 0xFF);
            QCOMPARE(int(image.byte(0x320 + j)), j < line2.size() ? line2[j].unicode() : 0xFF);
        }
        QCOMPARE(image.byte(0x2FF), before.byte(0x2FF));
        QCOMPARE(image.byte(0x340), before.byte(0x340));
        const auto lines = DecodeEmbeddedMessage(image);
        QCOMPARE(lines[0], line1);
        QCOMPARE(lines[1], line2);
    }
};

QTEST_APPLESS_MAIN(TestRadioFunctions)
#include "test_radio_functions.moc"
