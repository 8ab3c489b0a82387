// The acceptance program runs without the capabilities that let the
// superuser pass file permissions, so that a port the user may not open
// stays closed to it also when it runs as root.
#include <string>

#include "tests/support/FileCapabilities.h"
#include "tests/support/gui/GuiTestApplication.h"

bool PrepareGuiTestProcess(std::string& problem)
{
    if (DropFileCapabilities()) return true;
    problem = "test_acceptance: could not drop CAP_DAC_OVERRIDE and CAP_DAC_READ_SEARCH";
    return false;
}
