#include <cstdio>

#include "foundation/Settings.h"
#include "foundation/Version.h"

std::string GetVersionString() {
    char text[64];
    std::snprintf(text, sizeof text, "%d.%d.%d build %d", CORVANE_VERSION_MAJOR,
                  CORVANE_VERSION_MINOR, CORVANE_VERSION_PATCH, CORVANE_VERSION_BUILD);
    return text;
}
