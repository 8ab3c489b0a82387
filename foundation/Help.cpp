#include <sys/stat.h>

#include "foundation/Messages.h"
#include "foundation/Settings.h"
#include "platform/DesktopOpen.h"

namespace {
bool helpInitialised = false;
}

void InitHelp() {
    if (helpInitialised) return;
    helpInitialised = true;
}

void ShowHelp(const std::string& helpFile) {
    struct stat st;
    if (::stat(helpFile.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        MessagePrintf("Cannot find the help file `%s'.", helpFile.c_str());
        return;
    }
    if (!OpenWithDesktop(helpFile))
        MessagePrintf("Cannot open the help file `%s'.", helpFile.c_str());
}
