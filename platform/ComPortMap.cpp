#include "platform/ComPortMap.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <limits.h>
#include <stdlib.h>

#include "platform/UserConfigDir.h"

namespace {
bool IsLink(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

std::string TablePath(int port) {
    if (port <= 4) return "/dev/ttyS" + std::to_string(port - 1);
    if (port <= 12) return "/dev/ttyUSB" + std::to_string(port - 5);
    return "/dev/ttyACM" + std::to_string(port - 13);
}

std::string RealPath(const std::string& path) {
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) ? std::string(buffer) : std::string();
}

// A /dev/ttyS node exists for every possible UART; the kernel's "type" of the
// port is 0 when no UART answers there.
bool IsRealUart(const std::string& device) {
    static const std::string prefix = "/dev/ttyS";
    if (device.compare(0, prefix.size(), prefix) != 0) return true;
    std::ifstream in("/sys/class/tty/" + device.substr(5) + "/type");
    int type = 0;
    return (in >> type) && type != 0;
}
}  // namespace

std::string ComPortName(int port) { return "COM" + std::to_string(port); }

std::string ComPortDevicePath(int port) {
    if (port < FirstComPort || port > LastComPort) return std::string();
    if (const char* dir = std::getenv("CORVANE_PORT_DIR"))
        return std::string(dir) + "/" + ComPortName(port);
    std::string link = UserConfigDir() + "/HalvoricInc/ports/" + ComPortName(port);
    if (IsLink(link)) return link;
    return TablePath(port);
}

bool ComPortExists(int port) {
    std::string path = ComPortDevicePath(port);
    struct stat st;
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISCHR(st.st_mode)) return false;
    return IsRealUart(RealPath(path));
}
