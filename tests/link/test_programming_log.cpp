#include "programming_log.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <vector>

using namespace t40;

namespace {
ProgrammingLogEntry Entry(const QString& fileName)
{
    ProgrammingLogEntry e;
    e.time = QDateTime(QDate(2026, 12, 8), QTime(10, 0));
    e.operation = QStringLiteral("read");
    e.port = QStringLiteral("COM5");
    e.band = QStringLiteral("UHF 400-520 MHz");
    e.fileName = fileName;
    e.result = ProgrammingLog::ResultOk;
    return e;
}

QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestProgrammingLog : public QObject {
    Q_OBJECT
private slots:
    // The log appends whole lines to a regular file of its own and to nothing
    // else, says why when it cannot, and hands no formula to a spreadsheet.
    void logFileSafety_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("link to another file") << "link";
        QTest::newRow("pipe in its place") << "fifo";
        QTest::newRow("disk full half-way through a line") << "full";
        QTest::newRow("file names that look like formulas") << "formula";
        QTest::newRow("programs creating it at once") << "race";
    }
    void logFileSafety()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("programming-log.csv");
        const QString victim = dir.filePath("thesis.txt");
        QString reason;
        QElapsedTimer clock;
        clock.start();
        if (kind == "link" || kind == "fifo") {
            if (kind == "link") {
                QFile f(victim);
                QVERIFY(f.open(QIODevice::WriteOnly) && f.write("mine\n") == 5);
                f.close();
                QVERIFY(QFile::link(victim, path));
            } else {
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            }
            QVERIFY(!ProgrammingLog::Append(Entry("a.rdat"), path, &reason));
            QVERIFY2(reason.contains("not a regular file"), qPrintable(reason));
            QVERIFY(ProgrammingLog::Read(path, &reason).isEmpty());
            QVERIFY(!reason.isEmpty());
            QVERIFY(clock.elapsed() < 2000);
            if (kind == "link")
                QCOMPARE(Contents(victim), QByteArray("mine\n"));
        }
        if (kind == "full") {
            QVERIFY(ProgrammingLog::Append(Entry("a.rdat"), path));
            const QByteArray before = Contents(path);
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit old {};
            QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
            rlimit tight = old;
            tight.rlim_cur = rlim_t(before.size() + 10);
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tight), 0);
            const bool appended = ProgrammingLog::Append(Entry("b.rdat"), path, &reason);
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &old), 0);
            QVERIFY(!appended);
            QCOMPARE(reason, QString::fromLocal8Bit(std::strerror(EFBIG)));
            QCOMPARE(Contents(path), before);
            QVERIFY(ProgrammingLog::Append(Entry("c.rdat"), path));
            const QList<QStringList> records = ProgrammingLog::Read(path);
            QCOMPARE(records.size(), 2);
            QCOMPARE(records.at(1).at(4), QStringLiteral("c.rdat"));
        }
        if (kind == "formula") {
            const QStringList names { "=HYPERLINK(\"http://x\",\"y\")", "+1", "-2", "@SUM(A1)", "'=kept", "'plain", "\tx" };
            for (const QString& name : names)
                QVERIFY(ProgrammingLog::Append(Entry(name), path, &reason));
            const QString text = QString::fromUtf8(Contents(path));
            const QRegularExpression formulaCell(QStringLiteral("(^|,)\"?[=+\\-@\t]"), QRegularExpression::MultilineOption);
            QVERIFY2(!formulaCell.match(text).hasMatch(), qPrintable(text));
            QStringList back;
            for (const QStringList& r : ProgrammingLog::Read(path))
                back << r.at(4);
            QCOMPARE(back, names);
        }
        if (kind == "race") {
            for (int round = 0; round < 20; ++round) {
                const QString fresh = dir.filePath(QStringLiteral("log%1.csv").arg(round));
                std::vector<std::thread> programs;
                for (int p = 0; p < 4; ++p)
                    programs.emplace_back([&fresh, p] { ProgrammingLog::Append(Entry(QString::number(p)), fresh); });
                for (auto& t : programs)
                    t.join();
                const QList<QByteArray> lines = Contents(fresh).split('\n');
                QVERIFY2(lines.first().startsWith("time,") && lines.size() == 6, Contents(fresh).constData());
                QCOMPARE(ProgrammingLog::Read(fresh).size(), 4);
            }
            QVERIFY(QDir(dir.path()).entryList({ ".t40-log-*" }, QDir::Files | QDir::Hidden).isEmpty());
        }
    }
};

QTEST_APPLESS_MAIN(TestProgrammingLog)
#include "test_programming_log.moc"
