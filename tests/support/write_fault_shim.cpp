// Preloaded into a program under test to make its file writes fail the way a
// full or failing disk does. Only descriptors of files under T40_FAULT_DIR are
// touched. T40_FAULT names the call and the outcome:
//   write:ENOSPC  write:EIO  fsync:EIO  close:EIO   the call fails with that error
//   kill:write                                      the process is killed at its first such write
// and T40_HANG_OPEN (below) makes one path slow to open.
#include <cerrno>
#include <cstdarg>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {
bool Watched(int fd)
{
    const char* dir = std::getenv("T40_FAULT_DIR");
    if (!dir || !*dir || fd < 0)
        return false;
    char link[64];
    char path[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, sizeof path - 1);
    if (n <= 0)
        return false;
    path[n] = 0;
    return std::strncmp(path, dir, std::strlen(dir)) == 0;
}

// The errno to fail call with, 0 to let it pass; -1 for a kill.
int FaultFor(const char* call)
{
    const char* fault = std::getenv("T40_FAULT");
    if (!fault)
        return 0;
    const std::string setting(fault);
    const auto colon = setting.find(':');
    if (colon == std::string::npos)
        return 0;
    const std::string what = setting.substr(0, colon);
    const std::string how = setting.substr(colon + 1);
    if (what == "kill")
        return how == call ? -1 : 0;
    if (what != call)
        return 0;
    return how == "ENOSPC" ? ENOSPC : EIO;
}

template <typename F>
F Next(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

int Inject(const char* call, int fd)
{
    const int fault = FaultFor(call);
    if (fault == 0 || !Watched(fd))
        return 0;
    if (fault < 0)
        raise(SIGKILL);
    errno = fault;
    return fault;
}
} // namespace

extern "C" {
ssize_t write(int fd, const void* buf, size_t count)
{
    if (Inject("write", fd))
        return -1;
    static auto real = Next<ssize_t (*)(int, const void*, size_t)>("write");
    return real(fd, buf, count);
}

int fsync(int fd)
{
    if (Inject("fsync", fd))
        return -1;
    static auto real = Next<int (*)(int)>("fsync");
    return real(fd);
}

int fdatasync(int fd)
{
    if (Inject("fsync", fd))
        return -1;
    static auto real = Next<int (*)(int)>("fdatasync");
    return real(fd);
}

int close(int fd)
{
    const int fault = Inject("close", fd);
    static auto real = Next<int (*)(int)>("close");
    const int result = real(fd); // the descriptor is released either way, as the kernel does
    if (fault) {
        errno = fault;
        return -1;
    }
    return result;
}
}

// T40_HANG_OPEN=PATH: opening PATH takes 30 seconds, as a port whose driver hangs.
namespace {
void HangIfAsked(const char* path)
{
    const char* hang = std::getenv("T40_HANG_OPEN");
    if (hang && *hang && path && std::strcmp(path, hang) == 0)
        sleep(30);
}
} // namespace

extern "C" {
int open(const char* path, int flags, ...)
{
    HangIfAsked(path);
    va_list args;
    va_start(args, flags);
    const mode_t mode = va_arg(args, mode_t);
    va_end(args);
    static auto real = Next<int (*)(const char*, int, ...)>("open");
    return real(path, flags, mode);
}

int open64(const char* path, int flags, ...)
{
    HangIfAsked(path);
    va_list args;
    va_start(args, flags);
    const mode_t mode = va_arg(args, mode_t);
    va_end(args);
    static auto real = Next<int (*)(const char*, int, ...)>("open64");
    return real(path, flags, mode);
}
}
