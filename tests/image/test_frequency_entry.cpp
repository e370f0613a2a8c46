#include "channel_codec.h"
#include "frequency_entry.h"
#include "memory_map.h"

#include <QTest>

using namespace t40;

namespace {
const BandState Band { QStringLiteral("UHF"), 400, 480, 470 };

QString Rx(const RadioImage& image, int channel)
{
    const auto f = DecodeFrequency(ReadFrequency(image, channel, ChannelField::Receive), QStringLiteral("."));
    return f.present ? f.text : QString();
}
QString Tx(const RadioImage& image, int channel)
{
    const auto f = DecodeFrequency(ReadFrequency(image, channel, ChannelField::Transmit), QStringLiteral("."));
    return f.present ? f.text : QString();
}
} // namespace

class TestFrequencyEntry : public QObject {
    Q_OBJECT
private slots:
    void check_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("warning");
        QTest::newRow("inside") << "." << "446.1" << "446.1" << false;
        QTest::newRow("low limit") << "." << "400" << "400" << false;
        QTest::newRow("high limit") << "." << "480.00000" << "480.00000" << false;
        QTest::newRow("just above") << "." << "480.00001" << "480.00000" << true;
        QTest::newRow("just below") << "." << "399.99999" << "400.00000" << true;
        QTest::newRow("far above") << "." << "999999999" << "480.00000" << true;
        QTest::newRow("separator alone") << "." << "." << "400.00000" << true;
        QTest::newRow("comma alone") << "," << "," << "400,00000" << true;
        QTest::newRow("comma value") << "," << "446,5" << "446,5" << false;
        QTest::newRow("pasted junk") << "." << "abc" << "400.00000" << true;
        QTest::newRow("pasted tail") << "." << "446.5MHz" << "446.5" << false;
    }
    void check()
    {
        QFETCH(QString, separator);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(bool, warning);
        const FrequencyCheck c = CheckFrequencyText(typed, separator, 400, 480);
        QVERIFY(!c.empty);
        QCOMPARE(c.text, text);
        QCOMPARE(c.warning, warning);
    }

    void complete_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("completed");
        QTest::newRow("whole") << "446" << "446.00000";
        QTest::newRow("one decimal") << "401.1" << "401.10000";
        QTest::newRow("trailing separator") << "401." << "401.00000";
        QTest::newRow("full") << "446.00625" << "446.00625";
        QTest::newRow("empty") << "" << "";
    }
    void complete()
    {
        QFETCH(QString, text);
        QFETCH(QString, completed);
        QCOMPARE(CompleteFrequencyText(text, QStringLiteral(".")), completed);
    }

    void receiveCreatesWithDefaults_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("rx");
        QTest::addColumn<QString>("tx");
        QTest::addColumn<bool>("warning");
        QTest::newRow("inside") << "446.00625" << "446.00625" << "446.00625" << false;
        QTest::newRow("above transmit limit") << "475.5" << "475.50000" << "470.00000" << false;
        QTest::newRow("above band") << "500" << "480.00000" << "470.00000" << true;
        QTest::newRow("separator") << "." << "400.00000" << "400.00000" << true;
    }
    void receiveCreatesWithDefaults()
    {
        QFETCH(QString, typed);
        QFETCH(QString, rx);
        QFETCH(QString, tx);
        QFETCH(bool, warning);
        RadioImage image;
        // An unreadable record whose other fields hold leftovers.
        for (int k = 0; k < 16; ++k)
            image.setByte(16 * 7 + k, std::uint8_t(0x11 * k));
        WriteFrequency(image, 7, ChannelField::Receive, { 0x00, 0x00, 0x60, 0x04 });
        const EntryResult r = EnterReceiveFrequency(image, 7, typed, QStringLiteral("."), Band);
        QCOMPARE(r.warning, warning);
        QVERIFY(r.created);
        QCOMPARE(r.text, rx);
        QCOMPARE(Rx(image, 7), rx);
        QCOMPARE(Tx(image, 7), tx);
        for (int k = 8; k < 12; ++k)
            QCOMPARE(int(image.byte(16 * 7 + k)), 0xFF);
        QCOMPARE(int(image.byte(16 * 7 + 12)), 0x88);
        for (int k = 13; k < 16; ++k)
            QCOMPARE(int(image.byte(16 * 7 + k)), 0xFF);
        QVERIFY(ReadScanBit(image, 7));
    }

    void receiveKeepsExistingTransmit()
    {
        RadioImage image;
        EnterReceiveFrequency(image, 2, QStringLiteral("446"), QStringLiteral("."), Band);
        EnterTransmitFrequency(image, 2, QStringLiteral("450"), QStringLiteral("."), Band);
        image.setByte(16 * 2 + 12, 0x4B);
        WriteScanBit(image, 2, false);
        const EntryResult r = EnterReceiveFrequency(image, 2, QStringLiteral("447.125"), QStringLiteral("."), Band);
        QVERIFY(!r.created);
        QCOMPARE(Rx(image, 2), QStringLiteral("447.12500"));
        QCOMPARE(Tx(image, 2), QStringLiteral("450.00000"));
        QCOMPARE(int(image.byte(16 * 2 + 12)), 0x4B);
        QVERIFY(!ReadScanBit(image, 2));
    }

    void receiveOnlyGetsTransmitBack()
    {
        RadioImage image;
        EnterReceiveFrequency(image, 2, QStringLiteral("446"), QStringLiteral("."), Band);
        EnterTransmitFrequency(image, 2, QString(), QStringLiteral("."), Band);
        QCOMPARE(Tx(image, 2), QString());
        EnterReceiveFrequency(image, 2, QStringLiteral("476"), QStringLiteral("."), Band);
        QCOMPARE(Tx(image, 2), QStringLiteral("470.00000"));
    }

    void emptyReceiveDeletes()
    {
        RadioImage image;
        EnterReceiveFrequency(image, 9, QStringLiteral("446"), QStringLiteral("."), Band);
        QVERIFY(ReadScanBit(image, 9));
        const EntryResult r = EnterReceiveFrequency(image, 9, QString(), QStringLiteral("."), Band);
        QVERIFY(r.deleted);
        for (int k = 0; k < 16; ++k)
            QCOMPARE(int(image.byte(16 * 9 + k)), 0xFF);
        QCOMPARE(int(image.byte(MemoryMap::ScanAddBitmap + 1)), 0xFE);
    }

    void emptyReceiveLeavesUnreadableRecord()
    {
        RadioImage image;
        WriteFrequency(image, 4, ChannelField::Receive, { 0x00, 0x00, 0x60, 0x04 }); // 46 MHz: not a channel
        image.setByte(16 * 4 + 12, 0x12);
        const RadioImage before = image;
        const EntryResult r = EnterReceiveFrequency(image, 4, QString(), QStringLiteral("."), Band);
        QVERIFY(!r.written);
        QVERIFY(image == before);
    }

    void transmit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("tx");
        QTest::addColumn<bool>("warning");
        QTest::newRow("inside") << "465.5" << "465.50000" << false;
        QTest::newRow("transmit limit") << "470" << "470.00000" << false;
        QTest::newRow("above transmit limit") << "475" << "470.00000" << true;
        QTest::newRow("below") << "300" << "400.00000" << true;
        QTest::newRow("separator") << "." << "400.00000" << true;
    }
    void transmit()
    {
        QFETCH(QString, typed);
        QFETCH(QString, tx);
        QFETCH(bool, warning);
        RadioImage image;
        EnterReceiveFrequency(image, 16, QStringLiteral("446"), QStringLiteral("."), Band);
        WriteCode(image, 16, ChannelField::Encode, { 0x13, 0x20 });
        const EntryResult r = EnterTransmitFrequency(image, 16, typed, QStringLiteral("."), Band);
        QCOMPARE(r.warning, warning);
        QCOMPARE(r.text, tx);
        QCOMPARE(Tx(image, 16), tx);
        QCOMPARE(ReadCode(image, 16, ChannelField::Encode), (SignallingBytes { 0x13, 0x20 }));
    }

    void emptyTransmitClearsEncode()
    {
        RadioImage image;
        EnterReceiveFrequency(image, 1, QStringLiteral("446"), QStringLiteral("."), Band);
        WriteCode(image, 1, ChannelField::Encode, { 0x13, 0x20 });
        EnterTransmitFrequency(image, 1, QString(), QStringLiteral("."), Band);
        QCOMPARE(ReadFrequency(image, 1, ChannelField::Transmit), NoFrequency);
        QCOMPARE(ReadCode(image, 1, ChannelField::Encode), NoSignallingCode);
        // Giving it a transmit frequency again starts without an encode code.
        WriteCode(image, 1, ChannelField::Encode, { 0x13, 0x20 });
        EnterTransmitFrequency(image, 1, QStringLiteral("450"), QStringLiteral("."), Band);
        QCOMPARE(ReadCode(image, 1, ChannelField::Encode), NoSignallingCode);
    }

    void transmitNeedsAChannel()
    {
        RadioImage image;
        const RadioImage before = image;
        QVERIFY(!EnterTransmitFrequency(image, 3, QStringLiteral("450"), QStringLiteral("."), Band).written);
        QVERIFY(!EnterReceiveFrequency(image, 17, QStringLiteral("450"), QStringLiteral("."), Band).written);
        QVERIFY(!EnterReceiveFrequency(image, 0, QStringLiteral("450"), QStringLiteral("."), Band).written);
        QVERIFY(image == before);
    }
};

QTEST_APPLESS_MAIN(TestFrequencyEntry)
#include "test_frequency_entry.moc"
