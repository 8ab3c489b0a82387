// A key typed with xdotool into the terminal window of the IDE on a real X
// server reaches the program that the module simulator runs, and its echo
// comes back to the window.
#include <gtest/gtest.h>

#include "tests/ide/IdeProcess.h"
#include "tests/ide/display/XDo.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

namespace {

TEST(TerminalKeysShown, KeyTypedIntoTheTerminalIsEchoedByTheModule)
{
    IdeWorld world;
    world.Platform = "xcb";
    ModuleSimulator module(world, 3);
    ASSERT_TRUE(module.Ready());
    const std::string echo =
        WriteSource(world.Work(), "Echo.java", TempDir::ReadFile(SourceDir() + "/examples/Echo.java"));
    IdeProcess ide(world, {echo});
    ASSERT_TRUE(ide.Started());
    ASSERT_FALSE(FocusedWindow("Corvane Torve IDE", 30000).isEmpty()) << ide.Err();
    XDoTool({"key", "--clearmodifiers", "ctrl+r"});
    ASSERT_TRUE(module.WaitForEvent("Type something, q to quit.", 90000)) << module.Events() << ide.Err();

    // The text showed the terminal window; its key field is at the bottom left.
    const QString id = FocusedWindow("Corvane Terminal", 20000);
    ASSERT_FALSE(id.isEmpty()) << ide.Err();
    EXPECT_EQ(XDoTool({"getwindowname", id}), "Corvane Terminal") << "the title as the window system shows it";
    const int height = 277;
    XDoTool({"mousemove", "--window", id, "16", QString::number(height - 14), "click", "1"});
    XDoTool({"key", "--clearmodifiers", "k"});
    EXPECT_TRUE(module.WaitForEvent("\"text\":\"k\"", 20000)) << module.Events();
}

}  // namespace
