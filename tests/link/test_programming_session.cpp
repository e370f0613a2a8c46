#include "session_harness.h"

#include <QTest>

using namespace t40;
using namespace t40::test;

namespace {
void FillPattern(RadioImage& memory, int seed)
{
    for (int a = 0; a < RadioImage::MemorySize; ++a)
        memory.setMemoryByte(a, std::uint8_t((a * 13 + seed) & 0xFF));
}

std::vector<int> ReadAddresses(const VirtualRadio& radio, std::vector<int>* sizes = nullptr)
{
    std::vector<int> out;
    for (const RadioFrame& f : radio.frames())
        if (f.type == RadioFrame::Read) {
            out.push_back(f.address);
            if (sizes)
                sizes->push_back(std::uint8_t(f.bytes.at(3)));
        }
    return out;
}

std::vector<int> Steps(int from, int to, int step)
{
    std::vector<int> out;
    for (int a = from; a < to; a += step)
        out.push_back(a);
    return out;
}

SessionRequest Read(SessionKind kind = SessionKind::Whole) { return { kind, Direction::Read }; }
SessionRequest Write(SessionKind kind = SessionKind::Whole) { return { kind, Direction::Write }; }
constexpr SessionKind PartialKinds[] = { SessionKind::Tune, SessionKind::DealerInfo, SessionKind::Special, SessionKind::Dtmf };
} // namespace

Q_DECLARE_METATYPE(std::vector<int>)

template <class B, class Start, class Succeeded>
void checkRepliesThatDoNotCount(B& b, Start start, Succeeded succeeded)
{
    QFETCH(int, otherAddress);
    QFETCH(int, stray);
    FillPattern(b.radio.memory(), 11);
    for (int a = RadioImage::ImageSize; a < RadioImage::MemorySize; ++a)
        b.image.setMemoryByte(a, 0x42);
    RadioFaults& faults = b.radio.faults();
    if (otherAddress >= 0) {
        faults.otherAddressAtRead = 2; // asked for 0x040
        faults.otherAddress = otherAddress;
    }
    if (stray == 1)
        faults.strayByteAtRead = 2;
    if (stray == 2)
        faults.trailingByteAtRead = 2;
    b.prompts.retryAnswers = { true };
    QVERIFY(start());

    QCOMPARE(b.prompts.retryPrompts, 1);
    QVERIFY(succeeded());
    QCOMPARE(b.radio.countFrames(RadioFrame::Handshake), 2);
    for (int a = 0; a < RadioImage::MemorySize; ++a)
        QCOMPARE(b.image.memoryByte(a), a < RadioImage::ImageSize ? b.radio.memory().byte(a) : std::uint8_t(0x42));
}

class TestProgrammingSession : public QObject {
    Q_OBJECT
private slots:
    void wholeReadFillsTheImage()
    {
        Bench b;
        FillPattern(b.radio.memory(), 1);
        b.image.setMemoryByte(0x0A80, 0x42); // above the image: not part of a whole read
        b.start(Read());

        QVERIFY(b.session.SessionSucceeded());
        QCOMPARE(b.host.reports, std::vector<bool> { true });
        QCOMPARE(ReadAddresses(b.radio), Steps(0, 0x400, 64));
        for (int a = 0; a < RadioImage::ImageSize; ++a)
            QCOMPARE(b.image.byte(a), b.radio.memory().byte(a));
        QCOMPARE(b.image.memoryByte(0x0A80), std::uint8_t(0x42));
        QVERIFY(b.radio.sessionEnded());
        QVERIFY(!b.link.isOpen());
        QCOMPARE(b.link.written.back(), QByteArray("E"));
        QCOMPARE(b.host.captions, QStringList { "Read data from radio" });
        QCOMPARE(b.prompts.retryPrompts, 0);
    }

