#include "data_file.h"
#include "pty_radio_server.h"
#include "test_support.h"
#include "virtual_radio.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace t40;
using test::WriteFile;

namespace {
QString Tool(const QString& name) { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name; }

struct Result {
    int status = -1;
    QString err;
    QString out;
};

Result RunCli(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(Tool(QStringLiteral("t40-cli")), args);
    Result r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("hung");
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.err = QString::fromUtf8(p.readAllStandardError());
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    return r;
}

void FillPattern(RadioImage& memory, int seed)
{
    for (int a = 0; a < RadioImage::MemorySize; ++a)
        memory.setMemoryByte(a, std::uint8_t((a * 17 + seed) & 0xFF));
}

// A data file with channel 1 on 446.00625 MHz (tone 67.0 both ways, high, 25 kHz, scanned).
RadioImage SampleImage(std::uint8_t bandCode)
{
    RadioImage image;
    const std::uint8_t model[8] = { 0x50, 0x33, 0x32, 0x30, 0x37, bandCode, 0xF8, 0xFF };
    for (int i = 0; i < 8; ++i)
        image.setByte(440 + i, model[i]);
    const std::uint8_t channel[16] = { 0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0x9E, 0x02, 0x13, 0x20, 0x88, 0xFF, 0xFF, 0xFF };
    for (int i = 0; i < 16; ++i)
        image.setByte(16 + i, channel[i]);
    image.setByte(382, 0x01);
    image.setByte(304, 12);
    image.setByte(308, 3);
    return image;
}
} // namespace

class TestCli : public QObject {
    Q_OBJECT
    QTemporaryDir dataHome_;

private slots:
    // Every run of t40-cli adds to its programming log: not the user's.
    void initTestCase() { qputenv("XDG_DATA_HOME", dataHome_.path().toLocal8Bit()); }

