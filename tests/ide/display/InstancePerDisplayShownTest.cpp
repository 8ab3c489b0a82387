// One instance per user and display: a start on a second X display gets a
// window of its own there; a start on the first display hands its file to
// the instance that runs there.
#include <gtest/gtest.h>

#include <QDeadlineTimer>

#include "tests/ide/IdeProcess.h"
#include "tests/ide/display/XDo.h"
#include "tests/support/TempDir.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {

// An X server of the test's own; its display name once it is ready.
class ExtraXServer {
public:
    ExtraXServer()
    {
        process_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp"});
        QDeadlineTimer deadline(20000);
        QByteArray number;
        while (!number.contains('\n') && !deadline.hasExpired() && process_.state() != QProcess::NotRunning) {
            process_.waitForReadyRead(100);
            number += process_.readAllStandardOutput();
        }
        if (number.contains('\n')) display_ = ":" + number.trimmed().toStdString();
    }
    ~ExtraXServer()
    {
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
        process_.waitForFinished(5000);
    }
    const std::string& Display() const { return display_; }

private:
    QProcess process_;
    std::string display_;
};

::testing::AssertionResult WindowShown(const IdeProcess& ide, const std::string& display)
{
    return WaitUntil(
        [&] {
            return !XDoTool({"search", "--onlyvisible", "--pid", QString::number(ide.Pid()), "--name",
                             "Corvane Torve IDE"},
                            display)
                        .empty();
        },
        30s, "the IDE's window on display " + (display.empty() ? "of the test" : display));
}

TEST(InstancePerDisplay, EachDisplayHasItsOwnInstanceAndASecondStartOnOneHandsOver)
{
    ExtraXServer other;
    ASSERT_FALSE(other.Display().empty()) << "the second X server did not start";
    IdeWorld world;
    world.Platform = "xcb";
    for (const char* name : {"First.java", "Second.java", "Third.java"}) TempDir::WriteFile(world.Work() + "/" + name, "");

    IdeProcess first(world, {"First.java"}, true, true);
    ASSERT_TRUE(first.WaitForError("OpenSourceFile First.java")) << first.Err();
    world.Display = other.Display();
    IdeProcess second(world, {"Second.java"}, true, true);
    EXPECT_TRUE(second.WaitForError("OpenSourceFile Second.java")) << "an instance of its own\n" << second.Err();
    EXPECT_TRUE(WindowShown(first, ""));
    EXPECT_TRUE(WindowShown(second, other.Display()));

    world.Display.clear();
    IdeProcess third(world, {"Third.java"}, true, true);
    const ProcessResult handOver = third.Finish();
    EXPECT_EQ(handOver.exitCode, 0) << handOver.err;
    EXPECT_EQ(handOver.err.find("OpenSourceFile"), std::string::npos) << "the third start opens nothing itself";
    EXPECT_TRUE(first.WaitForError("OpenSourceFile " + world.Work() + "/Third.java")) << first.Err();
    EXPECT_EQ(second.Err().find("Third.java"), std::string::npos) << second.Err();
}

}  // namespace
