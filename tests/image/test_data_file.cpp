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

namespace {
RadioImage PatternImage()
{
    RadioImage image;
    for (int i = 0; i < RadioImage::ImageSize; ++i)
        image.setByte(i, static_cast<std::uint8_t>(i * 7 + 3));
    return image;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
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
        WriteFile(path, QByteArray(3000, 'x'));
        QCOMPARE(SaveDataFile(path, PatternImage()), DataFileStatus::Ok);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QCOMPARE(bytes.size(), 3000);
        QCOMPARE(bytes.left(1040), BuildDataFile(PatternImage()));
        QCOMPARE(bytes.mid(1040), QByteArray(1960, 'x'));
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

    // A save never puts a new file of ours in the place of a device, a pipe,
    // a folder or another user's file; a link keeps pointing at its file.
    void saveKeepsWhatItMustNotReplace_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("status");
        QTest::newRow("pipe") << "pipe" << int(DataFileStatus::NotRegularFile);
        QTest::newRow("folder") << "folder" << int(DataFileStatus::NotRegularFile);
        QTest::newRow("link") << "link" << int(DataFileStatus::Ok);
        QTest::newRow("other user's file") << "owner" << int(DataFileStatus::Ok);
    }
    void saveKeepsWhatItMustNotReplace()
    {
        QFETCH(QString, kind);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString path = dir.filePath("target");
        const QString real = dir.filePath("real.rdat");
        if (kind == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (kind == "folder")
            QVERIFY(QDir(dir.path()).mkdir("target"));
        if (kind == "link") {
            WriteFile(real, QByteArray(1040, 'o'));
            QVERIFY(QFile::link(real, path));
        }
        if (kind == "owner") {
            WriteFile(path, QByteArray(1040, 'o'));
            if (::chown(QFile::encodeName(path).constData(), 4242, 4242) != 0)
                QSKIP("only the superuser can make a file of another user here");
        }
        QString reason;
        QCOMPARE(int(SaveDataFile(path, PatternImage(), &reason)), status);
        const QFileInfo after(path);
        if (kind == "pipe") {
            QVERIFY(!after.isFile() && !after.isDir());
            QVERIFY(!reason.isEmpty());
        }
        if (kind == "folder")
            QVERIFY(after.isDir());
        if (kind == "link") {
            QVERIFY(after.isSymLink());
            QCOMPARE(QFileInfo(real).size(), 1040);
            RadioImage loaded;
            QCOMPARE(LoadDataFile(real, loaded), DataFileStatus::Ok);
            QVERIFY(loaded == PatternImage());
        }
        if (kind == "owner")
            QCOMPARE(after.ownerId(), 4242u);
    }

    void readBackupKeepsTheNewest()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("backups");
        QVERIFY(QDir().mkpath(folder));
        for (int i = 0; i < ReadBackups::Kept; ++i)
            WriteFile(folder + QStringLiteral("/2020-01-01_00%1_UHF400-520.rdat").arg(i, 4, 10, QLatin1Char('0')), "old");
        WriteFile(folder + "/notes.txt", "mine");
        RadioImage image = PatternImage();
        image.setByte(441, FamilyByteVHF);
        QString path;
        const QDateTime when(QDate(2026, 12, 8), QTime(3, 4, 5));
        QCOMPARE(SaveReadBackup(image, folder, &path, nullptr, when), DataFileStatus::Ok);
        QVERIFY2(path.endsWith("/2026-12-08_030405_VHF136-174.rdat"), qPrintable(path));
        QCOMPARE(QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(SaveReadBackup(image, folder, &path, nullptr, when), DataFileStatus::Ok);
        QVERIFY(path.endsWith("_VHF136-174_2.rdat"));
        const QStringList left = QDir(folder).entryList(QDir::Files, QDir::Name);
        QCOMPARE(left.size(), ReadBackups::Kept + 1);
        QVERIFY(left.contains("notes.txt"));
        QVERIFY(!left.contains("2020-01-01_000000_UHF400-520.rdat"));
        QVERIFY(!left.contains("2020-01-01_000001_UHF400-520.rdat"));
        QVERIFY(left.contains("2020-01-01_000002_UHF400-520.rdat"));
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
            WriteFile(path, QByteArray(length, '\x22'));
        RadioImage image;
        image.replaceImage(PatternImage().image());
        QCOMPARE(int(LoadTemplate(path, image)), status);
        for (int i = 0; i < RadioImage::ImageSize; ++i)
            QCOMPARE(image.byte(i), std::uint8_t(i < length ? 0x22 : 0xFF));
    }
};

QTEST_APPLESS_MAIN(TestDataFile)
#include "test_data_file.moc"
