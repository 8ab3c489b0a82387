// Test entry of the GUI test programs: private settings and runtime folders,
// one application object with a fixed look, and an artefact folder per test.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/support/PrivateFolders.h"
#include "tests/support/gui/Artifacts.h"
#include "tests/support/gui/FixedLook.h"
#include "tests/support/gui/GuiTestApplication.h"

// ctest reads this exit code as "skipped" for the display tests.
constexpr int SkippedExitCode = 77;

__attribute__((weak)) std::unique_ptr<QApplication> CreateGuiTestApplication(int& argc, char** argv) {
    return std::make_unique<QApplication>(argc, argv);
}

__attribute__((weak)) bool PrepareGuiTestProcess(std::string&) {
    return true;
}

namespace {

bool NeedsMissingDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    return platform && std::strcmp(platform, "xcb") == 0 && !(display && *display);
}

}  // namespace

int main(int argc, char** argv) {
    if (std::string problem; !PrepareGuiTestProcess(problem)) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    UsePrivateFolders();
    setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
    setenv("QT_SCALE_FACTOR", "1", 1);
    setenv("QT_FONT_DPI", "96", 1);
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    if (NeedsMissingDisplay()) {
        std::fprintf(stderr, "No X display: these tests run under xvfb-run (scripts/run-tests.sh).\n");
        return SkippedExitCode;
    }
    QApplication::setDesktopSettingsAware(false);
    std::unique_ptr<QApplication> app = CreateGuiTestApplication(argc, argv);
    std::string problem;
    if (!ApplyFixedLook(*app, problem)) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    InstallArtifactCleaner();
    int result = RUN_ALL_TESTS();
    app.reset();
    return result;
}
