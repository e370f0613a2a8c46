#include "byte_routines.h"
#include "radio_image.h"

#include <QTest>

#include <array>

using namespace t40;

class TestRadioImage : public QObject {
    Q_OBJECT
private slots:
    void startsErased()
    {
        RadioImage image;
        for (int i = 0; i < RadioImage::MemorySize; ++i)
            QCOMPARE(image.memoryByte(i), std::uint8_t(0xFF));
    }

    void indexChecks_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("inImage");
        QTest::addColumn<bool>("inMemory");
        QTest::newRow("first") << 0 << true << true;
        QTest::newRow("last image byte") << 1023 << true << true;
        QTest::newRow("first byte above the image") << 1024 << false << true;
        QTest::newRow("last memory byte") << 4095 << false << true;
        QTest::newRow("past memory") << 4096 << false << false;
        QTest::newRow("negative") << -1 << false << false;
    }
    void indexChecks()
    {
        QFETCH(int, index);
        QFETCH(bool, inImage);
        QFETCH(bool, inMemory);
        RadioImage image;
        const RadioImage before = image;
        QCOMPARE(image.setByte(index, 0x12), inImage);
        if (inImage)
            QCOMPARE(image.byte(index), std::uint8_t(0x12));
        else
            QVERIFY(image == before); // a failing check touches nothing
        RadioImage memory;
        QCOMPARE(memory.setMemoryByte(index, 0x34), inMemory);
        QCOMPARE(memory.memoryByte(index), std::uint8_t(inMemory ? 0x34 : 0xFF));
    }

    void blocksMustFitWhole_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("fits");
        QTest::newRow("image start") << 0 << 64 << true;
        QTest::newRow("ends at the memory end") << 4096 - 64 << 64 << true;
        QTest::newRow("crosses the memory end") << 4096 - 16 << 64 << false;
        QTest::newRow("starts past the end") << 0xFFF0 << 16 << false;
        QTest::newRow("negative start") << -16 << 16 << false;
    }
    void blocksMustFitWhole()
    {
        QFETCH(int, address);
        QFETCH(int, length);
        QFETCH(bool, fits);
        RadioImage image;
        const RadioImage before = image;
        std::vector<std::uint8_t> data(length, 0x5A);
        QCOMPARE(image.writeBlock(address, data), fits);
        if (!fits) {
            QVERIFY(image == before);
            return;
        }
        std::vector<std::uint8_t> back(length, 0);
        QVERIFY(image.readBlock(address, back));
        QCOMPARE(back, data);
    }

    void replaceImageKeepsUpperMemory()
    {
        RadioImage image;
        image.setMemoryByte(0xA80, 0x42);
        std::array<std::uint8_t, RadioImage::ImageSize> data {};
        data.fill(0x11);
        image.replaceImage(data);
        QCOMPARE(image.byte(1023), std::uint8_t(0x11));
        QCOMPARE(image.memoryByte(0xA80), std::uint8_t(0x42));
    }

    void byteRoutines()
    {
        QCOMPARE(ShiftLeft(1, 0), std::uint8_t(1));
        QCOMPARE(ShiftLeft(1, 7), std::uint8_t(128));
        QCOMPARE(ShiftLeft(1, 8), std::uint8_t(0));
        QCOMPARE(ShiftLeft(3, 2), std::uint8_t(12));
        QCOMPARE(ToBcd(7), std::uint8_t(0x07));
        QCOMPARE(ToBcd(45), std::uint8_t(0x45));
        QCOMPARE(ToBcd(99), std::uint8_t(0x99));
    }
};

QTEST_APPLESS_MAIN(TestRadioImage)
#include "test_radio_image.moc"
