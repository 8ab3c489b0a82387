#include "platform/ProgramDir.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace {
std::string WithoutTrailingSlash(std::string dir) {
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

std::string ExecutablePath() {
    std::vector<char> buffer(4096);
    for (;;) {
        ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return std::string();
        if (static_cast<size_t>(n) < buffer.size()) return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);
    }
}
}  // namespace

std::string ProgramDirectory() {
    const char* overridden = std::getenv("CORVANE_PROGRAM_DIR");
    if (overridden && *overridden) return WithoutTrailingSlash(overridden);
    std::string exe = ExecutablePath();
    size_t slash = exe.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : exe.substr(0, slash);
}
