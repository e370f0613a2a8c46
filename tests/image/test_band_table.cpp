#include "band_table.h"
#include "memory_map.h"

#include <QTest>

using namespace t40;

class TestBandTable : public QObject {
    Q_OBJECT
private slots:
    void analyseModel_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("VHF ignores the code") << 50 << 0x73 << "VHF" << 136 << 174;
        QTest::newRow("UHF 350-370") << 51 << 0x53 << "UHF" << 350 << 370;
        QTest::newRow("UHF 400-470") << 51 << 0x13 << "UHF" << 400 << 470;
        QTest::newRow("UHF 420-470") << 51 << 0x93 << "UHF" << 420 << 470;
        QTest::newRow("UHF 490-512") << 51 << 0x83 << "UHF" << 490 << 512;
        QTest::newRow("unknown code keeps limits") << 51 << 0x99 << "UHF" << 136 << 174;
        QTest::newRow("any other family byte is UHF") << 0xFF << 0x21 << "UHF" << 450 << 490;
    }
    void analyseModel()
    {
        QFETCH(int, family);
        QFETCH(int, code);
        QFETCH(QString, name);
        QFETCH(int, low);
        QFETCH(int, high);
        RadioImage image;
        image.setByte(MemoryMap::ModelFamily, family);
        image.setByte(MemoryMap::ModelBandCode, code);
        BandState band { QStringLiteral("VHF"), 136, 174, 174 };
        AnalyseModelBlock(image, band);
        QCOMPARE(band.name, name);
        QCOMPARE(band.lowMHz, low);
        QCOMPARE(band.highMHz, high);
        QCOMPARE(band.effectiveHighMHz, high);
    }

    void modelBytes_data()
    {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("code");
        QTest::newRow("VHF") << 136 << 174 << 50 << 1;
        QTest::newRow("400-470") << 400 << 470 << 51 << 19;
        QTest::newRow("420-470") << 420 << 470 << 51 << 147;
        QTest::newRow("400-520") << 400 << 520 << 51 << 115;
        QTest::newRow("490-512") << 490 << 512 << 51 << 131;
        QTest::newRow("440-480") << 440 << 480 << 51 << 51;
    }
    void modelBytes()
    {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, family);
        QFETCH(int, code);
        const ModelBytes bytes = ModelBytesForBand(low, high);
        QCOMPARE(int(bytes.family), family);
        QCOMPARE(int(bytes.code), code);
    }

    // Every list row must decode back to its own limits, and its list text
    // must carry those limits (the dialog reads them from the text).
    void tableIsConsistent()
    {
        for (const BandEntry& entry : BandTable) {
            RadioImage image;
            const auto block = ExpectedModelBlock(entry);
            image.writeBlock(MemoryMap::ModelBlock, block);
            BandState band;
            AnalyseModelBlock(image, band);
            QCOMPARE(band.lowMHz, entry.lowMHz);
            QCOMPARE(band.highMHz, entry.highMHz);
            const QString text = QString::fromLatin1(entry.listText);
            QCOMPARE(text.mid(0, 3).toInt(), entry.lowMHz);
            QCOMPARE(text.mid(4, 3).toInt(), entry.highMHz);
            const ModelBytes bytes = ModelBytesForBand(entry.lowMHz, entry.highMHz);
            QCOMPARE(bytes.code, entry.code);
        }
        QCOMPARE(BandsOfFamily(BandFamily::UHF).size(), size_t(9));
        QCOMPARE(QString::fromLatin1(BandsOfFamily(BandFamily::UHF).at(8).listText), QStringLiteral("400-470MHz"));
    }
};

QTEST_APPLESS_MAIN(TestBandTable)
#include "test_band_table.moc"
