#pragma once

#include <QString>

#include <cstdio>

namespace t40 {

// Progress on stderr: one line rewritten in place on a terminal; elsewhere (a
// log, a pipe) a plain line each time the text changes.
class ProgressLine {
public:
    explicit ProgressLine(std::FILE* stream = stderr);
    void show(const QString& text);
    // Ends the rewritten line, if one was started.
    void finish();

private:
    std::FILE* stream_;
    bool terminal_;
    QString last_;
    bool open_ = false;
};

} // namespace t40
