#include "tune_codec.h"

#include <QTest>

using namespace t40;

class TestTuneCodec : public QObject {
    Q_OBJECT
private slots:
    void sectionBase_data()
    {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("base");
        QTest::newRow("400 MHz model") << 400 << 0x310;
        QTest::newRow("200 MHz model") << 200 << 0x320;
        QTest::newRow("VHF") << 136 << 0x300;
        QTest::newRow("350 MHz model") << 350 << 0x300;
        QTest::newRow("440 MHz model") << 440 << 0x300;
    }
    void sectionBase()
    {
        QFETCH(int, low);
        QFETCH(int, base);
        QCOMPARE(Tune::SectionBase(low), base);
    }

    void headings_data()
    {
        QTest::addColumn<int>("low");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("400 steps by 10") << 400 << QStringList { "400", "410", "420", "430" } << QString::fromUtf8("≥550");
        QTest::newRow("136 steps by 5 from 135") << 136 << QStringList { "136", "140", "145", "150" } << QString::fromUtf8("≥210");
        QTest::newRow("450 from itself") << 450 << QStringList { "450", "455", "460", "465" } << QString::fromUtf8("≥525");
        QTest::newRow("372 from 370") << 372 << QStringList { "372", "375", "380", "385" } << QString::fromUtf8("≥445");
        QTest::newRow("378 from 375") << 378 << QStringList { "378", "380", "385", "390" } << QString::fromUtf8("≥450");
    }
    void headings()
    {
        QFETCH(int, low);
        QFETCH(QStringList, first);
        QFETCH(QString, last);
        for (int c = 1; c <= first.size(); ++c)
            QCOMPARE(Tune::PointHeading(low, c), first.at(c - 1));
        QCOMPARE(Tune::PointHeading(low, 16), last);
        QVERIFY(Tune::PointHeading(low, 0).isEmpty());
        QVERIFY(Tune::PointHeading(low, 17).isEmpty());
    }

    void bandLimits_data()
    {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("firstAbove");
        QTest::newRow("400-470: 480 is the first above") << 400 << 470 << 9;
        QTest::newRow("400-520: 530 is column 14") << 400 << 520 << 14;
        QTest::newRow("136-174: 175 is column 9") << 136 << 174 << 9;
        QTest::newRow("every column in band") << 136 << 400 << 17;
        QTest::newRow("limit below the first point") << 400 << 399 << 1;
    }
    void bandLimits()
    {
        QFETCH(int, low);
        QFETCH(int, limit);
        QFETCH(int, firstAbove);
        QCOMPARE(Tune::FirstColumnAbove(low, limit), firstAbove);
    }

