#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace t40 {

struct SessionRequest;

// One read or write of a radio, as the programming log keeps it.
struct ProgrammingLogEntry {
    QDateTime time;
    QString operation; // "read", "write", "read tune data", ...
    QString port;      // "COM5" or the device
    QString band;      // as the radio named it; empty when it never answered
    QString fileName;
    QString result;    // "OK" or what went wrong
    QString verify;    // writes: "OK", "differs at 0x155" or "not run"; empty for reads
    int rowCount = 0;  // number of the radio within a row; 0 for a single session
};

// The log: a CSV file that every read and write of a radio, from the program
// and from t40-cli, appends one line to. Each line goes out in one append of
// the whole line, so that lines of two programs never interleave and a line
// is either there entirely or not at all when a program crashes.
namespace ProgrammingLog {

QStringList Columns();

// The words of the result column.
inline const QString ResultOk = QStringLiteral("OK");
inline const QString ResultBandDiffers = QStringLiteral("refused: band differs");
inline const QString ResultNoAnswer = QStringLiteral("failed: no answer");
inline const QString ResultPortFailed = QStringLiteral("failed: port cannot be opened");
inline const QString ResultAbandoned = QStringLiteral("abandoned");
inline const QString ResultVerifyFailed = QStringLiteral("failed: verify found a difference");

// The operations a write brings along: the read that keeps the radio's
// previous memory, and the write that puts it back.
inline const QString OperationBeforeWrite = QStringLiteral("read before write");
inline const QString OperationRestore = QStringLiteral("restore");

// The words of the verify column, which every write fills in.
inline const QString VerifyOk = QStringLiteral("OK");
inline const QString VerifyNotRun = QStringLiteral("not run");
// The write completed but the radio could not be read back.
inline const QString VerifyNoReadBack = QStringLiteral("not run: read-back failed");
// "differs at 0x155": the first address the radio does not hold as written.
QString VerifyDiffersAt(int address);

// "read", "write", "read tune data", "write dealer information", ...
QString OperationName(const SessionRequest& request);
// programming-log.csv in the application's data folder.
QString DefaultPath();

QString CsvLine(const ProgrammingLogEntry& entry);
// Any fields as one CSV line, quoted where needed; the header line.
QString CsvRecord(const QStringList& fields);
QString CsvHeader();
// Splits one CSV record into its fields (quotes as CsvLine writes them).
QStringList SplitCsvLine(const QString& line);

// Appends the entry (the header first when the file is new); reason gets the
// system's words on failure.
bool Append(const ProgrammingLogEntry& entry, const QString& path = DefaultPath(), QString* reason = nullptr);
// The records of the file without its header, each as its fields.
QList<QStringList> Read(const QString& path = DefaultPath(), QString* reason = nullptr);

} // namespace ProgrammingLog

} // namespace t40
