#include "test_support.h"
#include "band_table.h"
#include "data_file.h"
#include "read_backups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace t40;
using test::PeakKilobytes;
using test::WriteFile;

namespace {
RadioImage PatternImage()
{
    RadioImage image;
    for (int i = 0; i < RadioImage::ImageSize; ++i)
        image.setByte(i, static_cast<std::uint8_t>(i * 7 + 3));
    return image;
}

} // namespace

class TestDataFile : public QObject {
    Q_OBJECT
private slots:
    void buildsHeaderAndImage()
    {
        const QByteArray bytes = BuildDataFile(PatternImage());
        QCOMPARE(bytes.size(), 1040);
        QCOMPARE(bytes.left(16), QByteArray("ZEVT40 Ver1.0.2 "));
        QCOMPARE(std::uint8_t(bytes.at(16 + 5)), PatternImage().byte(5));
        QCOMPARE(std::uint8_t(bytes.at(1039)), PatternImage().byte(1023));
    }

    void headerCheck_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("status");
        QTest::newRow("own header") << QByteArray("ZEVT40 Ver1.0.2 ") << 1040 << int(DataFileStatus::Ok);
        QTest::newRow("other version text") << QByteArray("ZEVT40 Ver9.9.9X") << 1040 << int(DataFileStatus::Ok);
        QTest::newRow("sixth byte differs") << QByteArray("ZEVT41 Ver1.0.2 ") << 1040 << int(DataFileStatus::WrongHeader);
        QTest::newRow("first byte differs") << QByteArray("AEVT40 Ver1.0.2 ") << 1040 << int(DataFileStatus::WrongHeader);
        QTest::newRow("longer file") << QByteArray("ZEVT40 Ver1.0.2 ") << 5000 << int(DataFileStatus::Ok);
        QTest::newRow("one byte short") << QByteArray("ZEVT40 Ver1.0.2 ") << 1039 << int(DataFileStatus::TooShort);
        QTest::newRow("header only") << QByteArray("ZEVT40 Ver1.0.2 ") << 16 << int(DataFileStatus::TooShort);
        QTest::newRow("empty") << QByteArray() << 0 << int(DataFileStatus::WrongHeader);
        QTest::newRow("three bytes") << QByteArray("ZEV") << 3 << int(DataFileStatus::WrongHeader);
    }
    void headerCheck()
    {
        QFETCH(QByteArray, header);
        QFETCH(int, length);
        QFETCH(int, status);
        QByteArray bytes = header;
        bytes.resize(length, '\x5A');
        RadioImage image;
        image.setByte(100, 0x01);
        const RadioImage before = image;
        QCOMPARE(int(ParseDataFile(bytes, image)), status);
        if (status == int(DataFileStatus::Ok)) {
            QCOMPARE(image.byte(100), std::uint8_t(0x5A));
            QCOMPARE(image.byte(1023), std::uint8_t(0x5A));
        } else {
            QVERIFY(image == before);
        }
    }

    void saveAndLoadRoundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("radio.rdat");
        QCOMPARE(SaveDataFile(path, PatternImage()), DataFileStatus::Ok);
        QCOMPARE(QFile(path).size(), 1040);
        RadioImage loaded;
        QCOMPARE(LoadDataFile(path, loaded), DataFileStatus::Ok);
        QVERIFY(std::equal(loaded.image().begin(), loaded.image().end(), PatternImage().image().begin()));
    }

    void saveOntoLongerFileKeepsItsTail()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("long.rdat");
        // Longer than one piece of the copy.
        QVERIFY(WriteFile(path, QByteArray(300000, 'x')));
        QCOMPARE(SaveDataFile(path, PatternImage()), DataFileStatus::Ok);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QCOMPARE(bytes.size(), 300000);
        QCOMPARE(bytes.left(1040), BuildDataFile(PatternImage()));
        QCOMPARE(bytes.mid(1040), QByteArray(300000 - 1040, 'x'));
        f.close();
#ifndef __SANITIZE_ADDRESS__
        // The tail is copied piece by piece: a long file costs no more memory than a short one.
        const QString big = dir.filePath("big.rdat");
        QFile sparse(big);
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(128) << 20));
        sparse.close();
        const long before = PeakKilobytes();
        QCOMPARE(SaveDataFile(big, PatternImage()), DataFileStatus::Ok);
        QVERIFY2(PeakKilobytes() - before < 32 * 1024, "saving over a long file read its tail into memory");
        QCOMPARE(QFileInfo(big).size(), qint64(128) << 20);
