#include "ide/terminal/TerminalFiles.h"

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr size_t MaxNameLength = 200;
}

bool RefusedTerminalFileName(const std::string& name)
{
    if (name.empty() || name.size() > MaxNameLength) return true;
    struct stat st {};
    if (::stat(name.c_str(), &st) != 0) return false;
    return !S_ISREG(st.st_mode);
}

FILE* OpenTerminalFile(const std::string& name, const char* mode)
{
    if (RefusedTerminalFileName(name)) return nullptr;
    const bool write = std::strchr(mode, 'w') != nullptr;
    // Non-blocking, so that a pipe put in place after the check cannot hang
    // the open; the type is checked again on the open file.
    const int flags = (write ? O_WRONLY | O_CREAT : O_RDONLY) | O_NONBLOCK | O_CLOEXEC;
    const int fd = ::open(name.c_str(), flags, 0666);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || (write && ::ftruncate(fd, 0) != 0)) {
        ::close(fd);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FILE* file = ::fdopen(fd, mode);
    if (!file) ::close(fd);
    return file;
}
