#include "cli_progress.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace t40 {

ProgressLine::ProgressLine(std::FILE* stream)
    : stream_(stream)
#ifdef Q_OS_UNIX
    , terminal_(::isatty(fileno(stream)) == 1)
#else
    , terminal_(false)
#endif
{
}

void ProgressLine::show(const QString& text)
{
    if (text == last_)
        return;
    last_ = text;
    if (terminal_) {
        std::fprintf(stream_, "\r%s\033[K", qPrintable(text));
        open_ = true;
    } else {
        std::fprintf(stream_, "%s\n", qPrintable(text));
    }
    std::fflush(stream_);
}

void ProgressLine::finish()
{
    if (open_)
        std::fputc('\n', stream_);
    open_ = false;
    last_.clear();
}

} // namespace t40
