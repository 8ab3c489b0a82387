// One instance per user and display: a start on a second X display gets a
// window of its own there; a start on the first display hands its file to
// the instance that runs there.
#include <gtest/gtest.h>

#include <QScopeGuard>

#include "tests/ide/IdeProcess.h"
#include "tests/ide/display/XDo.h"
#include "tests/support/TempDir.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {

TEST(InstancePerDisplay, EachDisplayHasItsOwnInstanceAndASecondStartOnOneHandsOver)
{
    QProcess xvfb;  // a second X server, which names its display once it is ready
    xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp"});
    const auto stop = qScopeGuard([&] {
        xvfb.terminate();
        xvfb.waitForFinished(5000);
    });
    ASSERT_TRUE(WaitUntil([&] { return xvfb.canReadLine(); }, 20s, "the second X server"));
    const std::string other = ":" + xvfb.readLine().trimmed().toStdString();
    IdeWorld world;
    world.Platform = "xcb";
    for (const char* name : {"First.java", "Second.java", "Third.java"})
        TempDir::WriteFile(world.Work() + "/" + name, "");

    IdeProcess first(world, {"First.java"}, true, true);
    ASSERT_TRUE(first.WaitForError("OpenSourceFile First.java")) << first.Err();
    world.Display = other;
    IdeProcess second(world, {"Second.java"}, true, true);
    EXPECT_TRUE(second.WaitForError("OpenSourceFile Second.java")) << "an instance of its own\n" << second.Err();
    EXPECT_NE(VisibleWindowId("Corvane Torve IDE", 30000), "") << "no window on the test's display";
    EXPECT_NE(VisibleWindowId("Corvane Torve IDE", 30000, other), "") << "no window on " << other;

    world.Display.clear();
    IdeProcess third(world, {"Third.java"}, true, true);
    EXPECT_TRUE(first.WaitForError("OpenSourceFile " + world.Work() + "/Third.java")) << first.Err();
}

}  // namespace
