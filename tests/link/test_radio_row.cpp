#include "programming_log.h"
#include "pty_radio_server.h"
#include "radio_row.h"
#include "test_support.h"

#include <QSignalSpy>
#include <QTest>

#include <mutex>

using namespace t40;
using namespace t40::test;

namespace {
// A UHF image with a pattern in the bytes a write sends.
RadioImage RowImage()
{
    RadioImage image;
    for (int a = 0; a < 0x2F0; ++a)
        image.setByte(a, std::uint8_t((a * 7 + 3) & 0xFF));
    const std::uint8_t model[8] = { 0x50, 0x33, 0x32, 0x30, 0x37, 0x73, 0xF8, 0xFF };
    for (int i = 0; i < 8; ++i)
        image.setByte(440 + i, model[i]);
    return image;
}

bool WaitForPhase(const RadioRow& row, RadioRow::Phase phase, int ms)
{
    return QTest::qWaitFor([&] { return row.phase() == phase; }, ms);
}
} // namespace

class TestRadioRow : public QObject {
    Q_OBJECT
private slots:
    // Four radios: the second is pulled off mid-write, the fourth is of the
    // other band; the first and third are written and verified.
    void rowOfFourRadios()
    {
        TestEnvironment env;
        const RadioImage image = RowImage();
        VirtualRadio radio;
        radio.memory().setByte(445, 0x73);
        radio.setBandFlag(0x73);
        radio.setRowMode(true, 4);
        radio.onNextRadio = [](VirtualRadio& next) { next.faults().hangUpAfterFrames = next.radioNumber() == 2 ? 20 : 0; };
        std::mutex lock;
        std::vector<std::pair<int, bool>> written; // radio number, memory equals the image
        PtyRadioServer server(radio);
        server.setOnSessionEnd([&] {
            bool same = true;
            for (int a = 0; a < 0x2F0; ++a)
                same = same && radio.memory().byte(a) == image.byte(a);
            std::lock_guard<std::mutex> guard(lock);
            written.emplace_back(radio.radioNumber(), same);
        });
        QVERIFY(server.open(nullptr));
        server.startThread();

        RadioRow row(server.devicePath(), QStringLiteral("COM9"), image);
        row.setFileName(QStringLiteral("school, 20 radios.rdat"));
        row.setVerify(true);
        row.setCount(4);
        QSignalSpy done(&row, &RadioRow::radioDone);
        row.start();
        QVERIFY(WaitForPhase(row, RadioRow::Phase::Stopped, 60000));
        server.stop();

        QCOMPARE(done.count(), 4);
        using O = RowRadioResult::Outcome;
        const O expected[4] = { O::Written, O::NoAnswer, O::Written, O::BandDiffers };
        for (int i = 0; i < 4; ++i) {
            const auto result = done.at(i).at(0).value<RowRadioResult>();
            QCOMPARE(result.number, i + 1);
            QCOMPARE(int(result.outcome), int(expected[i]));
        }
        QCOMPARE(row.succeeded(), 2);
        QCOMPARE(row.failed(), 2);
        {
            std::lock_guard<std::mutex> guard(lock);
            for (const auto& [number, same] : written)
                if (number == 1 || number == 3)
                    QVERIFY2(same, qPrintable(QStringLiteral("radio %1").arg(number)));
        }

        const QList<QStringList> log = ProgrammingLog::Read();
        QCOMPARE(log.size(), 4);
        const QStringList results = { "OK", "failed: no answer", "OK", "refused: band differs" };
        const QStringList verifies = { "OK", "not run", "OK", "not run" };
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(log.at(i).value(1), QStringLiteral("write"));
            QCOMPARE(log.at(i).value(2), QStringLiteral("COM9"));
            QCOMPARE(log.at(i).value(4), QStringLiteral("school, 20 radios.rdat"));
            QCOMPARE(log.at(i).value(5), results.at(i));
            QCOMPARE(log.at(i).value(6), verifies.at(i));
            QCOMPARE(log.at(i).value(7), QString::number(i + 1));
        }
        QCOMPARE(log.at(0).value(3), QStringLiteral("UHF 400-520 MHz"));
        QCOMPARE(log.at(3).value(3), QStringLiteral("VHF 136-174 MHz"));
    }

    // The cable pulled out of the computer mid-write: that radio fails, the row waits for the port.
    void portGoneMidWritePausesTheRow()
    {
        TestEnvironment env;
        VirtualRadio radio;
        radio.setBandFlag(0x73);
        radio.faults().hangUpAfterFrames = 20;
        PtyRadioServer server(radio);
        QVERIFY(server.open(nullptr));
        server.startThread();
        RadioRow row(server.devicePath(), QStringLiteral("COM9"), RowImage());
        QSignalSpy done(&row, &RadioRow::radioDone);
        row.start();
        QVERIFY(WaitForPhase(row, RadioRow::Phase::Paused, 20000));
        server.stop();
        QCOMPARE(done.count(), 1);
        QCOMPARE(int(done.at(0).at(0).value<RowRadioResult>().outcome), int(RowRadioResult::Outcome::NoAnswer));
        QCOMPARE(ProgrammingLog::Read().size(), 1);
        row.stop();
        QCOMPARE(row.phase(), RadioRow::Phase::Stopped);
    }
};

QTEST_GUILESS_MAIN(TestRadioRow)
#include "test_radio_row.moc"