    void wholeWriteBlocks_data()
    {
        QTest::addColumn<bool>("passwordChange");
        QTest::addColumn<std::vector<int>>("addresses");
        QTest::newRow("ordinary: 47 blocks") << false << Steps(0, 0x2F0, 16);
        QTest::newRow("password change: 48 blocks") << true << Steps(0, 0x300, 16);
    }
    void wholeWriteBlocks()
    {
        QFETCH(bool, passwordChange);
        QFETCH(std::vector<int>, addresses);
        Bench b;
        FillPattern(b.image, 7);
        b.image.setByte(445, 0x73);
        b.radio.memory().setByte(445, 0x73);
        const SessionRequest request = Write(passwordChange ? SessionKind::PasswordChange : SessionKind::Whole);
        b.start(request, QStringLiteral("Write data into radio"));

        QVERIFY(b.session.SessionSucceeded());
        QCOMPARE(b.radio.writeAddresses(), addresses);
        QCOMPARE(int(addresses.size()), passwordChange ? 48 : 47);
        for (int a = 0; a < 0x2F0; ++a)
            QCOMPARE(b.radio.memory().byte(a), b.image.byte(a));
        for (int a = 0x2F0; a < 0x300; ++a)
            QCOMPARE(b.radio.memory().byte(a), passwordChange ? b.image.byte(a) : RadioImage::Erased);
        for (int a = 0x300; a < RadioImage::MemorySize; ++a)
            QCOMPARE(b.radio.memory().memoryByte(a), RadioImage::Erased);
        QVERIFY(b.radio.sessionEnded());
        QCOMPARE(b.host.progress.front(), 0.0);
        QCOMPARE(b.host.progress.back(), 1.0);
    }

    void bandPrompt_data()
    {
        QTest::addColumn<bool>("isRead");
        QTest::addColumn<int>("radioFlag");
        QTest::addColumn<int>("imageCode");
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<int>("prompts");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("write, same UHF") << false << 0x73 << 0x73 << false << 0 << true;
        QTest::newRow("write, UHF codes differ but neither is VHF") << false << 0x43 << 0x73 << false << 0 << true;
        QTest::newRow("write, radio VHF, image UHF, cancel") << false << 1 << 0x73 << false << 1 << false;
        QTest::newRow("write, radio UHF, image VHF, cancel") << false << 0x33 << 1 << false << 1 << false;
        QTest::newRow("write, radio VHF, image UHF, overwrite") << false << 1 << 0x73 << true << 1 << true;
        QTest::newRow("read never asks") << true << 1 << 0x73 << false << 0 << true;
    }
    void bandPrompt()
    {
        QFETCH(bool, isRead);
        QFETCH(int, radioFlag);
        QFETCH(int, imageCode);
        QFETCH(bool, overwrite);
        QFETCH(int, prompts);
        QFETCH(bool, succeeds);
        Bench b;
        b.radio.setBandFlag(std::uint8_t(radioFlag));
        b.radio.memory().setByte(445, std::uint8_t(radioFlag));
        b.image.setByte(445, std::uint8_t(imageCode));
        b.prompts.overwrite = overwrite;
        b.start(isRead ? Read() : Write());

        QCOMPARE(b.prompts.bandPrompts, prompts);
        QCOMPARE(b.session.SessionSucceeded(), succeeds);
        QCOMPARE(b.host.reports, std::vector<bool> { succeeds });
        QVERIFY(!b.link.isOpen());
        if (!succeeds) {
            // Cancel answers the identity with the end frame and sends nothing else.
            QCOMPARE(b.link.written.back(), QByteArray("E"));
            QCOMPARE(b.link.written.at(b.link.written.size() - 2), QByteArray(1, 0x02));
            QVERIFY(b.radio.writeAddresses().empty());
        }
        if (isRead)
            QCOMPARE(b.image.byte(445), std::uint8_t(radioFlag));
    }

    void silentRadioRetriesElevenTimes()
    {
        Bench b;
        b.radio.faults().silent = true;
        b.prompts.retryAnswers = { true, false };
        b.start(Read());

        QCOMPARE(b.prompts.handshakesAtPrompt, (std::vector<int> { 11, 22 }));
        QCOMPARE(b.radio.countFrames(RadioFrame::Handshake), 22);
        QVERIFY(!b.session.SessionSucceeded());
        QCOMPARE(b.host.reports, std::vector<bool> { false });
        QVERIFY(!b.link.isOpen());
        QCOMPARE(b.link.opens, 1);
    }

    void wrongHandshakeAnswersCountAsAttempts()
    {
        Bench b;
        b.radio.faults().wrongAckAtFrame = 1; // the first handshake gets 0x15
        b.start(Read());
        QCOMPARE(b.prompts.retryPrompts, 0);
        QCOMPARE(b.radio.countFrames(RadioFrame::Handshake), 2);
        QVERIFY(b.session.SessionSucceeded());
    }

