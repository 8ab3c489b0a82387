// Test entry: every test run gets settings and runtime directories of its
// own, so that no test touches the user's settings.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/TempDir.h"

int main(int argc, char** argv) {
    static TempDir home("corvane-test-home");
    std::string config = home.Path() + "/config";
    std::string runtime = home.Path() + "/runtime";
    TempDir::MakeDirs(config);
    TempDir::MakeDirs(runtime);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