    void cellClamps_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("row 1 200 -> 127") << 1 << 200 << 127;
        QTest::newRow("row 1 127") << 1 << 127 << 127;
        QTest::newRow("row 2 300 -> 255") << 2 << 300 << 255;
        QTest::newRow("row 3 999 -> 255") << 3 << 999 << 255;
        QTest::newRow("row 2 200 kept") << 2 << 200 << 200;
        QTest::newRow("row 3 0") << 3 << 0 << 0;
    }
    void cellClamps()
    {
        QFETCH(int, row);
        QFETCH(int, typed);
        QFETCH(int, stored);
        RadioImage image;
        const int base = Tune::SectionBase(400);
        QCOMPARE(Tune::SetCellValue(image, base, row, 5, typed), stored);
        QCOMPARE(int(image.byte(0x310 + 48 * (row - 1) + 4)), stored);
        QCOMPARE(Tune::CellValue(image, base, row, 5), stored);
        // Only that byte changed.
        RadioImage expected;
        expected.setByte(0x310 + 48 * (row - 1) + 4, std::uint8_t(stored));
        QVERIFY(image == expected);
    }

    void squelchShowsSevenBits()
    {
        RadioImage image;
        image.setByte(0x300, 0xC5);
        QCOMPARE(Tune::CellValue(image, 0x300, 1, 1), 0x45);
        image.setByte(0x300 + 48, 0xC5);
        QCOMPARE(Tune::CellValue(image, 0x300, 2, 1), 0xC5);
    }

    void cellsOutsideTheGridTouchNothing()
    {
        RadioImage image;
        QCOMPARE(Tune::SetCellValue(image, 0x320, 4, 1, 5), -1);
        QCOMPARE(Tune::SetCellValue(image, 0x320, 1, 17, 5), -1);
        QCOMPARE(Tune::SetHighThreshold(image, 0x320, 9, 5), -1);
        QCOMPARE(Tune::SetLowThreshold(image, 0x320, 0, 5), -1);
        QVERIFY(image == RadioImage());
    }

    void thresholdsDecode()
    {
        RadioImage image;
        // Detection column 3 of a 400 MHz model: 0x310 + 144 + 4.
        image.setByte(0x3A4, 0x81);
        image.setByte(0x3A5, 0x85);
        QCOMPARE(Tune::HighThreshold(image, 0x310, 3), 259);
        QCOMPARE(Tune::LowThreshold(image, 0x310, 3), 5);
    }

    void thresholdPacking_data()
    {
        QTest::addColumn<bool>("high");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("before0");
        QTest::addColumn<int>("before1");
        QTest::addColumn<int>("after0");
        QTest::addColumn<int>("after1");
        QTest::newRow("high odd sets bit 7") << true << 101 << 0x00 << 0x05 << 50 << 0x85;
        QTest::newRow("high even clears bit 7") << true << 100 << 0x81 << 0x85 << 50 << 0x05;
        QTest::newRow("high clamps to 127") << true << 300 << 0 << 0 << 63 << 0x80;
        QTest::newRow("low keeps bit 7 set") << false << 20 << 0x81 << 0x85 << 0x81 << 0x94;
        QTest::newRow("low keeps bit 7 clear") << false << 20 << 0x81 << 0x05 << 0x81 << 0x14;
        QTest::newRow("low clamps to 127") << false << 200 << 0x10 << 0x80 << 0x10 << 0xFF;
    }
    void thresholdPacking()
    {
        QFETCH(bool, high);
        QFETCH(int, value);
        QFETCH(int, before0);
        QFETCH(int, before1);
        QFETCH(int, after0);
        QFETCH(int, after1);
        RadioImage image;
        const int base = Tune::SectionBase(136);
        const int address = base + 144 + 2 * 7; // detection 8
        image.setByte(address, std::uint8_t(before0));
        image.setByte(address + 1, std::uint8_t(before1));
        const int stored = high ? Tune::SetHighThreshold(image, base, 8, value) : Tune::SetLowThreshold(image, base, 8, value);
        QCOMPARE(stored, std::min(value, 127));
        QCOMPARE(int(image.byte(address)), after0);
        QCOMPARE(int(image.byte(address + 1)), after1);
        QCOMPARE(high ? Tune::HighThreshold(image, base, 8) : Tune::LowThreshold(image, base, 8), stored);
    }

    void deviation()
    {
        RadioImage image;
        QCOMPARE(Tune::SetDeviation(image, 200), 127);
        QCOMPARE(int(image.byte(0x3C0)), 127);
        QCOMPARE(Tune::SetDeviation(image, 50), 50);
        QCOMPARE(Tune::Deviation(image), 50);
    }

    void entries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("letters") << "abc" << false << 0;
        QTest::newRow("plain") << "42" << true << 42;
        QTest::newRow("leading zeros") << "007" << true << 7;
        QTest::newRow("trailing junk") << "12x" << true << 12;
        QTest::newRow("pasted huge") << "123456789012" << true << 9999;
        QTest::newRow("zeros then big") << "0000000300" << true << 300;
        QTest::newRow("zero") << "0" << true << 0;
    }
    void entries()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QFETCH(int, value);
        int parsed = -1;
        QCOMPARE(Tune::ParseEntry(text, parsed), number);
        if (number)
            QCOMPARE(parsed, value);
    }
};

QTEST_GUILESS_MAIN(TestTuneCodec)
#include "test_tune_codec.moc"