    // Only the registered terminal where a radio answers is listed: not a silent one, not one that sends
    // acknowledgements without end, and one whose opening hangs holds nothing up. The radio hears nothing
    // but the handshake, the identity request and the end frame.
    void detect_data()
    {
        QTest::addColumn<QString>("other");
        QTest::newRow("silent port") << "silent";
        QTest::newRow("port that babbles") << "babbling";
        QTest::newRow("port whose opening hangs") << "hanging";
    }
    void detect()
    {
        QFETCH(QString, other);
        QTemporaryDir dir;
        VirtualRadio radio, silent;
        radio.setBandFlag(1);
        silent.faults().silent = true;
        PtyRadioServer server(radio), quiet(silent);
        QVERIFY(server.open(nullptr) && quiet.open(nullptr));
        QString otherDevice = quiet.devicePath();
        std::atomic<bool> stop { false };
        std::thread babbler;
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
        if (other == "babbling") {
            otherDevice = QString::fromLocal8Bit(::ptsname(master));
            babbler = std::thread([&] {
                while (!stop) {
                    const char ack = 0x06;
                    (void)!::write(master, &ack, 1);
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                }
            });
        }
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("ZEV")));
        QFile conf(dir.filePath(QStringLiteral("ZEV/T40.conf")));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("[Ports]\nCOM5=%1\nCOM6=%2\n").arg(server.devicePath(), otherDevice).toUtf8());
        conf.close();
        server.startThread();
        quiet.startThread();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
        if (other == "hanging") {
            const QString shim = Tool(QStringLiteral("t40_write_fault_shim.so"));
            if (!QFile::exists(shim))
                QSKIP("the fault library is not built here");
            env.insert(QStringLiteral("LD_PRELOAD"), shim);
            env.insert(QStringLiteral("T40_HANG_OPEN"), otherDevice);
            // The thread still stuck in open() is left behind on purpose when the program ends.
            env.insert(QStringLiteral("ASAN_OPTIONS"),
                       env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0:detect_leaks=0"));
        }
        QElapsedTimer clock;
        clock.start();
        const Result r = RunCli({ QStringLiteral("detect") }, env);
        const qint64 elapsed = clock.elapsed();
        stop = true;
        if (babbler.joinable())
            babbler.join();
        ::close(master);
        server.stop();
        quiet.stop();
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(r.out, QStringLiteral("COM5\t%1\tVHF 136-174 MHz\n").arg(server.devicePath()));
        // The hanging port would take 30 s.
        QVERIFY2(elapsed < (other == "hanging" ? 8000 : 4000), qPrintable(QString::number(elapsed)));
        QVERIFY(radio.countFrames(RadioFrame::Handshake) >= 1);
        QCOMPARE(radio.countFrames(RadioFrame::IdentityRequest), 1);
        QCOMPARE(radio.countFrames(RadioFrame::End), 1);
        QCOMPARE(int(radio.frames().size()), radio.countFrames(RadioFrame::Handshake) + 2);
        QCOMPARE(silent.countFrames(RadioFrame::IdentityRequest), 0);
    }

    // A row of three radios against the emulator in row mode, the third of the other band.
    void writeRepeat()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("row.rdat"));
        QCOMPARE(SaveDataFile(file, SampleImage(0x73)), DataFileStatus::Ok);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.path());
        QProcess emulator;
        emulator.setProcessEnvironment(env);
        emulator.start(Tool(QStringLiteral("t40-radio-emulator")),
                       { QStringLiteral("--load"), file, QStringLiteral("--row"), QStringLiteral("--other-band-every"), QStringLiteral("3") });
        QVERIFY(emulator.waitForReadyRead(10000));
        const QString device = QString::fromUtf8(emulator.readLine()).trimmed();
        const Result r = RunCli({ QStringLiteral("write"), QStringLiteral("--port"), device, file, QStringLiteral("--repeat"),
                                  QStringLiteral("--count"), QStringLiteral("3") }, env);
        emulator.terminate();
        QVERIFY(emulator.waitForFinished(10000));
        QCOMPARE(r.status, 7);
        QCOMPARE(r.out, QStringLiteral("1\tUHF 400-520 MHz\tOK\n2\tUHF 400-520 MHz\tOK\n3\tVHF 136-174 MHz\trefused: band differs\n"
                                       "Radios: 3, written: 2, failed: 1\n"));
        QFile log(dir.filePath(QStringLiteral("ZEV/T40/programming-log.csv")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll().count('\n'), 4); // the header and one line per radio
    }

    // A read also keeps a backup (owner-only, named by time and band) unless told not to.
    void readsTheRadio_data()
    {
        QTest::addColumn<bool>("backup");
        QTest::newRow("with backup") << true;
        QTest::newRow("--no-backup") << false;
    }
    void readsTheRadio()
    {
        QFETCH(bool, backup);
        QTemporaryDir dir;
        VirtualRadio radio;
        FillPattern(radio.memory(), 2);
        PtyRadioServer server(radio);
        QVERIFY(server.open(nullptr));
        std::atomic<qint64> endAt { 0 };
        QElapsedTimer clock;
        clock.start();
        server.setOnSessionEnd([&] { endAt = clock.elapsed(); });
        server.startThread();
        const QString out = dir.filePath(QStringLiteral("radio.rdat"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        QStringList args { QStringLiteral("read"), QStringLiteral("--port"), server.devicePath(), QStringLiteral("-o"), out };
        if (!backup)
            args << QStringLiteral("--no-backup");
        const Result r = RunCli(args, env);
        const qint64 exitAt = clock.elapsed();
        server.stop();
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY(endAt > 0);
        QVERIFY2(exitAt - endAt >= 100, "the port stays open 100 ms after the end frame");
        QVERIFY(r.err.contains(QStringLiteral("\nComplete:100%\n"))); // plain lines when not on a terminal
        QVERIFY(!r.err.contains(QLatin1Char('\r')));
        const QDir backups(dir.filePath(QStringLiteral("data/ZEV/T40/backups")));
        const QFileInfoList kept = backups.entryInfoList(QDir::Files);
        QCOMPARE(kept.size(), backup ? 1 : 0);
        if (backup) {
            QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d_\\d{6}-\\d{3}_\\w+\\d+-\\d+_pts\\d+\\.rdat$")).match(kept.first().fileName()).hasMatch(),
                     qPrintable(kept.first().fileName()));
            QCOMPARE(kept.first().permissions() & ~(QFile::ReadUser | QFile::WriteUser), QFile::ReadOwner | QFile::WriteOwner);
            QFile a(out), b(kept.first().filePath());
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QCOMPARE(b.readAll(), a.readAll());
        }
        RadioImage image;
        QCOMPARE(LoadDataFile(out, image), DataFileStatus::Ok);
        for (int a = 0; a < RadioImage::ImageSize; ++a)
            QCOMPARE(image.byte(a), radio.memory().byte(a));
        QCOMPARE(QFileInfo(out).size(), qint64(DataFile::Size));
    }

    // Every write is one line of the log with its verify column (the read-back
    // is no line of its own); --restore-on-failure reads first and puts the
    // radio's previous bytes back after a write that broke off or differs.
    void writesTheRadio_data()
    {
        QTest::addColumn<int>("radioFlag");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("fault"); // changed byte: "change"; once: "change-once"; broken off: "ack"
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("log"); // operation:result:verify per line
        const QStringList none, verify { "--verify" }, restore { "--verify", "--restore-on-failure" };
        QTest::newRow("same band") << 0x73 << none << "" << 0 << "write:OK:not run";
        QTest::newRow("radio is VHF") << 1 << none << "" << 5 << "write:refused: band differs:not run";
        QTest::newRow("radio is VHF, forced") << 1 << QStringList { "--force-band" } << "" << 0 << "write:OK:not run";
        QTest::newRow("verified") << 0x73 << verify << "" << 0 << "write:OK:OK";
        QTest::newRow("verify finds a changed byte") << 0x73 << verify << "change" << 8
                                                     << "write:failed: verify found a difference:differs at 0x123";
        QTest::newRow("unverified, the change goes unseen") << 0x73 << none << "change" << 0 << "write:OK:not run";
        QTest::newRow("verify differs, restored") << 0x73 << restore << "change-once" << 8
                                                  << "read before write:OK:|write:failed: verify found a difference:differs at 0x123|restore:OK:OK";
        QTest::newRow("broken off, restored") << 0x73 << QStringList { "--restore-on-failure" } << "ack" << 4
                                              << "read before write:OK:|write:failed: no answer:not run|restore:OK:not run";
        QTest::newRow("refused band, nothing to restore") << 1 << restore << "" << 5
                                                          << "read before write:OK:|write:refused: band differs:not run";
    }
    void writesTheRadio()
    {
        QFETCH(int, radioFlag);
        QFETCH(QStringList, options);
        QFETCH(QString, fault);
        QFETCH(int, status);
        QFETCH(QString, log);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("in.rdat"));
        const RadioImage image = SampleImage(0x73);
        QCOMPARE(SaveDataFile(file, image), DataFileStatus::Ok);
        VirtualRadio radio;
        FillPattern(radio.memory(), 3);
        radio.memory().setByte(445, std::uint8_t(radioFlag));
        radio.setBandFlag(std::uint8_t(radioFlag));
        const RadioImage previous = radio.memory();
        const int changedByte = fault.startsWith(QLatin1String("change")) ? 0x123 : -1;
        radio.faults().changedByteAddress = changedByte;
        radio.faults().changedByteTimes = fault == QLatin1String("change-once") ? 1 : 0;
        const bool restoring = options.contains(QStringLiteral("--restore-on-failure"));
        if (fault == QLatin1String("ack"))
            radio.faults().wrongAckAtFrame = (restoring ? 36 : 0) + 3 + 20; // the 20th block of the write, after the read
        PtyRadioServer server(radio);
        QVERIFY(server.open(nullptr));
        server.startThread();
        const QString logFile = dataHome_.filePath(QStringLiteral("ZEV/T40/programming-log.csv"));
        QFile::remove(logFile);
        const Result r = RunCli(QStringList { QStringLiteral("write"), QStringLiteral("--port"), server.devicePath(), file } + options);
        server.stop();
        QVERIFY2(r.status == status, qPrintable(r.err));
        QCOMPARE(r.err.contains(QStringLiteral("Write Data OK")), status == 0);
        QCOMPARE(r.err.contains(QStringLiteral("Verified: the radio holds the data")), status == 0 && options.contains(QStringLiteral("--verify")));

        QFile logLines(logFile);
        QVERIFY(logLines.open(QIODevice::ReadOnly));
        QStringList got;
        for (const QByteArray& line : logLines.readAll().split('\n').mid(1))
            if (!line.isEmpty()) {
                const QList<QByteArray> f = line.split(',');
                got << QString::fromUtf8(f.value(1) + ':' + f.value(5) + ':' + f.value(6));
            }
        QCOMPARE(got.join(QLatin1Char('|')), log);

        if (log.contains(QStringLiteral("restore:OK"))) {
            QVERIFY2(r.err.contains(QStringLiteral("previous data was restored")), qPrintable(r.err));
            for (int a = 0; a < RadioImage::ImageSize; ++a)
                QCOMPARE(radio.memory().byte(a), previous.byte(a));
            return;
        }
        if (status == 8) {
            QVERIFY2(r.err.contains(QStringLiteral("at address 0x123")), qPrintable(r.err));
            return;
        }
        if (status != 0) {
            QVERIFY(r.err.contains(QStringLiteral("--force-band")));
            QVERIFY(radio.writeAddresses().empty());
            QVERIFY(radio.sessionEnded()); // the radio was told to stop
            return;
        }
        QCOMPARE(int(radio.writeAddresses().size()), 47);
        for (int a = 0; a < 0x2F0; ++a)
            if (a != changedByte)
                QCOMPARE(radio.memory().byte(a), image.byte(a));
    }

    // diff --port compares the radio with a file and writes nothing.
    void diffWithTheRadio_data()
    {
        QTest::addColumn<bool>("same");
        QTest::addColumn<int>("status");
        QTest::newRow("the same") << true << 0;
        QTest::newRow("squelch differs") << false << 1;
    }
    void diffWithTheRadio()
    {
        QFETCH(bool, same);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("in.rdat"));
        RadioImage image = SampleImage(0x73);
        VirtualRadio radio;
        for (int a = 0; a < RadioImage::ImageSize; ++a)
            radio.memory().setByte(a, image.byte(a));
        if (!same)
            image.setByte(308, 5);
        QCOMPARE(SaveDataFile(file, image), DataFileStatus::Ok);
        PtyRadioServer server(radio);
        QVERIFY(server.open(nullptr));
        server.startThread();
        const Result r = RunCli({ QStringLiteral("diff"), QStringLiteral("--port"), server.devicePath(), file });
        server.stop();
        QVERIFY2(r.status == status, qPrintable(r.err));
        QCOMPARE(r.out, same ? QString() : QStringLiteral("Squelch level: 3 -> 5\n"));
        QVERIFY(radio.writeAddresses().empty());
    }

    // doctor gives each cause its own verdict: a silent radio, a port another
    // program holds, a port the user may not open (by its mode), a radio that answers.
    void doctor_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("silent port") << "silent" << 4 << "verdict: Nothing answers on";
        QTest::newRow("busy port") << "busy" << 3 << "is in use by another program (sleep (pid";
        QTest::newRow("port without permission") << "denied" << 3 << "verdict: You may not open";
        QTest::newRow("live radio") << "live" << 0 << "verdict: A radio answers on";
        QTest::newRow("cable pulled out during the handshake") << "unplugged" << 3 << "verdict: There is no device";
    }
    void doctor()
    {
        QFETCH(QString, port);
        QFETCH(int, status);
        QFETCH(QString, verdict);
        VirtualRadio radio;
        radio.setBandFlag(0x73);
        radio.faults().silent = port == QLatin1String("silent") || port == QLatin1String("busy");
        if (port == QLatin1String("unplugged"))
            radio.faults().hangUpAfterFrames = 1; // takes the handshake, then the line goes
        PtyRadioServer server(radio);
        QVERIFY(server.open(nullptr));
        server.startThread();
        QProcess holder;
        if (port == QLatin1String("busy")) {
            holder.setStandardInputFile(server.devicePath());
            holder.start(QStringLiteral("sleep"), { QStringLiteral("30") });
            QVERIFY(holder.waitForStarted());
        }
        const QByteArray device = QFile::encodeName(server.devicePath());
        QProcess doctor;
        if (port == QLatin1String("denied")) {
            QCOMPARE(::chmod(device.constData(), 0), 0);
            // The superuser may open anything: the check runs as nobody then.
            if (::geteuid() == 0)
                doctor.setChildProcessModifier([] {
                    if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                        ::_exit(99);
                });
        }
        doctor.start(Tool(QStringLiteral("t40-cli")), { QStringLiteral("doctor"), QStringLiteral("--port"), server.devicePath() });
        QVERIFY(doctor.waitForFinished(20000));
        const QString out = QString::fromUtf8(doctor.readAllStandardOutput());
        ::chmod(device.constData(), 0620);
        holder.kill();
        holder.waitForFinished();
        server.stop();
        QVERIFY2(doctor.exitCode() == status, qPrintable(out + QString::fromUtf8(doctor.readAllStandardError())));
        QVERIFY2(out.contains(verdict), qPrintable(out));
        QVERIFY(out.contains(port == QLatin1String("unplugged") ? QStringLiteral("device: not present") : QStringLiteral("handshake at 9600 baud: ")));
        if (port == QLatin1String("live"))
            QVERIFY(out.contains(QStringLiteral("a radio answered (UHF 400-520 MHz)")));
        QVERIFY(radio.writeAddresses().empty());
    }

    void failures_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("port missing") << "port" << 3 << "cannot open the port";
        QTest::newRow("unknown COM number") << "com" << 3 << "no such port";
        QTest::newRow("wrong acknowledgement") << "ack" << 4 << "does not answer";
        QTest::newRow("reply outside the memory") << "address" << 4 << "does not answer";
        QTest::newRow("port vanishes mid-read") << "vanish" << 4 << "does not answer";
        QTest::newRow("bad file to write") << "file" << 2 << "not a T40 data file";
    }
    void failures()
    {
        QFETCH(QString, fault);
        QFETCH(int, status);
        QFETCH(QString, text);
        QTemporaryDir dir;
        VirtualRadio radio;
        PtyRadioServer server(radio);
        QVERIFY(server.open(nullptr));
        if (fault == QLatin1String("ack"))
            radio.faults().wrongAckAtFrame = 5;
        if (fault == QLatin1String("address")) {
            radio.faults().otherAddressAtRead = 3;
            radio.faults().otherAddress = 0x0FE0;
        }
        if (fault == QLatin1String("vanish"))
            radio.faults().hangUpAfterFrames = 9;
        server.startThread();
        const QString out = dir.filePath(QStringLiteral("out.rdat"));
        QStringList args { QStringLiteral("read"), QStringLiteral("--port"), server.devicePath(), QStringLiteral("-o"), out };
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
        if (fault == QLatin1String("port"))
            args[2] = dir.filePath(QStringLiteral("ttyNothing"));
        if (fault == QLatin1String("com"))
            args[2] = QStringLiteral("COM250");
        if (fault == QLatin1String("file")) {
            QFile bad(dir.filePath(QStringLiteral("bad.rdat")));
            QVERIFY(bad.open(QIODevice::WriteOnly));
            bad.write(QByteArray(1040, 'x'));
            bad.close();
            args = QStringList { QStringLiteral("write"), QStringLiteral("--port"), server.devicePath(), bad.fileName() };
        }
        const Result r = RunCli(args, env);
        server.stop();
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(text), qPrintable(r.err));
        QVERIFY(!QFile::exists(out));
    }

    // The output replaces the old file in one step: a full or failing disk, or
    // a kill while it is written, leaves the old file whole and the status non-zero.
    void readOutputSurvivesWriteFaults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("mustFail");
        QTest::newRow("disk full") << "write:ENOSPC" << true;
        QTest::newRow("write error") << "write:EIO" << true;
        QTest::newRow("sync error") << "fsync:EIO" << true;
        // Reported after the synced file has taken the old one's place: either outcome must be whole.
        QTest::newRow("close error") << "close:EIO" << false;
        QTest::newRow("killed while writing") << "kill:write" << true;
    }
    void readOutputSurvivesWriteFaults()
    {
        QFETCH(QString, fault);
        QFETCH(bool, mustFail);
        const QString shim = Tool(QStringLiteral("t40_write_fault_shim.so"));
        if (!QFile::exists(shim))
            QSKIP("the write-fault library is not built here");
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("radio.rdat"));
        const QByteArray old = BuildDataFile(SampleImage(0x73)) + QByteArray(100, 't');
        QVERIFY(WriteFile(out, old));
        VirtualRadio radio;
        FillPattern(radio.memory(), 5);
        PtyRadioServer server(radio);
        QVERIFY(server.open(nullptr));
        server.startThread();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("LD_PRELOAD"), shim);
        env.insert(QStringLiteral("T40_FAULT_DIR"), QFileInfo(dir.path()).canonicalFilePath());
        env.insert(QStringLiteral("T40_FAULT"), fault);
        env.insert(QStringLiteral("ASAN_OPTIONS"), env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0"));
        const Result r = RunCli({ QStringLiteral("read"), QStringLiteral("--port"), server.devicePath(), QStringLiteral("-o"), out }, env);
        server.stop();
        if (mustFail)
            QVERIFY2(r.status != 0, qPrintable(r.err));
        QCOMPARE(r.err.contains(QStringLiteral("Read Data OK")), r.status == 0);
        if (r.status > 0)
            QVERIFY2(r.err.contains(out), qPrintable(r.err));
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), r.status == 0 ? BuildDataFile(radio.memory()) + old.mid(DataFile::Size) : old);
        // A failed save takes its temporary file away; only a killed one cannot.
        if (fault != QStringLiteral("kill:write"))
            QVERIFY(QDir(dir.path()).entryList({ QStringLiteral(".t40-save-*") }, QDir::Files | QDir::Hidden).isEmpty());
    }

    void showsAFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("expected");
        const QStringList text { QStringLiteral("Band: UHF 400-520 MHz"), QStringLiteral(" 2  (empty)"),
                                 QStringLiteral("Time-out timer: 180 s"), QStringLiteral("Squelch level: 3") };
        QTest::newRow("data file") << "rdat" << QStringList() << text;
        QTest::newRow("bare image") << "bare" << QStringList() << text;
        QTest::newRow("values out of range are marked")
            << "odd" << QStringList()
            << QStringList { "VOX: On", "VOX level: invalid (200)", "Battery save: invalid (7)", "Roger tone: Off",
                             "Voice prompt: invalid (255)", "TOT warning: invalid (255)" };
        QTest::newRow("csv") << "rdat" << QStringList { "--format", "csv" }
                             << QStringList { "CH,Rx Frequency,Tx Frequency,CTCSS/DCS Decode,CTCSS/DCS Encode,Tx Power,Scan Add,"
                                                             "Channel Spacing,Busy Lock\r\n",
                                              "1,446.00625,446.00625,67.0,D023N,High,Add,25K(Wide),None\r\n2,,,,,,,,\r\n" };
        QTest::newRow("json") << "bare" << QStringList { "--format=json" }
                              << QStringList { "\"name\": \"UHF\"", "\"receiveMHz\": \"446.00625\"", "\"encode\": \"D023N\"",
                                               "\"squelchLevel\": \"3\"", "\"empty\": true" };
    }
    void showsAFile()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, options);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("show.dat"));
        RadioImage image = SampleImage(0x73);
        if (kind == QLatin1String("odd")) {
            image.setByte(313, 1);
            image.setByte(314, 200);
            image.setByte(309, 7);
            image.setByte(306, 0);
        }
        QByteArray bytes = BuildDataFile(image);
        if (kind == QLatin1String("bare"))
            bytes = bytes.mid(DataFile::HeaderSize);
        QVERIFY(WriteFile(file, bytes));
        const Result r = RunCli(QStringList { QStringLiteral("show"), file } + options);
        QCOMPARE(r.status, 0);
        for (const QString& e : expected)
            QVERIFY2(r.out.contains(e), qPrintable(r.out));
        // Channel 1 sends High power 25 kHz on PMR446 channel 1: shown, and warned about.
        QVERIFY2(r.err.contains(QStringLiteral("t40-cli: warning: Channel 1: PMR446 allows at most Low power on 446.00625 MHz\n"
                                               "t40-cli: warning: Channel 1: PMR446 requires 12.5 kHz (narrow) spacing on 446.00625 MHz")),
                 qPrintable(r.err));
        if (options.isEmpty())
            QVERIFY2(r.out.contains(QRegularExpression(QStringLiteral(" 1  446.00625 +446.00625 +67.0 +D023N +High +Add +25K\\(Wide\\) +None"))), qPrintable(r.out));
    }

    // new --preset: the data file holds the plan's channels in the plan's band.
    void newFromPreset_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("summary");
        QTest::newRow("PMR446") << QStringList { "--preset", "PMR446" }
                                << QStringList { "Band: UHF 400-520 MHz", "1,446.00625,446.00625,None,None,Low,Add,12.5K(Narrow),None",
                                                 "16,446.19375,446.19375,None,None,Low,Add,12.5K(Narrow),None" }
                                << "16 channels of PMR446 are in channels 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16.";
        QTest::newRow("FRS, more than fits") << QStringList { "--preset", "FRS", "--band", "uhf" }
                                             << QStringList { "16,462.57500,462.57500,None,None,Low" }
                                             << "No channel left for: 462.60000, 462.62500, 462.65000, 462.67500, 462.70000, 462.72500 MHz.";
        QTest::newRow("MURS on VHF") << QStringList { "--preset", "MURS" }
                                     << QStringList { "Band: VHF 136-174 MHz", "4,154.57000,154.57000,None,None,Low,Add,25K(Wide)", "6,,," }
                                     << "5 channels of MURS are in channels 1, 2, 3, 4, 5.";
    }
    void newFromPreset()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, shown);
        QFETCH(QString, summary);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("new.rdat"));
        const Result made = RunCli(QStringList { QStringLiteral("new"), QStringLiteral("-o"), file } + options);
        QCOMPARE(made.status, 0);
        QVERIFY2(made.err.contains(summary), qPrintable(made.err));
        const Result text = RunCli({ QStringLiteral("show"), file });
        const Result csv = RunCli({ QStringLiteral("show"), file, QStringLiteral("--format"), QStringLiteral("csv") });
        for (const QString& s : shown)
            QVERIFY2(text.out.contains(s) || csv.out.contains(s), qPrintable(text.out + csv.out));
        // A plan keeps its own rules.
        QVERIFY2(!csv.err.contains(QStringLiteral("warning")), qPrintable(csv.err));
    }

    // export and import of the channel list: the CSV produced (on stdout, by -o, or
    // exported again from the imported data file) and what is reported where.
    void channelsCsv_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("err");
        QTest::addColumn<QStringList>("rows"); // none: no output file
        const QString row1 = QStringLiteral("\r\n1,,446.006250,,0.000000,Cross,88.5,67.0,023,NN,023,DTCS->Tone,FM,5.00,,High,,,,,,None\r\n");
        const QByteArray bad = "Location,Frequency,Tone\n1,999.0,\n2,446.1,Bogus\n3,446.2,\n";
        const QStringList import { "import", "IN", "--into", "BASE", "-o", "OUT" };
        QTest::newRow("export to stdout") << QStringList { "export", "BASE" } << QByteArray() << 0 << QStringList() << QStringList { row1 };
        QTest::newRow("export -o") << QStringList { "export", "BASE", "-o", "OUT" } << QByteArray() << 0 << QStringList() << QStringList { row1 };
        QTest::newRow("import") << import << QByteArray("Location,Frequency,Power\n2,446.1,Low\n") << 0
                                << QStringList { "imported channels 2 from in.csv; the other channels are unchanged" }
                                << QStringList { row1, "\r\n2,,446.100000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,,None\r\n" };
        QTest::newRow("problems") << import << bad << 2
                                  << QStringList { "in.csv:2:2: Frequency: 999.0 MHz is outside the band 400-520 MHz",
                                                   "in.csv:3:3: Tone: unknown tone mode \"Bogus\"",
                                                   "problems in in.csv; nothing written (--accept-valid imports the rows without problems: channels 3)" }
                                  << QStringList();
        QTest::newRow("problems, valid rows accepted") << import + QStringList { "--accept-valid" } << bad << 0
                                                       << QStringList { "in.csv:3:3: Tone:", "imported channels 3 from in.csv" }
                                                       << QStringList { row1, "\r\n3,,446.200000," };
        QTest::newRow("notes") << import << QByteArray("Location,Frequency,Memo\n1,446.0000051\n") << 0
                               << QStringList { "in.csv:1: note: columns ignored: Memo",
                                                "in.csv:2:2: note: Frequency: 446.0000051 MHz is stored as 446.00001 MHz" }
                               << QStringList { "\r\n1,,446.000010," };
        QTest::newRow("no --into") << QStringList { "import", "IN", "-o", "OUT" } << QByteArray("Location,Frequency\n") << 1
                                   << QStringList { "missing --into" } << QStringList();
    }
    void channelsCsv()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, csv);
        QFETCH(int, status);
        QFETCH(QStringList, err);
        QFETCH(QStringList, rows);
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("base.rdat"));
        const QString in = dir.filePath(QStringLiteral("in.csv"));
        const QString out = dir.filePath(args.first() == QLatin1String("export") ? QStringLiteral("out.csv") : QStringLiteral("out.rdat"));
        QCOMPARE(SaveDataFile(base, SampleImage(0x73)), DataFileStatus::Ok);
        QVERIFY(WriteFile(in, csv));
        // Whole arguments only: a temporary folder's random name may hold "IN" too.
        for (QString& a : args)
            a = a == QLatin1String("BASE") ? base : a == QLatin1String("IN") ? in : a == QLatin1String("OUT") ? out : a;
        err.replaceInStrings(QStringLiteral("in.csv"), in);
        const Result r = RunCli(args);
        QVERIFY2(r.status == status, qPrintable(r.err));
        for (const QString& e : err)
            QVERIFY2(r.err.contains(e), qPrintable(r.err));
        QString produced = r.out;
        if (args.first() == QLatin1String("import") && QFile::exists(out))
            produced = RunCli({ QStringLiteral("export"), out }).out;
        else if (args.contains(QStringLiteral("-o")) && QFile::exists(out)) {
            QFile written(out);
            QVERIFY(written.open(QIODevice::ReadOnly));
            produced = QString::fromUtf8(written.readAll());
        }
        QCOMPARE(QFile::exists(out) || !r.out.isEmpty(), !rows.isEmpty());
        for (const QString& row : rows)
            QVERIFY2(produced.contains(row), qPrintable(produced));
    }

    // A channel that breaks a licence-free service's rule is a warning on stderr when the file is imported
    // (the image as saved: the base's own breach mended by the import is none) and before it is written;
    // the command goes on as it would. The base's channel 1 is High, 25 kHz on 446.00625 MHz.
    void warnsOfRuleBreaches_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("channel1"); // Power,Mode imported into the base
        QTest::addColumn<QString>("warning");     // none: no warning at all
        const QString power = QStringLiteral("warning: Channel 1: PMR446 allows at most Low power on 446.00625 MHz");
        const QString spacing = QStringLiteral("warning: Channel 1: PMR446 requires 12.5 kHz (narrow) spacing on 446.00625 MHz");
        QTest::newRow("import, breach") << "import" << QByteArray("High,NFM") << power;
        QTest::newRow("import, mended") << "import" << QByteArray("Low,NFM") << QString();
        QTest::newRow("write, breach") << "write" << QByteArray("Low,FM") << spacing;
        QTest::newRow("write, clean") << "write" << QByteArray("Low,NFM") << QString();
    }
    void warnsOfRuleBreaches()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, channel1);
        QFETCH(QString, warning);
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("base.rdat"));
        const QString csv = dir.filePath(QStringLiteral("in.csv"));
        const QString file = dir.filePath(QStringLiteral("out.rdat"));
        QCOMPARE(SaveDataFile(base, SampleImage(0x73)), DataFileStatus::Ok);
        QVERIFY(WriteFile(csv, "Location,Frequency,Power,Mode\n1,446.00625," + channel1 + '\n'));
        Result r = RunCli({ QStringLiteral("import"), csv, QStringLiteral("--into"), base, QStringLiteral("-o"), file });
        QVERIFY2(r.status == 0, qPrintable(r.err));
        if (command == QLatin1String("write")) {
            VirtualRadio radio;
            radio.setBandFlag(0x73);
            PtyRadioServer server(radio);
            QVERIFY(server.open(nullptr));
            server.startThread();
            r = RunCli({ QStringLiteral("write"), QStringLiteral("--port"), server.devicePath(), file });
            server.stop();
            QVERIFY2(r.status == 0 && r.err.contains(QStringLiteral("Write Data OK")), qPrintable(r.err));
        }
        QCOMPARE(r.err.count(QStringLiteral("warning: ")), warning.isEmpty() ? 0 : 1);
        QVERIFY2(warning.isEmpty() || r.err.contains(QStringLiteral("t40-cli: ") + warning + QLatin1Char('\n')), qPrintable(r.err));
    }

    // diff's statuses as diff(1) has them: 0 the same, 1 different (the lines on stdout), 2 a file it cannot use.
    void comparesTwoFiles_data()
    {
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("same") << "same.rdat" << QStringList() << 0 << "" << "";
        QTest::newRow("differ, against a bare image")
            << "other.dat" << QStringList() << 1 << "Channel 1 Rx Frequency: 446.00625 -> 446.10000\nTime-out timer: 180 s -> 195 s\n"
            << "";
        QTest::newRow("json") << "other.dat" << QStringList { "--format", "json" } << 1
                              << "[\n    {\n        \"after\": \"446.10000\",\n        \"before\": \"446.00625\",\n"
                                 "        \"key\": \"channel.1.receiveMHz\",\n        \"name\": \"Channel 1 Rx Frequency\",\n"
                                 "        \"rawAfter\": \"00 00 61 44\",\n        \"rawBefore\": \"25 06 60 44\"\n    },\n"
                                 "    {\n        \"after\": \"195 s\",\n        \"before\": \"180 s\",\n"
                                 "        \"key\": \"timeOutTimer\",\n        \"name\": \"Time-out timer\",\n"
                                 "        \"rawAfter\": \"13\",\n        \"rawBefore\": \"12\"\n    }\n]\n"
                              << "";
        QTest::newRow("unknown format") << "other.dat" << QStringList { "--format", "xml" } << 2 << "" << "unknown format 'xml'";
        QTest::newRow("missing") << "missing.rdat" << QStringList() << 2 << "" << "t40-cli: cannot read";
        QTest::newRow("not a data file") << "short.rdat" << QStringList() << 2 << "" << "short.rdat is not a T40 data file";
    }
    void comparesTwoFiles()
    {
        QFETCH(QString, second);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir dir;
        const RadioImage image = SampleImage(0x73);
        QCOMPARE(SaveDataFile(dir.filePath(QStringLiteral("a.rdat")), image), DataFileStatus::Ok);
        QCOMPARE(SaveDataFile(dir.filePath(QStringLiteral("same.rdat")), image), DataFileStatus::Ok);
        RadioImage other = image;
        other.setByte(16 + 2, 0x61); // 446.00625 -> 446.10000
        other.setByte(16 + 1, 0x00);
        other.setByte(16, 0x00);
        other.setByte(304, 13);
        QFile bare(dir.filePath(QStringLiteral("other.dat")));
        QVERIFY(bare.open(QIODevice::WriteOnly) && bare.write(BuildDataFile(other).mid(DataFile::HeaderSize)) == RadioImage::ImageSize);
        bare.close();
        QFile shortFile(dir.filePath(QStringLiteral("short.rdat")));
        QVERIFY(shortFile.open(QIODevice::WriteOnly) && shortFile.write("ZEVT41") == 6);
        shortFile.close();
        const Result r = RunCli(QStringList { QStringLiteral("diff"), dir.filePath(QStringLiteral("a.rdat")), dir.filePath(second) } + options);
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, out);
        QVERIFY2(err.isEmpty() ? r.err.isEmpty() : r.err.contains(err), qPrintable(r.err));
    }

    // What the parser answers, where it answers, and with which status.
    void arguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << QStringList { "--help" } << 0 << "ports     List the serial ports" << "";
        QTest::newRow("help command") << QStringList { "help", "write" } << 0 << "--force-band" << "";
        QTest::newRow("command --help") << QStringList { "show", "--help" } << 0 << "Usage: t40-cli show [options] FILE" << "";
        QTest::newRow("version") << QStringList { "--version" } << 0 << "t40-cli 1." << "";
        QTest::newRow("nothing") << QStringList() << 1 << "" << "Usage: t40-cli COMMAND";
        QTest::newRow("unknown command") << QStringList { "frob" } << 1 << "" << "unknown command 'frob'";
        QTest::newRow("unknown help topic") << QStringList { "help", "frob" } << 1 << "" << "unknown command 'frob'";
        QTest::newRow("unknown option") << QStringList { "show", "--bogus", "x" } << 1 << "" << "show: Unknown option 'bogus'";
        QTest::newRow("option before command") << QStringList { "--port", "x" } << 1 << "" << "unknown option '--port'";
        QTest::newRow("missing option") << QStringList { "read", "-o", "x.rdat" } << 1 << "" << "missing --port";
        QTest::newRow("missing file") << QStringList { "show" } << 1 << "" << "expects t40-cli show [options] FILE";
        QTest::newRow("extra file") << QStringList { "show", "a", "b" } << 1 << "" << "expects";
        QTest::newRow("diff keeps 1 for different") << QStringList { "diff", "a" } << 2 << "" << "expects t40-cli diff A.rdat B.rdat";
        QTest::newRow("unknown format") << QStringList { "show", "--format", "xml", "a" } << 1 << "" << "unknown format 'xml'";
        QTest::newRow("FIFO") << QStringList { "show", "FIFO" } << 2 << "" << "not a regular file";
        QTest::newRow("directory") << QStringList { "show", "DIR" } << 2 << "" << "not a regular file";
        QTest::newRow("short bare file") << QStringList { "show", "SHORT" } << 2 << "" << "is not a T40 data file";
        QTest::newRow("empty port") << QStringList { "read", "--port", "", "-o", "x.rdat" } << 1 << "" << "--port needs a value";
        QTest::newRow("preset list") << QStringList { "preset", "list" } << 0 << "PMR446    UHF  16 channels  Europe" << "";
        QTest::newRow("preset, unknown action") << QStringList { "preset", "show" } << 1 << "" << "unknown action 'show' (list)";
        QTest::newRow("new, unknown preset") << QStringList { "new", "--preset", "GMRS", "-o", "x.rdat" } << 1 << ""
                                             << "no preset 'GMRS' (FRS, LPD433, MURS, PMR446, UHF CB)";
        QTest::newRow("new, preset of the other band") << QStringList { "new", "--preset", "pmr446", "--band", "VHF", "-o", "x.rdat" }
                                                       << 1 << "" << "PMR446 is a UHF channel plan; a VHF radio cannot use it";
        QTest::newRow("new without -o") << QStringList { "new", "--preset", "FRS" } << 1 << "" << "missing -o";
    }
    void arguments()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QFile shortFile(dir.filePath(QStringLiteral("short")));
        QVERIFY(shortFile.open(QIODevice::WriteOnly) && shortFile.write(QByteArray(1023, '\0')) == 1023);
        shortFile.close();
        args.replaceInStrings(QStringLiteral("FIFO"), fifo);
        args.replaceInStrings(QStringLiteral("DIR"), dir.path());
        args.replaceInStrings(QStringLiteral("SHORT"), shortFile.fileName());
        QElapsedTimer clock;
        clock.start();
        const Result r = RunCli(args);
        QCOMPARE(r.status, status);
        QVERIFY(clock.elapsed() < 10000); // nothing waits on the FIFO
        QVERIFY2(out.isEmpty() ? r.out.isEmpty() : r.out.contains(out), qPrintable(r.out));
        QVERIFY2(err.isEmpty() ? r.err.isEmpty() : r.err.contains(err), qPrintable(r.err));
    }

    // What reaches the terminal is safe to show and says what is wrong: control characters of a name or a
    // cell are escaped, a busy port names its holder (no group advice), a failed backup names its file.
    void messages_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("file name") << "name" << 2 << "bad\\x1b[2J\\x0aT40.rdat: ";
        QTest::newRow("CSV cell") << "cell" << 2 << "\"1\\x1b[31m\" is not a number";
        QTest::newRow("busy port") << "busy" << 3 << QStringLiteral("in use by another program: test_cli (process %1)").arg(QCoreApplication::applicationPid());
        QTest::newRow("backup folder cannot be made") << "backup" << 6 << "cannot write the backup BACKUPS: cannot create";
    }
    void messages()
    {
        QFETCH(QString, kind);
        QFETCH(int, status);
        QFETCH(QString, text);
        QTemporaryDir dir;
        VirtualRadio radio;
        PtyRadioServer server(radio);
        QVERIFY(server.open(nullptr));
        server.startThread();
        QSerialPort holder(server.devicePath());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString file = dir.filePath(QStringLiteral("radio.rdat"));
        QStringList args { QStringLiteral("read"), QStringLiteral("--port"), server.devicePath(), QStringLiteral("-o"), file };
        if (kind == "name")
            args = QStringList { QStringLiteral("show"), dir.filePath(QStringLiteral("bad\x1b[2J\nT40.rdat")) };
        if (kind == "cell") {
            QFile csv(dir.filePath(QStringLiteral("c.csv")));
            QVERIFY(csv.open(QIODevice::WriteOnly) && csv.write("Location,Frequency\n1\x1b[31m,446.0\n") > 0);
            csv.close();
            QCOMPARE(SaveDataFile(file, SampleImage(0x73)), DataFileStatus::Ok);
            args = QStringList { QStringLiteral("import"), csv.fileName(), QStringLiteral("--into"), file, QStringLiteral("-o"), file };
        }
        if (kind == "busy")
            QVERIFY(holder.open(QIODevice::ReadWrite));
        if (kind == "backup") {
            QFile notAFolder(dir.filePath(QStringLiteral("data")));
            QVERIFY(notAFolder.open(QIODevice::WriteOnly));
            env.insert(QStringLiteral("XDG_DATA_HOME"), notAFolder.fileName());
            text.replace(QStringLiteral("BACKUPS"), notAFolder.fileName() + QStringLiteral("/ZEV/T40/backups"));
        }
        const Result r = RunCli(args, env);
        holder.close();
        server.stop();
        QVERIFY2(r.status == status, qPrintable(r.err));
        QVERIFY2(r.err.contains(text), qPrintable(r.err));
        QVERIFY(!r.err.contains(QChar(0x1b)) && !r.err.contains(QStringLiteral("dialout")));
    }

    // Names that are not UTF-8 reach the file system byte for byte, both ways.
    void nonUtf8FileNames()
    {
        QTemporaryDir dir;
        VirtualRadio radio;
        radio.memory().replaceImage(SampleImage(0x73).image());
        PtyRadioServer server(radio);
        QVERIFY(server.open(nullptr));
        server.startThread();
        QProcess p;
        p.setWorkingDirectory(dir.path());
        // The shell makes the raw byte 0xFF; QProcess itself passes text only.
        p.start(QStringLiteral("/bin/sh"),
                { QStringLiteral("-c"),
                  QStringLiteral("\"$0\" read --port \"$1\" -o \"$(printf 'r\\377.rdat')\" && \"$0\" show \"$(printf 'r\\377.rdat')\""),
                  Tool(QStringLiteral("t40-cli")), server.devicePath() });
        QVERIFY(p.waitForFinished(60000));
        server.stop();
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        QVERIFY(p.readAllStandardOutput().contains("446.00625"));
        struct stat st {};
        QVERIFY(::stat((QFile::encodeName(dir.path()) + "/r\xff.rdat").constData(), &st) == 0);
        QCOMPARE(qint64(st.st_size), qint64(DataFile::Size));
    }

    // A newcomer's virtual radio: the factory image unless told otherwise; a
    // --load file that does not exist yet is created by --save; a bare image loads.
    void emulatorStartingPoints_data()
    {
        QTest::addColumn<QString>("load");
        QTest::newRow("no --load") << "";
        QTest::newRow("--load of a missing file") << "missing";
        QTest::newRow("bare 1024-byte image") << "bare";
    }
    void emulatorStartingPoints()
    {
        QFETCH(QString, load);
        QTemporaryDir dir;
        QFile factory(Tool(QStringLiteral("Init.dat")));
        QVERIFY(factory.open(QIODevice::ReadOnly));
        QByteArray expected = factory.readAll();
        QCOMPARE(expected.size(), RadioImage::ImageSize);
        const QString memory = dir.filePath(QStringLiteral("radio.rdat"));
        QStringList args;
        if (load == QLatin1String("missing"))
            args << QStringLiteral("--load") << memory << QStringLiteral("--save") << memory;
        if (load == QLatin1String("bare")) {
            expected[20] = char(0x5A);
            const QString bare = dir.filePath(QStringLiteral("image.bin"));
            QVERIFY(WriteFile(bare, expected));
            args << QStringLiteral("--load") << bare;
        }
        QProcess emulator;
        emulator.start(Tool(QStringLiteral("t40-radio-emulator")), args);
        QVERIFY(emulator.waitForReadyRead(10000));
        const QString device = QString::fromUtf8(emulator.readLine()).trimmed();
        const QString copy = dir.filePath(QStringLiteral("copy.rdat"));
        const Result r = RunCli({ QStringLiteral("read"), QStringLiteral("--port"), device, QStringLiteral("-o"), copy, QStringLiteral("--no-backup") });
        emulator.terminate();
        QVERIFY(emulator.waitForFinished(10000));
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QFile read(copy);
        QVERIFY(read.open(QIODevice::ReadOnly));
        QCOMPARE(read.readAll().mid(DataFile::HeaderSize), expected);
        if (load == QLatin1String("missing"))
            QCOMPARE(QFileInfo(memory).size(), qint64(DataFile::Size));
    }

    // The emulator program with its memory file and COM registration, driven by t40-cli.
    void emulatorProgram()
    {
        QTemporaryDir dir;
        const QString memory = dir.filePath(QStringLiteral("radio.rdat"));
        QCOMPARE(SaveDataFile(memory, SampleImage(0x73)), DataFileStatus::Ok);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
        QProcess emulator;
        emulator.setProcessEnvironment(env);
        emulator.start(Tool(QStringLiteral("t40-radio-emulator")),
                       { QStringLiteral("--load"), memory, QStringLiteral("--save"), memory, QStringLiteral("--com"), QStringLiteral("12") });
        QVERIFY(emulator.waitForReadyRead(10000));
        const QString device = QString::fromUtf8(emulator.readLine()).trimmed();
        QVERIFY(device.startsWith(QStringLiteral("/dev/")));

        const QString copy = dir.filePath(QStringLiteral("copy.rdat"));
        Result r = RunCli({ QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("COM12"), QStringLiteral("-o"), copy }, env);
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QFile a(memory), b(copy);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), a.readAll());

        RadioImage changed = SampleImage(0x73);
        changed.setByte(308, 7);
        QCOMPARE(SaveDataFile(copy, changed), DataFileStatus::Ok);
        r = RunCli({ QStringLiteral("write"), QStringLiteral("--port"), QStringLiteral("COM12"), copy }, env);
        QVERIFY2(r.status == 0, qPrintable(r.err));
        emulator.terminate();
        QVERIFY(emulator.waitForFinished(10000));
        RadioImage saved;
        QCOMPARE(LoadDataFile(memory, saved), DataFileStatus::Ok);
        QCOMPARE(saved.byte(308), std::uint8_t(7));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
