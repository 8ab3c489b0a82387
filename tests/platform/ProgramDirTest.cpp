#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/ProgramDir.h"

TEST(ProgramDir, EnvironmentOverridesAndTrailingSlashIsDropped) {
    std::string saved = std::getenv("CORVANE_PROGRAM_DIR") ? std::getenv("CORVANE_PROGRAM_DIR") : "";
    setenv("CORVANE_PROGRAM_DIR", "/opt/corvane/bin//", 1);
    EXPECT_EQ(ProgramDirectory(), "/opt/corvane/bin");
    unsetenv("CORVANE_PROGRAM_DIR");
    std::string own = ProgramDirectory();
    EXPECT_FALSE(own.empty());
    EXPECT_NE(own.back(), '/');
    EXPECT_EQ(own.substr(own.rfind('/') + 1), "tests");  // the test executable's folder
    if (!saved.empty()) setenv("CORVANE_PROGRAM_DIR", saved.c_str(), 1);
}
