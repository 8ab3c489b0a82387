// Ctrl+R in the IDE's window on a real X server builds, downloads and runs
// the open source on the module simulator.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

#include "tests/ide/IdeProcess.h"
#include "tests/ide/display/XDo.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

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

}  // namespace