    void faultAfterHandshakePromptsAtOnce_data()
    {
        QTest::addColumn<int>("kind"); // 0 wrong ack, 1 silence, 2 short reply
        QTest::addColumn<bool>("isRead");
        QTest::newRow("wrong ack on a write block") << 0 << false;
        QTest::newRow("wrong ack on a read") << 0 << true;
        QTest::newRow("silence mid-write") << 1 << false;
        QTest::newRow("silence mid-read") << 1 << true;
        QTest::newRow("short data reply") << 2 << true;
    }
    void faultAfterHandshakePromptsAtOnce()
    {
        QFETCH(int, kind);
        QFETCH(bool, isRead);
        Bench b;
        FillPattern(b.radio.memory(), 3);
        b.radio.memory().setByte(445, 0x73);
        b.image.setByte(445, 0x73);
        b.radio.setBandFlag(0x73);
        FillPattern(b.image, 9);
        b.image.setByte(445, 0x73);
        const RadioImage before = b.image;
        if (kind == 0)
            b.radio.faults().wrongAckAtFrame = isRead ? 9 : 8; // an acknowledgement in either case
        else if (kind == 1)
            b.radio.faults().hangUpAfterFrames = 8;
        else
            b.radio.faults().shortReplyAtRead = 3;
        b.prompts.retryAnswers = { false };
        b.start(isRead ? Read() : Write());

        QCOMPARE(b.prompts.retryPrompts, 1);
        QCOMPARE(b.prompts.handshakesAtPrompt, std::vector<int> { 1 });
        QVERIFY(!b.session.SessionSucceeded());
        QCOMPARE(b.host.reports, std::vector<bool> { false });
        if (isRead)
            QVERIFY(b.image == before); // nothing of the broken read reached the image
    }

    // A retry starts again from the handshake; a port lost meanwhile (a cable
    // pulled out) is opened again, and one still gone is reported at once.
    void retryRestartsFromTheHandshake_data()
    {
        QTest::addColumn<QString>("port");
        QTest::newRow("port kept") << "kept";
        QTest::newRow("port lost and back") << "back";
        QTest::newRow("port lost for good") << "gone";
    }
    void retryRestartsFromTheHandshake()
    {
        QFETCH(QString, port);
        Bench b;
        FillPattern(b.radio.memory(), 5);
        const RadioImage radioBefore = b.radio.memory();
        b.radio.faults().wrongAckAtFrame = 11; // the acknowledgement of the fourth read
        b.prompts.retryAnswers = { true };
        if (port != QLatin1String("kept"))
            b.prompts.duringPrompt = [&b, port] {
                b.link.close();
                b.link.failOpen = port == QLatin1String("gone");
            };
        b.start(Read());

        QCOMPARE(b.prompts.retryPrompts, 1);
        QCOMPARE(b.link.opens, port == QLatin1String("back") ? 2 : 1);
        QCOMPARE(b.prompts.portFailures.size(), port == QLatin1String("gone") ? 1 : 0);
        QCOMPARE(b.radio.countFrames(RadioFrame::Handshake), port == QLatin1String("gone") ? 1 : 2);
        QCOMPARE(b.session.SessionSucceeded(), port != QLatin1String("gone"));
        if (port == QLatin1String("gone"))
            return;
        const std::vector<int> reads = ReadAddresses(b.radio);
        const std::vector<int> secondWalk(reads.end() - 16, reads.end());
        QCOMPARE(secondWalk, Steps(0, 0x400, 64));
        for (int a = 0; a < RadioImage::ImageSize; ++a)
            QCOMPARE(b.image.byte(a), radioBefore.byte(a));
    }

    void replyDuringPromptIsDiscarded()
    {
        Bench b;
        b.radio.faults().silent = true;
        b.prompts.duringPrompt = [&b] {
            b.link.received.append(char(0x06));
            b.session.OnComm();
        };
        b.start(Read());
        QCOMPARE(b.prompts.retryPrompts, 1);
        QCOMPARE(b.session.state(), SessionState::Idle);
        for (const QByteArray& frame : b.link.written)
            QVERIFY(frame != QByteArray(1, 0x02));
        QVERIFY(!b.session.SessionSucceeded());
    }

    void staleAckAfterCancelIsIgnored()
    {
        Bench b;
        b.radio.faults().wrongAckAtFrame = 6;
        b.start(Write());
        QCOMPARE(b.prompts.retryPrompts, 1);
        const auto writesBefore = b.link.written.size();
        b.link.received.append(char(0x06));
        b.session.OnComm();
        b.run();
        QCOMPARE(b.link.written.size(), writesBefore);
    }

