#include <gtest/gtest.h>

#include <string>

#include "platform/ProgramDir.h"
#include "tests/support/ScopedEnv.h"

TEST(ProgramDir, EnvironmentOverridesAndTrailingSlashIsDropped) {
    {
        ScopedEnv env("CORVANE_PROGRAM_DIR", "/opt/corvane/bin//");
        EXPECT_EQ(ProgramDirectory(), "/opt/corvane/bin");
    }
    ScopedEnv env("CORVANE_PROGRAM_DIR", std::nullopt);
    std::string own = ProgramDirectory();
    EXPECT_FALSE(own.empty());
    EXPECT_NE(own.back(), '/');
    EXPECT_EQ(own.substr(own.rfind('/') + 1), "tests");  // the test executable's folder
}