#endif
    }

    void ioFailuresLeaveImageAndName()
    {
        QTemporaryDir dir;
        RadioImage image = PatternImage();
        QString reason;
        QCOMPARE(LoadDataFile(dir.filePath("missing.rdat"), image, &reason), DataFileStatus::IoError);
        QVERIFY(!reason.isEmpty());
        QVERIFY(image == PatternImage());
        reason.clear();
        QCOMPARE(SaveDataFile(dir.filePath("no/such/folder/x.rdat"), image, &reason), DataFileStatus::IoError);
        QVERIFY(!reason.isEmpty());
    }

    // A save never puts a new file of ours in the place of a device, a pipe, a
    // folder or a write-protected file, follows links only as the kernel would
    // (never one planted by another user in a shared sticky folder), and a
    // replaced file keeps its owner, group and mode.
    void linksAndProtections_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("status");
        QTest::newRow("pipe") << "pipe" << int(DataFileStatus::NotRegularFile);
        QTest::newRow("folder") << "folder" << int(DataFileStatus::NotRegularFile);
        QTest::newRow("link") << "link" << int(DataFileStatus::Ok);
        QTest::newRow("chain of links") << "chain" << int(DataFileStatus::Ok);
        QTest::newRow("loop of links") << "loop" << int(DataFileStatus::UnsafeLink);
        QTest::newRow("link planted in a sticky shared folder") << "planted" << int(DataFileStatus::UnsafeLink);
        QTest::newRow("own link in a sticky shared folder") << "own link" << int(DataFileStatus::Ok);
        QTest::newRow("read-only file") << "read-only" << int(DataFileStatus::ReadOnly);
        QTest::newRow("other user's file") << "owner" << int(DataFileStatus::Ok);
        QTest::newRow("shared group and mode") << "group" << int(DataFileStatus::Ok);
        QTest::newRow("leftover of a killed save") << "leftover" << int(DataFileStatus::Ok);
    }
    void linksAndProtections()
    {
        QFETCH(QString, kind);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString path = dir.filePath("target");
        const QString real = dir.filePath("real.rdat");
        const QByteArray old(1040, 'o');
        const auto native = [](const QString& p) { return QFile::encodeName(p); };
        if (kind == "pipe")
            QCOMPARE(::mkfifo(native(path).constData(), 0600), 0);
        if (kind == "folder")
            QVERIFY(QDir(dir.path()).mkdir("target"));
        if (kind == "link" || kind == "chain" || kind == "planted" || kind == "own link") {
            QVERIFY(WriteFile(real, old));
            if (kind == "chain") {
                QVERIFY(QFile::link("real.rdat", dir.filePath("middle")));
                QVERIFY(QFile::link("middle", path));
            } else {
                QVERIFY(QFile::link(real, path));
            }
            if (kind == "planted" || kind == "own link")
                QVERIFY(::chmod(native(dir.path()).constData(), 01777) == 0);
            if (kind == "planted" && ::lchown(native(path).constData(), 4242, 4242) != 0)
                QSKIP("only the superuser can make a link of another user here");
        }
        if (kind == "loop") {
            QVERIFY(QFile::link("other", path));
            QVERIFY(QFile::link("target", dir.filePath("other")));
        }
        if (kind == "read-only" || kind == "owner" || kind == "group" || kind == "leftover")
            QVERIFY(WriteFile(path, old));
        if (kind == "read-only")
            QVERIFY(::chmod(native(path).constData(), 0444) == 0);
        if (kind == "owner" && ::chown(native(path).constData(), 4242, 4242) != 0)
            QSKIP("only the superuser can make a file of another user here");
        if (kind == "group") {
            if (::chown(native(path).constData(), ::geteuid(), 4243) != 0)
                QSKIP("only the superuser can give a file any group here");
            QVERIFY(::chmod(native(path).constData(), 0664) == 0);
        }
        const QString leftover = dir.filePath(".t40-save-Ab12Cd");
        if (kind == "leftover")
            QVERIFY(WriteFile(leftover, "half a save"));

        QString reason;
        QCOMPARE(int(SaveDataFile(path, PatternImage(), &reason)), status);
        const QFileInfo after(path);
        QFile file(after.isSymLink() ? real : path);
        const QByteArray now = after.isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (status != int(DataFileStatus::Ok))
            QVERIFY(!reason.isEmpty());
        if (kind == "pipe")
            QVERIFY(!after.isFile() && !after.isDir());
        if (kind == "folder")
            QVERIFY(after.isDir());
        if (kind.contains("link") || kind == "chain" || kind == "planted") {
            QVERIFY(after.isSymLink());
            QCOMPARE(now, status == int(DataFileStatus::Ok) ? BuildDataFile(PatternImage()) : old);
        }
        if (kind == "chain")
            QVERIFY(QFileInfo(dir.filePath("middle")).isSymLink());
        if (kind == "read-only")
            QCOMPARE(now, old);
        if (kind == "owner")
            QCOMPARE(after.ownerId(), 4242u);
        if (kind == "group") {
            QCOMPARE(after.groupId(), 4243u);
            QCOMPARE(int(after.permissions() & 0x0777), 0x0664);
        }
        if (kind == "leftover" || status == int(DataFileStatus::Ok))
            QVERIFY(QDir(dir.path()).entryList({ ".t40-save-*" }, QDir::Files | QDir::Hidden).isEmpty());
    }

    // Every read leaves a backup of its own, whatever the clock says, and the
    // newest (by modification time) stay, never losing the one just made.
    void readBackups_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("two radios in one millisecond") << "two ports";
        QTest::newRow("one port twice in one millisecond") << "same port";
        QTest::newRow("backups from a clock once set ahead") << "clock ahead";
        QTest::newRow("folder cannot be made") << "no folder";
    }
    void readBackups()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString folder = dir.filePath("backups");
        QVERIFY(QDir().mkpath(folder));
        const QDateTime when(QDate(2026, 12, 8), QTime(3, 4, 5, 678));
        // Older by name, newer by time, and the other way round.
        for (int i = 0; i < ReadBackups::Kept; ++i) {
            const QString old = folder + QStringLiteral("/%1-01-01_000000-000_UHF400-520_COM1.rdat").arg((kind == "clock ahead" ? 2200 : 2020) + i);
            QVERIFY(WriteFile(old, "old"));
            QFile f(old);
            QVERIFY(f.open(QIODevice::ReadWrite));
            const QDateTime stamp = kind == "clock ahead" ? QDateTime::currentDateTime().addDays(400 + i) : when.addDays(-i);
            QVERIFY(f.setFileTime(stamp, QFileDevice::FileModificationTime));
        }
        QVERIFY(WriteFile(folder + "/notes.txt", "mine"));
        RadioImage image = PatternImage();
        image.setByte(441, FamilyByteVHF);
        QString first, second, reason;
        if (kind == "no folder") {
            QVERIFY(WriteFile(dir.filePath("file"), "x"));
            QCOMPARE(SaveReadBackup(image, dir.filePath("file/backups"), "COM5", &first, &reason), DataFileStatus::IoError);
            QVERIFY2(first.endsWith("file/backups") && !reason.isEmpty(), qPrintable(first));
            return;
        }
        QCOMPARE(SaveReadBackup(image, folder, "COM5", &first, nullptr, when), DataFileStatus::Ok);
        QVERIFY2(first.endsWith("/2026-12-08_030405-678_VHF136-174_COM5.rdat"), qPrintable(first));
        QCOMPARE(QFileInfo(first).permissions() & ~(QFile::ReadUser | QFile::WriteUser), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(SaveReadBackup(image, folder, kind == "two ports" ? "/dev/ttyUSB1" : "COM5", &second, nullptr, when),
                 DataFileStatus::Ok);
        QVERIFY2(second.endsWith(kind == "two ports" ? "_VHF136-174_ttyUSB1.rdat" : "_COM5_2.rdat"), qPrintable(second));
        const QStringList left = QDir(folder).entryList(QDir::Files, QDir::Name);
        QCOMPARE(left.size(), ReadBackups::Kept + 1);
        QVERIFY(left.contains("notes.txt"));
        QVERIFY(left.contains(QFileInfo(first).fileName()) || kind == "clock ahead");
        QVERIFY(left.contains(QFileInfo(second).fileName()));
        if (kind != "clock ahead") {
            // The two oldest by time went, though their names sort last.
            QVERIFY(!left.contains("2119-01-01_000000-000_UHF400-520_COM1.rdat"));
            QVERIFY(!left.contains("2118-01-01_000000-000_UHF400-520_COM1.rdat"));
            QVERIFY(left.contains("2117-01-01_000000-000_UHF400-520_COM1.rdat"));
        }
    }

    void templateLoad_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("status");
        QTest::newRow("whole") << 1024 << int(TemplateStatus::Ok);
        QTest::newRow("longer") << 2000 << int(TemplateStatus::Ok);
        QTest::newRow("short") << 100 << int(TemplateStatus::Short);
        QTest::newRow("empty") << 0 << int(TemplateStatus::Short);
        QTest::newRow("missing") << -1 << int(TemplateStatus::Missing);
    }
    void templateLoad()
    {
        QFETCH(int, length);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString path = dir.filePath("Init.dat");
        if (length >= 0)
            QVERIFY(WriteFile(path, QByteArray(length, '\x22')));
        RadioImage image;
        image.replaceImage(PatternImage().image());
        QCOMPARE(int(LoadTemplate(path, image)), status);
        for (int i = 0; i < RadioImage::ImageSize; ++i)
            QCOMPARE(image.byte(i), std::uint8_t(i < length ? 0x22 : 0xFF));
    }
};

QTEST_APPLESS_MAIN(TestDataFile)
#include "test_data_file.moc"