    // A reply that is not the asked block never counts: the run asks, and
    // Retry walks the range again, so a completed read holds every block of
    // the radio; nothing outside the range ever reaches the image.
    void repliesThatDoNotCount_data()
    {
        QTest::addColumn<bool>("overPty");
        QTest::addColumn<int>("otherAddress"); // -1: no other address
        QTest::addColumn<int>("stray");        // 1 a byte in front of the reply, 2 a byte after it
        for (const bool pty : { false, true }) {
            const char* line = pty ? "QSerialPort" : "in process";
            QTest::addRow("%s: another block of the range", line) << pty << 0x200 << 0;
            QTest::addRow("%s: a block that runs past the image", line) << pty << 0x3F0 << 0;
            QTest::addRow("%s: a block above the image", line) << pty << 0x0A80 << 0;
            QTest::addRow("%s: a block beyond the memory", line) << pty << 0xFFC0 << 0;
            QTest::addRow("%s: a stray byte in front", line) << pty << -1 << 1;
            QTest::addRow("%s: a stray byte after", line) << pty << -1 << 2;
        }
    }
    void repliesThatDoNotCount()
    {
        QFETCH(bool, overPty);
        if (overPty) {
            PtyBench b;
            checkRepliesThatDoNotCount(b, [&b] { return b.start(Read()); }, [&b] { return b.session->SessionSucceeded(); });
        } else {
            Bench b;
            checkRepliesThatDoNotCount(b, [&b] { b.start(Read()); return true; }, [&b] { return b.session.SessionSucceeded(); });
        }
    }

    void cancelledReadKeepsTheImage()
    {
        Bench b;
        FillPattern(b.radio.memory(), 2);
        b.image.setByte(20, 0x12); // an unsaved edit
        const RadioImage before = b.image;
        b.radio.faults().hangUpAfterFrames = 30;
        b.start(Read());
        QVERIFY(!b.session.SessionSucceeded());
        QVERIFY(b.image == before);
    }

    // What the serial link says when it cannot open a port.
    void portOpenReasons_data()
    {
        QTest::addColumn<bool>("held");
        QTest::addColumn<QString>("reason");
        QTest::newRow("held by another program") << true << "in use by another program";
        QTest::newRow("no such device") << false << "";
    }
    void portOpenReasons()
    {
        QFETCH(bool, held);
        QFETCH(QString, reason);
        VirtualRadio radio;
        PtyRadioServer server(radio);
        QVERIFY(server.open(nullptr));
        QtSerialLink first(server.devicePath());
        QString why;
        if (held)
            QVERIFY(first.open(&why));
        QtSerialLink second(held ? server.devicePath() : server.devicePath() + QStringLiteral("-gone"));
        QVERIFY(!second.open(&why));
        if (reason.isEmpty())
            QVERIFY2(!why.isEmpty() && !why.contains(QStringLiteral("in use")), qPrintable(why));
        else
            QCOMPARE(why, reason);
    }

    void portThatCannotOpen()
    {
        Bench b;
        b.link.failOpen = true;
        b.start(Read());
        QCOMPARE(b.prompts.portFailures, QStringList { "Permission denied" });
        QCOMPARE(b.host.reports, std::vector<bool> { false });
        QVERIFY(b.link.written.empty());
        QVERIFY(b.host.captions.isEmpty());
    }

    void progressText_data()
    {
        QTest::addColumn<double>("fraction");
        QTest::addColumn<QString>("english");
        QTest::newRow("start") << 0.0 << "Complete:%";
        QTest::newRow("under half a percent") << 0.0049 << "Complete:%";
        QTest::newRow("half a percent rounds up") << 0.005 << "Complete:1%";
        QTest::newRow("one block of sixteen") << 0.0625 << "Complete:6%";
        QTest::newRow("end") << 1.0 << "Complete:100%";
    }
    void progressText()
    {
        QFETCH(double, fraction);
        QFETCH(QString, english);
        QCOMPARE(ProgressText(fraction), english);
    }

    void readProgressRuns()
    {
        Bench b;
        b.start(Read());
        QCOMPARE(int(b.host.progress.size()), 17);
        QCOMPARE(b.host.progress.front(), 0.0);
        QCOMPARE(b.host.progress.at(1), 0.0625);
        QCOMPARE(b.host.progress.back(), 1.0);
    }

