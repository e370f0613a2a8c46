#include "channel_codec.h"
#include "memory_map.h"

#include <QTest>

using namespace t40;

namespace {
FrequencyBytes Bytes(int b0, int b1, int b2, int b3)
{
    return { std::uint8_t(b0), std::uint8_t(b1), std::uint8_t(b2), std::uint8_t(b3) };
}

void PutReceive(RadioImage& image, int channel, const QString& mhz)
{
    WriteFrequency(image, channel, ChannelField::Receive, EncodeFrequency(mhz, QStringLiteral(".")));
}
} // namespace

Q_DECLARE_METATYPE(t40::FrequencyBytes)

class TestChannelCodec : public QObject {
    Q_OBJECT
private slots:
    void recordOffsets_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("offset");
        QTest::newRow("channel 1") << 0 << 1 << 16;
        QTest::newRow("channel 16") << 0 << 16 << 256;
        QTest::newRow("channel 0") << 0 << 0 << -1;
        QTest::newRow("channel 17") << 0 << 17 << -1;
        QTest::newRow("group 1") << 1 << 1 << -1;
        QTest::newRow("negative group") << -1 << 1 << -1;
    }
    void recordOffsets()
    {
        QFETCH(int, group);
        QFETCH(int, channel);
        QFETCH(int, offset);
        QCOMPARE(ChannelRecordOffset(group, channel).value_or(-1), offset);
    }

    void scanBits_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("byteOffset");
        QTest::addColumn<int>("bit");
        QTest::newRow("1") << 1 << 382 << 0;
        QTest::newRow("8") << 8 << 382 << 7;
        QTest::newRow("9") << 9 << 383 << 0;
        QTest::newRow("16") << 16 << 383 << 7;
    }
    void scanBits()
    {
        QFETCH(int, channel);
        QFETCH(int, byteOffset);
        QFETCH(int, bit);
        const auto location = ScanBitLocation(0, channel);
        QVERIFY(location);
        QCOMPARE(location->byteOffset, byteOffset);
        QCOMPARE(location->bit, bit);
        QVERIFY(!ScanBitLocation(0, 17));
        QVERIFY(!ScanBitLocation(1, 1));
    }

    void decodeFrequency_data()
    {
        QTest::addColumn<FrequencyBytes>("bytes");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("units"); // -1: not present
        QTest::newRow("446.00625") << Bytes(0x25, 0x06, 0x60, 0x44) << "." << "446.00625" << 44600625;
        QTest::newRow("comma") << Bytes(0x25, 0x06, 0x60, 0x44) << "," << "446,00625" << 44600625;
        QTest::newRow("500") << Bytes(0, 0, 0, 0x50) << "." << "500.00000" << 50000000;
        QTest::newRow("490") << Bytes(0, 0, 0, 0x49) << "." << "490.00000" << 49000000;
        QTest::newRow("46 is below 50") << Bytes(0, 0, 0x60, 0x04) << "." << "46.00000" << -1;
        QTest::newRow("49.99999 is below 50") << Bytes(0x99, 0x99, 0x99, 0x04) << "." << "49.99999" << -1;
        QTest::newRow("50 is the lowest") << Bytes(0, 0, 0, 0x05) << "." << "50.00000" << 5000000;
        QTest::newRow("520 is the highest") << Bytes(0, 0, 0x00, 0x52) << "." << "520.00000" << 52000000;
        QTest::newRow("520.00001 is too high") << Bytes(0x01, 0, 0x00, 0x52) << "." << "520.00001" << -1;
        QTest::newRow("erased") << Bytes(0xFF, 0xFF, 0xFF, 0xFF) << "." << "FF15.1515151515" << -1;
        QTest::newRow("hex digit in the MHz") << Bytes(0, 0, 0, 0x4A) << "." << "4A0.00000" << -1;
        QTest::newRow("hex digit leading the MHz") << Bytes(0, 0, 0, 0xA4) << "." << "A40.00000" << -1;
        QTest::newRow("nibble above 9") << Bytes(0, 0, 0xA0, 0x44) << "." << "4410.00000" << -1;
        QTest::newRow("nibble above 9 in the kHz") << Bytes(0x2A, 0x06, 0x60, 0x44) << "." << "446.006210" << 44600621;
        QTest::newRow("a sixth digit below half") << Bytes(0x0A, 0, 0x60, 0x14) << "." << "146.000010" << 14600001;
        QTest::newRow("a tie rounds up to even") << Bytes(0x5F, 0x99, 0x99, 0x14) << "." << "149.999515" << 14999952;
        QTest::newRow("a tie rounds down to even") << Bytes(0xC5, 0, 0x60, 0x44) << "." << "446.000125" << 44600012;
        QTest::newRow("520 with an extra zero") << Bytes(0x0A, 0, 0, 0x52) << "." << "520.000010" << -1;
    }
    void decodeFrequency()
    {
        QFETCH(FrequencyBytes, bytes);
        QFETCH(QString, separator);
        QFETCH(QString, text);
        QFETCH(int, units);
        const DecodedFrequency decoded = DecodeFrequency(bytes, separator);
        QCOMPARE(decoded.text, text);
        QCOMPARE(decoded.present, units >= 0);
        QCOMPARE(DecodeFrequencyUnits(bytes).value_or(-1), units);
    }

    void encodeFrequency_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<FrequencyBytes>("bytes");
        QTest::newRow("446.00625") << "446.00625" << "." << Bytes(0x25, 0x06, 0x60, 0x44);
        QTest::newRow("comma") << "446,00625" << "," << Bytes(0x25, 0x06, 0x60, 0x44);
        QTest::newRow("whole") << "446" << "." << Bytes(0, 0, 0x60, 0x44);
        QTest::newRow("tie rounds to even, down") << "446.000005" << "." << Bytes(0x00, 0, 0x60, 0x44);
        QTest::newRow("tie rounds to even, up") << "446.000015" << "." << Bytes(0x02, 0, 0x60, 0x44);
        QTest::newRow("above the tie") << "446.0000050001" << "." << Bytes(0x01, 0, 0x60, 0x44);
        // 0.1 + 0.2 style traps: in binary 146.000025 is not exactly a tie.
        QTest::newRow("exact tie 146.000025") << "146.000025" << "." << Bytes(0x02, 0, 0x60, 0x14);
        QTest::newRow("exact tie 146.000035") << "146.000035" << "." << Bytes(0x04, 0, 0x60, 0x14);
        QTest::newRow("carry into MHz") << "439.999995" << "." << Bytes(0x00, 0x00, 0x00, 0x44);
    }
    void encodeFrequency()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(FrequencyBytes, bytes);
        QCOMPARE(EncodeFrequency(text, separator), bytes);
    }

    void decodeChannelFlags_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("power");
        QTest::addColumn<int>("busy");
        QTest::addColumn<int>("spacing");
        QTest::newRow("created") << 0x88 << 2 << 0 << 1;
        QTest::newRow("low carrier narrow") << 0x10 << 0 << 1 << 0;
        QTest::newRow("middle QT/DQT") << 0x60 << 1 << 2 << 0;
        QTest::newRow("power 11 reads High, busy 11 None") << 0xF7 << 2 << 0 << 0;
    }
    void decodeChannelFlags()
    {
        QFETCH(int, flags);
        QFETCH(int, power);
        QFETCH(int, busy);
        QFETCH(int, spacing);
        RadioImage image;
        PutReceive(image, 4, QStringLiteral("446"));
        image.setByte(16 * 4 + ChannelField::Flags, std::uint8_t(flags));
        const ChannelView view = DecodeChannel(image, 4, QStringLiteral("."), QStringLiteral("None"));
        QVERIFY(view.present);
        QVERIFY(!view.transmitPresent);
        QCOMPARE(PowerPosition(view.powerBits), power);
        QCOMPARE(BusyLockPosition(view.busyLockBits), busy);
        QCOMPARE(view.spacingBit, spacing);
    }

    void insertShiftsDownWithScanBits()
    {
        RadioImage image;
        for (int c = 1; c <= 15; ++c)
            PutReceive(image, c, QString::number(400 + c));
        image.setByte(MemoryMap::ScanAddBitmap, 0x05);     // channels 1 and 3
        image.setByte(MemoryMap::ScanAddBitmap + 1, 0x40); // channel 15
        QVERIFY(InsertChannel(image, 1, QStringLiteral(".")));
        QVERIFY(!ReceivePresent(image, 1, QStringLiteral(".")));
        for (int c = 2; c <= 16; ++c)
            QCOMPARE(ReceiveMHz(image, c), 400 + c - 1);
        QCOMPARE(int(image.byte(MemoryMap::ScanAddBitmap)), 0x0A);
        QCOMPARE(int(image.byte(MemoryMap::ScanAddBitmap + 1)), 0x80);
        // The table is full now.
        const RadioImage before = image;
        QVERIFY(!InsertChannel(image, 3, QStringLiteral(".")));
        QVERIFY(image == before);
    }

    void removeShiftsUp()
    {
        RadioImage image;
        for (int c = 1; c <= 16; ++c)
            PutReceive(image, c, QString::number(400 + c));
        image.setByte(MemoryMap::ScanAddBitmap, 0x02);     // channel 2
        image.setByte(MemoryMap::ScanAddBitmap + 1, 0x81); // channels 9 and 16
        RemoveChannel(image, 1);
        for (int c = 1; c <= 15; ++c)
            QCOMPARE(ReceiveMHz(image, c), 400 + c + 1);
        QVERIFY(!ReceivePresent(image, 16, QStringLiteral(".")));
        QCOMPARE(int(image.byte(MemoryMap::ScanAddBitmap)), 0x81);     // 1 and 8
        QCOMPARE(int(image.byte(MemoryMap::ScanAddBitmap + 1)), 0x40); // 15
        // Deleting the last channel erases it.
        RemoveChannel(image, 15);
        QVERIFY(!ReceivePresent(image, 15, QStringLiteral(".")));
        for (int i = 16 * 15; i < 16 * 17; ++i)
            QCOMPARE(int(image.byte(i)), 0xFF);
        QCOMPARE(int(image.byte(MemoryMap::ScanAddBitmap + 1)), 0x00);
    }

    void copyChannel()
    {
        RadioImage image;
        PutReceive(image, 3, QStringLiteral("433.5"));
        image.setByte(16 * 3 + 15, 0x02);
        WriteScanBit(image, 3, false);
        WriteScanBit(image, 5, true);
        const RadioImage before = image;
        CopyChannel(image, 3, 3);
        QVERIFY(image == before);
        CopyChannel(image, 3, 5);
        for (int k = 0; k < 16; ++k)
            QCOMPARE(image.byte(16 * 5 + k), image.byte(16 * 3 + k));
        QVERIFY(!ReadScanBit(image, 5));
    }

private:
    static int ReceiveMHz(const RadioImage& image, int channel)
    {
        const DecodedFrequency f = DecodeFrequency(ReadFrequency(image, channel, ChannelField::Receive), QStringLiteral("."));
        return f.present ? f.text.left(3).toInt() : -1;
    }
};

QTEST_APPLESS_MAIN(TestChannelCodec)
#include "test_channel_codec.moc"
