#pragma once

#include "prompts.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

namespace t40::test {

// Puts the shared state back to its start values, points the stored settings
// at a fresh temporary folder and answers message boxes and file dialogs from
// a script, for the lifetime of the object.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();

    PromptScript& prompts() { return prompts_; }
    QString settingsDir() const { return settings_.path(); }
    // Where the programming log of this environment is kept.
    QString logPath() const;
    QString tempPath(const QString& name) const { return files_.filePath(name); }

private:
    QTemporaryDir settings_;
    QTemporaryDir files_;
    PromptScript prompts_;
    QByteArray previousDataHome_;
};

// Writes the whole file; false when it cannot.
bool WriteFile(const QString& path, const QByteArray& bytes);

// The most memory the test has held so far, in kilobytes.
long PeakKilobytes();

// The channels in use of the application's document, "3:446.00625" each.
QStringList PresentChannels();

} // namespace t40::test
