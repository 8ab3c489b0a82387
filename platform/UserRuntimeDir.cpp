#include "platform/UserRuntimeDir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace {

bool IsDirectory(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// A folder of this user that nobody else may enter, and not a link.
bool IsPrivateDirectory(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
           (st.st_mode & 077) == 0;
}

}  // namespace

std::string UserRuntimeDir()
{
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg && *xdg == '/' && IsDirectory(xdg)) return xdg;
    const std::string fallback = "/tmp/corvane-" + std::to_string(::getuid());
    ::mkdir(fallback.c_str(), 0700);
    return IsPrivateDirectory(fallback) ? fallback : std::string();
}
