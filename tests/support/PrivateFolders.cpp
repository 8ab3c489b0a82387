#include "tests/support/PrivateFolders.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/TempDir.h"

void UsePrivateFolders() {
    static TempDir home("corvane-test-home");
    std::string config = home.Path() + "/config";
    std::string runtime = home.Path() + "/runtime";
    TempDir::MakeDirs(config);
    TempDir::MakeDirs(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);  // Qt wants 0700
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The test build's own fonts, also for a test program started by hand.
    setenv("FONTCONFIG_FILE", CORVANE_TEST_FONTCONFIG, 0);
}
