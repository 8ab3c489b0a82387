// Ctrl+R in the IDE's window on a real X server builds, downloads and runs
// the open source on the module simulator.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

#include "tests/ide/IdeProcess.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

namespace {

// Runs xdotool with `args`; its standard output.
std::string XDoTool(const QStringList& args)
{
    QProcess tool;
    tool.start("xdotool", args);
    if (!tool.waitForFinished(10000)) tool.kill();
    return tool.readAllStandardOutput().trimmed().toStdString();
}

// The id of the IDE's main window once it is mapped; "" after the deadline.
std::string MainWindowId(int ms)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        const std::string ids = XDoTool({"search", "--onlyvisible", "--name", "Corvane Torve IDE"});
        if (!ids.empty()) return ids.substr(0, ids.find('\n'));
        QThread::msleep(100);  // polling the X server for the window, bounded by the deadline
    }
    return {};
}

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
    const std::string window = MainWindowId(30000);
    ASSERT_FALSE(window.empty()) << ide.Err();
    XDoTool({"windowfocus", "--sync", QString::fromStdString(window)});
    XDoTool({"key", "--clearmodifiers", "ctrl+r"});
    EXPECT_TRUE(module.WaitForEvent("\"text\":\"Hello, world!\"", 90000)) << module.Events() << ide.Err();
}

}  // namespace
