#include "batch_fill.h"
#include "channel_codec.h"
#include "memory_map.h"
#include "signalling_codes.h"

#include <QTest>

using namespace t40;

namespace {
const BandState Band { QStringLiteral("UHF"), 400, 480, 470 };
const QString Dot = QStringLiteral(".");

QString Rx(const RadioImage& image, int channel)
{
    const auto f = DecodeFrequency(ReadFrequency(image, channel, ChannelField::Receive), Dot);
    return f.present ? f.text : QString();
}
QString Tx(const RadioImage& image, int channel)
{
    const auto f = DecodeFrequency(ReadFrequency(image, channel, ChannelField::Transmit), Dot);
    return f.present ? f.text : QString();
}
QString Code(const RadioImage& image, int channel, int field)
{
    const SignallingBytes b = ReadCode(image, channel, field);
    return DecodeSignallingCode(b.low, b.high, Dot, QStringLiteral("None")).text;
}

// Channels 1..n present at 410 MHz with codes and flags of their own.
RadioImage Filled(int n = ChannelsPerGroup)
{
    RadioImage image;
    for (int c = 1; c <= n; ++c) {
        WriteFrequency(image, c, ChannelField::Receive, EncodeFrequency(QStringLiteral("410"), Dot));
        WriteFrequency(image, c, ChannelField::Transmit, EncodeFrequency(QStringLiteral("411"), Dot));
        WriteCode(image, c, ChannelField::Decode, { 0x13, 0x20 });
        WriteCode(image, c, ChannelField::Encode, { 0x13, 0x20 });
        WriteFlagBits(image, c, 0xFF, 0x45);
        WriteScanBit(image, c, c % 2 == 0);
    }
    return image;
}

RandomSource Fixed(std::vector<double> values)
{
    auto shared = std::make_shared<std::vector<double>>(std::move(values));
    auto next = std::make_shared<std::size_t>(0);
    return [shared, next] { return shared->at((*next)++ % shared->size()); };
}

BatchRange Range(int first, int last, bool clear = false) { return { first, last, clear }; }
} // namespace