    void partialReads_data()
    {
        QTest::addColumn<int>("flag"); // 0 tune, 1 dealer, 2 special, 3 dtmf
        QTest::addColumn<std::vector<int>>("addresses");
        QTest::addColumn<int>("blockSize");
        QTest::newRow("tune") << 0 << Steps(0x300, 0x400, 64) << 64;
        QTest::newRow("dealer information") << 1 << Steps(0x0A80, 0x0B80, 16) << 16;
        QTest::newRow("special option") << 2 << Steps(0x0E10, 0x0E20, 16) << 16;
        QTest::newRow("stun/kill") << 3 << Steps(0x0B80, 0x0BA0, 16) << 16;
    }
    void partialReads()
    {
        QFETCH(int, flag);
        QFETCH(std::vector<int>, addresses);
        QFETCH(int, blockSize);
        Bench b;
        FillPattern(b.radio.memory(), 4);
        b.start(Read(PartialKinds[flag]));

        QVERIFY(b.session.SessionSucceeded());
        std::vector<int> sizes;
        QCOMPARE(ReadAddresses(b.radio, &sizes), addresses);
        QCOMPARE(sizes, std::vector<int>(addresses.size(), blockSize));
        const int from = addresses.front();
        const int to = addresses.back() + blockSize;
        for (int a = 0; a < RadioImage::MemorySize; ++a)
            QCOMPARE(b.image.memoryByte(a), a >= from && a < to ? b.radio.memory().memoryByte(a) : RadioImage::Erased);
        QCOMPARE(b.host.progress.back(), 1.0);
    }

    void partialWrites_data()
    {
        QTest::addColumn<int>("flag");
        QTest::addColumn<int>("bandLow");
        QTest::addColumn<std::vector<int>>("addresses");
        QTest::newRow("tune 400 MHz") << 0 << 400
                                      << std::vector<int> { 0x310, 0x340, 0x370, 0x3A0, 0x3C0, 0x3D0, 0x3E0, 0x3F0 };
        QTest::newRow("tune 200 MHz") << 0 << 200
                                      << std::vector<int> { 0x320, 0x350, 0x380, 0x3B0, 0x3C0, 0x3D0, 0x3E0, 0x3F0 };
        QTest::newRow("tune VHF") << 0 << 136
                                  << std::vector<int> { 0x300, 0x330, 0x360, 0x390, 0x3C0, 0x3D0, 0x3E0, 0x3F0 };
        QTest::newRow("dealer information") << 1 << 400 << Steps(0x0A80, 0x0B80, 16);
        QTest::newRow("special option") << 2 << 400 << Steps(0x0E10, 0x0E20, 16);
        QTest::newRow("stun/kill") << 3 << 400 << Steps(0x0B80, 0x0BA0, 16);
    }
    void partialWrites()
    {
        QFETCH(int, flag);
        QFETCH(int, bandLow);
        QFETCH(std::vector<int>, addresses);
        Bench b;
        FillPattern(b.image, 6);
        b.radio.memory().setByte(445, b.image.byte(445));
        SessionRequest request = Write(PartialKinds[flag]);
        request.bandLowMHz = bandLow;
        b.start(request);

        QVERIFY(b.session.SessionSucceeded());
        QCOMPARE(b.radio.writeAddresses(), addresses);
        for (int a : addresses)
            for (int i = 0; i < 16; ++i)
                QCOMPARE(b.radio.memory().memoryByte(a + i), b.image.memoryByte(a + i));
        QCOMPARE(b.host.progress.back(), 1.0);
    }

    void wholeRanges()
    {
        QCOMPARE(int(RangeFor(Write()).end), 0x300);
        QCOMPARE(int(RangeFor(Read()).end), 0x400);
    }

    void bandExtensionAfterRead_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("bandLow");
        QTest::addColumn<bool>("extended");
        QTest::newRow("option on, 400 MHz") << 1 << 400 << true;
        QTest::newRow("option off") << 0 << 400 << false;
        QTest::newRow("option on, other band") << 1 << 136 << false;
    }
    void bandExtensionAfterRead()
    {
        QFETCH(int, option);
        QFETCH(int, bandLow);
        QFETCH(bool, extended);
        Bench b;
        b.radio.memory().setByte(300, std::uint8_t(option));
        SessionRequest request = Read();
        request.bandLowMHz = bandLow;
        b.start(request);
        QCOMPARE(b.session.BandExtended(), extended);
    }
};

QTEST_GUILESS_MAIN(TestProgrammingSession)
#include "test_programming_session.moc"
