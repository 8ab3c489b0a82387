#include "tests/support/FileCapabilities.h"

#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

bool DropFileCapabilities()
{
    for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
        if (::prctl(PR_CAPBSET_DROP, cap, 0, 0, 0) != 0 && errno != EPERM) return false;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0) return false;
    const __u32 mask = ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    data[0].effective &= mask;
    data[0].permitted &= mask;
    data[0].inheritable &= mask;
    if (::syscall(SYS_capset, &header, data) != 0) return false;
    // Verify: no capability may override file permissions any more.
    if (::syscall(SYS_capget, &header, data) != 0) return false;
    if ((data[0].effective & ~mask) != 0) return false;
    // Under root, exec would give back what the bounding set still holds.
    return ::geteuid() != 0 || ::prctl(PR_CAPBSET_READ, CAP_DAC_OVERRIDE, 0, 0, 0) == 0;
}

int RunWithoutFileCapabilities(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) ::_exit(DropFileCapabilities() ? body() : 255);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 255) return -1;
    return WEXITSTATUS(status);
}