class TestBatchFill : public QObject {
    Q_OBJECT
private slots:
    void receiveStepping_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("down");
        QTest::addColumn<QStringList>("expected"); // channels 1..4
        QTest::newRow("12.5 kHz up") << "." << "400.00000" << "12.5" << false
                                     << QStringList { "400.00000", "400.01250", "400.02500", "400.03750" };
        QTest::newRow("comma separator") << "," << "400,00000" << "12,5" << false
                                         << QStringList { "400,00000", "400,01250", "400,02500", "400,03750" };
        QTest::newRow("6.25 kHz down") << "." << "450.00000" << "6.25" << true
                                       << QStringList { "450.00000", "449.99375", "449.98750", "449.98125" };
        QTest::newRow("no step") << "." << "446.00625" << "0" << false
                                 << QStringList { "446.00625", "446.00625", "446.00625", "446.00625" };
        QTest::newRow("stops at the upper limit") << "." << "479.99000" << "5000" << false
                                                  << QStringList { "479.99000", "480.00000", "480.00000", "480.00000" };
        QTest::newRow("stops at the lower limit, then climbs back") << "." << "400.01000" << "10" << true
                                                  << QStringList { "400.01000", "400.00000", "400.00000", "400.00000" };
        QTest::newRow("start above the band") << "." << "500" << "1" << true
                                              << QStringList { "480.00000", "479.99900", "479.99800", "479.99700" };
        // 1/3 kHz steps add up exactly: the third channel is 400.00666..., rounded to 400.00667.
        QTest::newRow("steps finer than the image") << "." << "400" << "0.3333333" << false
                                                    << QStringList { "400.00000", "400.00033", "400.00067", "400.00100" };
    }
    void receiveStepping()
    {
        QFETCH(QString, separator);
        QFETCH(QString, start);
        QFETCH(QString, step);
        QFETCH(bool, down);
        QFETCH(QStringList, expected);
        RadioImage image;
        BatchFill fill;
        fill.setReceive = true;
        fill.receiveStart = start;
        fill.receiveStepKHz = step;
        fill.receiveDown = down;
        ApplyBatchFill(image, Range(0, 3), fill, separator, Band, Fixed({ 0 }));
        for (int c = 1; c <= 4; ++c) {
            const auto f = DecodeFrequency(ReadFrequency(image, c, ChannelField::Receive), separator);
            QCOMPARE(f.text, expected.at(c - 1));
        }
        QVERIFY(!ReceivePresent(image, 5, separator));
    }

    void newChannelsGetTheChannelDefaults()
    {
        RadioImage image;
        BatchFill fill;
        fill.setReceive = true;
        fill.receiveStart = QStringLiteral("475");
        fill.receiveStepKHz = QStringLiteral("0");
        ApplyBatchFill(image, Range(0, 1), fill, Dot, Band, Fixed({ 0 }));
        for (int c = 1; c <= 2; ++c) {
            QCOMPARE(Rx(image, c), QStringLiteral("475.00000"));
            // Above the transmit limit: the channel transmits at the limit.
            QCOMPARE(Tx(image, c), QStringLiteral("470.00000"));
            QCOMPARE(ReadFlags(image, c), ChannelFlags::Created);
            QVERIFY(ReadScanBit(image, c));
            QCOMPARE(ReadCode(image, c, ChannelField::Decode), NoSignallingCode);
        }
    }

    void transmit_data()
    {
        QTest::addColumn<bool>("setReceive");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<bool>("minus");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("down");
        QTest::addColumn<QStringList>("expected"); // channels 1..3
        const int def = int(BatchTransmit::Default);
        const int off = int(BatchTransmit::Offset);
        const int inc = int(BatchTransmit::Incept);
        // Receive runs 440.00000, 440.02500, 440.05000 when set.
        QTest::newRow("default follows receive") << true << def << "" << false << "" << "" << false
                                                 << QStringList { "440.00000", "440.02500", "440.05000" };
        QTest::newRow("default without receive is the lower limit") << false << def << "" << false << "" << "" << false
                                                 << QStringList { "400.00000", "400.00000", "400.00000" };
        QTest::newRow("offset plus") << true << off << "5" << false << "" << "" << false
                                     << QStringList { "445.00000", "445.02500", "445.05000" };
        QTest::newRow("offset minus") << true << off << "10.5" << true << "" << "" << false
                                      << QStringList { "429.50000", "429.52500", "429.55000" };
        QTest::newRow("offset beyond the transmit limit") << true << off << "30.02" << false << "" << "" << false
                                      << QStringList { "470.00000", "470.00000", "470.00000" };
        QTest::newRow("offset without receive") << false << off << "7" << false << "" << "" << false
                                      << QStringList { "400.00000", "400.00000", "400.00000" };
        QTest::newRow("incept up") << true << inc << "" << false << "450.1" << "12.5" << false
                                   << QStringList { "450.10000", "450.11250", "450.12500" };
        QTest::newRow("incept down to the limit") << false << inc << "" << false << "400.01" << "10" << true
                                   << QStringList { "400.01000", "400.00000", "400.00000" };
        QTest::newRow("incept above the transmit limit") << true << inc << "" << false << "475" << "1" << true
                                   << QStringList { "470.00000", "469.99900", "469.99800" };
    }
    void transmit()
    {
        QFETCH(bool, setReceive);
        QFETCH(int, mode);
        QFETCH(QString, offset);
        QFETCH(bool, minus);
        QFETCH(QString, start);
        QFETCH(QString, step);
        QFETCH(bool, down);
        QFETCH(QStringList, expected);
        RadioImage image = Filled();
        BatchFill fill;
        fill.setReceive = setReceive;
        fill.receiveStart = QStringLiteral("440");
        fill.receiveStepKHz = QStringLiteral("25");
        fill.setTransmit = true;
        fill.transmit = BatchTransmit(mode);
        fill.transmitOffset = offset;
        fill.offsetMinus = minus;
        fill.transmitStart = start;
        fill.transmitStepKHz = step;
        fill.transmitDown = down;
        ApplyBatchFill(image, Range(0, 2), fill, Dot, Band, Fixed({ 0 }));
        for (int c = 1; c <= 3; ++c)
            QCOMPARE(Tx(image, c), expected.at(c - 1));
        QCOMPARE(Tx(image, 4), QStringLiteral("411.00000"));
        QCOMPARE(Rx(image, 1), setReceive ? QStringLiteral("440.00000") : QStringLiteral("410.00000"));
    }

    void codes_data()
    {
        QTest::addColumn<bool>("setDecode");
        QTest::addColumn<bool>("decodeRandom");
        QTest::addColumn<int>("decodeStart");
        QTest::addColumn<int>("decodeStep");
        QTest::addColumn<bool>("decodeDown");
        QTest::addColumn<bool>("encodeDefault");
        QTest::addColumn<bool>("encodeRandom");
        QTest::addColumn<int>("encodeStart");
        QTest::addColumn<int>("encodeStep");
        QTest::addColumn<bool>("encodeDown");
        QTest::addColumn<QList<double>>("random");
        QTest::addColumn<QStringList>("decode"); // channels 1..3
        QTest::addColumn<QStringList>("encode");
        const QList<double> none { 0.0 };
        QTest::newRow("wrap up past the end") << true << false << 282 << 1 << false << false << false << 1 << 10 << false
            << none << QStringList { "D765I", "None", "67.0" } << QStringList { "67.0", "94.8", "131.8" };
        QTest::newRow("wrap down past None") << true << false << 1 << 1 << true << false << false << 51 << 2 << true
            << none << QStringList { "67.0", "None", "D765I" } << QStringList { "D017N", "250.3", "233.6" };
        QTest::newRow("a large step wraps to None, not around")
            << true << false << 280 << 50 << false << false << false << 0 << 99 << true
            << none << QStringList { "D743I", "None", "254.1" } << QStringList { "None", "D765I", "D072I" };
        QTest::newRow("encode follows decode") << true << false << 51 << 116 << false << true << false << 0 << 0 << false
            << none << QStringList { "D017N", "D017I", "None" } << QStringList { "D017N", "D017I", "None" };
        QTest::newRow("encode default without decode is None")
            << false << false << 5 << 1 << false << true << false << 9 << 9 << false
            << none << QStringList { "D023N", "D023N", "D023N" } << QStringList { "None", "None", "None" };
        // random() * 282 rounded: 0 -> 0, 0.5 -> 141, 0.9999 -> 282, 0.1 -> 28.
        QTest::newRow("random decode, encode following")
            << true << true << 7 << 3 << false << true << false << 0 << 0 << false
            << QList<double> { 0.5, 0.9999, 0.1 } << QStringList { "D516N", "D765I", "162.2" }
            << QStringList { "D516N", "D765I", "162.2" };
        QTest::newRow("random encode only") << false << false << 0 << 0 << false << false << true << 3 << 1 << false
            << QList<double> { 0.0, 0.5 } << QStringList { "D023N", "D023N", "D023N" }
            << QStringList { "None", "D516N", "None" };
    }
    void codes()
    {
        QFETCH(bool, setDecode);
        QFETCH(bool, decodeRandom);
        QFETCH(int, decodeStart);
        QFETCH(int, decodeStep);
        QFETCH(bool, decodeDown);
        QFETCH(bool, encodeDefault);
        QFETCH(bool, encodeRandom);
        QFETCH(int, encodeStart);
        QFETCH(int, encodeStep);
        QFETCH(bool, encodeDown);
        QFETCH(QList<double>, random);
        QFETCH(QStringList, decode);
        QFETCH(QStringList, encode);
        RadioImage image = Filled();
        BatchFill fill;
        fill.setDecode = setDecode;
        fill.decodeRandom = decodeRandom;
        fill.decodeStart = decodeStart;
        fill.decodeStep = decodeStep;
        fill.decodeDown = decodeDown;
        fill.setEncode = true;
        fill.encodeDefault = encodeDefault;
        fill.encodeRandom = encodeRandom;
        fill.encodeStart = encodeStart;
        fill.encodeStep = encodeStep;
        fill.encodeDown = encodeDown;
        ApplyBatchFill(image, Range(0, 2), fill, Dot, Band, Fixed({ random.begin(), random.end() }));
        for (int c = 1; c <= 3; ++c) {
            QCOMPARE(Code(image, c, ChannelField::Decode), decode.at(c - 1));
            QCOMPARE(Code(image, c, ChannelField::Encode), encode.at(c - 1));
        }
        QCOMPARE(Code(image, 4, ChannelField::Encode), QStringLiteral("D023N"));
    }

    void flags_data()
    {
        QTest::addColumn<int>("power");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<int>("busyLock");
        QTest::addColumn<bool>("scanAdd");
        QTest::addColumn<int>("flags"); // from 0x45: power 01, busy 00, spacing 0, low bits 101
        QTest::newRow("low, narrow, none, out of scan") << 0 << 0 << 0 << false << 0x05;
        QTest::newRow("high, wide, QT/DQT, in scan") << 2 << 1 << 2 << true << 0xAD;
        QTest::newRow("middle, wide, carrier") << 1 << 1 << 1 << true << 0x5D;
    }
    void flags()
    {
        QFETCH(int, power);
        QFETCH(int, spacing);
        QFETCH(int, busyLock);
        QFETCH(bool, scanAdd);
        QFETCH(int, flags);
        RadioImage image = Filled();
        BatchFill fill;
        fill.setPower = fill.setSpacing = fill.setBusyLock = fill.setScanAdd = true;
        fill.power = power;
        fill.spacing = spacing;
        fill.busyLock = busyLock;
        fill.scanAdd = scanAdd;
        ApplyBatchFill(image, Range(3, 5), fill, Dot, Band, Fixed({ 0 }));
        for (int c = 4; c <= 6; ++c) {
            QCOMPARE(int(ReadFlags(image, c)), flags);
            QCOMPARE(ReadScanBit(image, c), scanAdd);
        }
        QCOMPARE(int(ReadFlags(image, 3)), 0x45);
        QCOMPARE(int(ReadFlags(image, 7)), 0x45);
        QCOMPARE(ReadScanBit(image, 8), true);
        QCOMPARE(ReadScanBit(image, 7), false);
    }

    // Without a receive frequency an empty channel gets nothing, but the
    // stepping goes on past it.
    void emptyChannelsStayEmpty()
    {
        RadioImage image = Filled(4);
        EraseChannel(image, 2);
        const RadioImage before = image;
        BatchFill fill;
        fill.setTransmit = fill.setDecode = fill.setEncode = true;
        fill.setPower = fill.setSpacing = fill.setBusyLock = fill.setScanAdd = true;
        fill.transmit = BatchTransmit::Incept;
        fill.transmitStart = QStringLiteral("450");
        fill.transmitStepKHz = QStringLiteral("100");
        fill.decodeStart = 1;
        fill.decodeStep = 1;
        fill.encodeRandom = true;
        fill.power = 2;
        fill.scanAdd = true;
        ApplyBatchFill(image, Range(0, 127), fill, Dot, Band, Fixed({ 0.0, 0.5, 0.9999, 0.1 }));
        for (int c : { 2, 5, 6, 16 }) {
            const int at = *ChannelRecordOffset(0, c);
            for (int i = 0; i < 16; ++i)
                QCOMPARE(image.byte(at + i), before.byte(at + i));
            QCOMPARE(ReadScanBit(image, c), ReadScanBit(before, c));
        }
        QCOMPARE(Tx(image, 1), QStringLiteral("450.00000"));
        QCOMPARE(Tx(image, 3), QStringLiteral("450.20000"));
        QCOMPARE(Code(image, 3, ChannelField::Decode), QStringLiteral("71.9"));
        QCOMPARE(Code(image, 3, ChannelField::Encode), QStringLiteral("D765I"));
        QVERIFY(ReadScanBit(image, 3));
    }

    void onlyTickedAttributesChange()
    {
        RadioImage image = Filled();
        const RadioImage before = image;
        BatchFill fill; // nothing ticked
        fill.receiveStart = QStringLiteral("450");
        ApplyBatchFill(image, Range(0, 127), fill, Dot, Band, Fixed({ 0 }));
        QVERIFY(image == before);
    }

    void clearing_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<bool>("clear");
        QTest::addColumn<QString>("kept"); // channels 1..16: x = kept, . = erased
        QTest::newRow("3..5 cleared around") << 2 << 4 << true << "..xxx...........";
        QTest::newRow("3..5 without clearing") << 2 << 4 << false << "xxxxxxxxxxxxxxxx";
        QTest::newRow("16..128") << 15 << 127 << true << "...............x";
        QTest::newRow("whole radio") << 0 << 15 << true << "xxxxxxxxxxxxxxxx";
        QTest::newRow("range beyond this radio") << 20 << 127 << true << "................";
    }
    void clearing()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(bool, clear);
        QFETCH(QString, kept);
        RadioImage image = Filled();
        BatchFill fill;
        fill.setPower = true;
        fill.power = 2;
        ApplyBatchFill(image, Range(first, last, clear), fill, Dot, Band, Fixed({ 0 }));
        for (int c = 1; c <= 16; ++c) {
            const bool keep = kept.at(c - 1) == u'x';
            QCOMPARE(ReceivePresent(image, c, Dot), keep);
            if (!keep) {
                const int at = *ChannelRecordOffset(0, c);
                for (int i = 0; i < 16; ++i)
                    QCOMPARE(int(image.byte(at + i)), 0xFF);
                QVERIFY(!ReadScanBit(image, c));
            }
        }
    }

    // Everything ticked over every channel, the outside cleared: only the
    // channel table and the scan bitmap may change.
    void nothingOutsideTheChannels()
    {
        RadioImage image;
        for (int i = 0; i < RadioImage::MemorySize; ++i)
            image.setMemoryByte(i, std::uint8_t(i * 7 + 3));
        const RadioImage before = image;
        BatchFill fill;
        fill.setReceive = fill.setTransmit = fill.setDecode = fill.setEncode = true;
        fill.setPower = fill.setSpacing = fill.setBusyLock = fill.setScanAdd = true;
        fill.receiveStart = QStringLiteral("400");
        fill.receiveStepKHz = QStringLiteral("10000");
        fill.transmit = BatchTransmit::Incept;
        fill.transmitStart = QStringLiteral("470");
        fill.transmitStepKHz = QStringLiteral("1000");
        fill.transmitDown = true;
        fill.decodeRandom = true;
        fill.encodeStep = 99;
        fill.power = 2;
        fill.scanAdd = true;
        ApplyBatchFill(image, Range(4, 127, true), fill, Dot, Band, Fixed({ 0.3, 0.7 }));
        for (int i = 0; i < RadioImage::MemorySize; ++i) {
            const bool channels = i >= MemoryMap::ChannelTable && i < MemoryMap::ChannelTableEnd;
            const bool scanBits = i == MemoryMap::ScanAddBitmap || i == MemoryMap::ScanAddBitmap + 1;
            if (!channels && !scanBits)
                QCOMPARE(image.memoryByte(i), before.memoryByte(i));
        }
        QCOMPARE(Rx(image, 16), QStringLiteral("480.00000"));
        QCOMPARE(Tx(image, 5), QStringLiteral("470.00000"));
        QCOMPARE(Tx(image, 16), QStringLiteral("459.00000"));
    }
};

QTEST_GUILESS_MAIN(TestBatchFill)
#include "test_batch_fill.moc"
