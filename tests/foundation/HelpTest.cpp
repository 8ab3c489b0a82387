#include <gtest/gtest.h>

#include "foundation/Settings.h"
#include "platform/DesktopOpen.h"
#include "tests/support/CaptureSink.h"
#include "tests/support/TempDir.h"

TEST(Help, MissingFileIsReportedAndExistingFileIsOpened) {
    TempDir dir;
    std::vector<std::string> opened;
    SetDesktopOpener([&](const std::string& path) {
        opened.push_back(path);
        return true;
    });
    CaptureSink sink;
    InitHelp();
    InitHelp();
    ShowHelp(dir.File("none.chm"));
    ASSERT_EQ(sink.lines.size(), 1u);
    EXPECT_EQ(sink.lines[0], "Cannot find the help file `" + dir.File("none.chm") + "'.");
    EXPECT_TRUE(opened.empty());

    TempDir::WriteFile(dir.File("Corvane.chm"), "help");
    ShowHelp(dir.File("Corvane.chm"));
    EXPECT_EQ(opened, std::vector<std::string>{dir.File("Corvane.chm")});
    EXPECT_EQ(sink.lines.size(), 1u);
    SetDesktopOpener(nullptr);
}
