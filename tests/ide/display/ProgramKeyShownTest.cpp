// Keys in the IDE's window on a real X server: Ctrl+R builds, downloads and
// runs the open source on the module simulator; F9 compiles after a menu.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include "tests/ide/IdeProcess.h"
#include "tests/ide/display/XDo.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"
#include "tests/support/gui/WaitUntil.h"

namespace {

TEST(ProgramKeyShown, CtrlRRunsTheOpenSourceOnTheModule)
{
    IdeWorld world;
    world.Platform = "xcb";
    ModuleSimulator module(world, 3);
    ASSERT_TRUE(module.Ready());
    const std::string hello =
        WriteSource(world.Work(), "Hello.java", TempDir::ReadFile(SourceDir() + "/examples/Hello.java"));
    IdeProcess ide(world, {hello});
    ASSERT_TRUE(ide.Started());
    ASSERT_FALSE(FocusedWindow("Corvane Torve IDE", 30000).isEmpty()) << ide.Err();
    XDoTool({"key", "--clearmodifiers", "ctrl+r"});
    EXPECT_TRUE(module.WaitForEvent("\"text\":\"Hello, world!\"", 90000)) << module.Events() << ide.Err();
}

TEST(ProgramKeyShown, F9CompilesAfterAMenuWasOpenedAndLeftWithEscape)
{
    using namespace std::chrono_literals;
    IdeWorld world;
    world.Platform = "xcb";
    const std::string hello =
        WriteSource(world.Work(), "Hello.java", TempDir::ReadFile(SourceDir() + "/examples/Hello.java"));
    IdeProcess ide(world, {hello});
    ASSERT_TRUE(ide.Started());
    const QString window = FocusedWindow("Corvane Torve IDE", 30000);
    ASSERT_FALSE(window.isEmpty()) << ide.Err();
    const auto shownWindows = [&] {
        return QString::fromStdString(XDoTool({"search", "--onlyvisible", "--pid", QString::number(ide.Pid())}))
            .count('\n');
    };
    const int before = shownWindows();
    XDoTool({"mousemove", "--window", window, "20", "10", "click", "1"});  // the File menu
    ASSERT_TRUE(WaitUntil([&] { return shownWindows() > before; }, 10s, "the File menu open")) << ide.Err();
    XDoTool({"key", "Escape"});
    ASSERT_TRUE(WaitUntil([&] { return shownWindows() == before; }, 10s, "the File menu closed")) << ide.Err();
    XDoTool({"key", "F9"});
    EXPECT_TRUE(WaitUntil([&] { return QFileInfo::exists(QString::fromStdString(world.Work() + "/Hello.class")); },
                          30s, "Hello.class from F9"))
        << ide.Err();
    EXPECT_EQ(ide.Err().find("Ambiguous shortcut"), std::string::npos) << ide.Err();
}

}  // namespace
