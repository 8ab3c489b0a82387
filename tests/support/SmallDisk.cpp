#include "tests/support/SmallDisk.h"

#include <sched.h>
#include <sys/mount.h>

bool MountSmallDisk(const std::string& dir, size_t bytes) {
    const std::string options = "size=" + std::to_string(bytes);
    return unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount("corvane-test", dir.c_str(), "tmpfs", 0, options.c_str()) == 0;
}
