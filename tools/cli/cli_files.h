#pragma once

#include "radio_image.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace t40 {

// File names on the command line keep their exact bytes even when they are not
// valid UTF-8: each byte that does not decode is carried as the lone surrogate
// U+DC80..U+DCFF and turned back into that byte when the file is opened.
QString ArgumentFromNative(const QByteArray& raw);
QByteArray NativeFromArgument(const QString& argument);
// The program's arguments after its name, decoded as above.
QStringList NativeArguments(int argc, char* argv[]);
// An argument fit for a message (undecodable bytes shown as U+FFFD).
QString DisplayName(const QString& argument);

// Reads a regular file of at most maxBytes bytes (a longer file is read up to
// that length). A FIFO, device or directory is refused at once, without
// waiting on it. error gets a sentence naming the file.
bool ReadRegularFile(const QString& argument, qint64 maxBytes, QByteArray* bytes, QString* error);

// Writes a data file named on the command line, in one step (see
// SaveDataFile); error gets a sentence naming the file.
bool SaveDataFileArgument(const QString& argument, const RadioImage& image, QString* error);

} // namespace t40
