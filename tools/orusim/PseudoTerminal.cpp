#include "tools/orusim/PseudoTerminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "tools/orusim/PtyLineSettings.h"

namespace orusim {

bool PseudoTerminal::Open(unsigned baud, std::string& error) {
    Close();
    masterFd_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    char name[128] = {};
    if (masterFd_ < 0 || grantpt(masterFd_) != 0 || unlockpt(masterFd_) != 0 ||
        ptsname_r(masterFd_, name, sizeof name) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        Close();
        return false;
    }
    farPath_ = name;
    farFd_ = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (farFd_ < 0 || !SetRawLine(farFd_, baud)) {
        error = "cannot set up " + farPath_ + ": " + std::strerror(errno);
        Close();
        return false;
    }
    return true;
}

void PseudoTerminal::Close() {
    if (farFd_ >= 0) close(farFd_);
    if (masterFd_ >= 0) close(masterFd_);
    farFd_ = masterFd_ = -1;
    farPath_.clear();
}

}  // namespace orusim
