// Run, stop, reset, jogging, the session's end and the mended faults.
#include <gtest/gtest.h>

#include "foundation/EError.h"
#include "tests/debugger/SessionFixture.h"

namespace {

class RunControl : public ::testing::Test {
protected:
    void StartStepping() { page = rig.StartProgram(folder = SteppingProgram(), "Stepping"); }
    size_t BreakpointPackets() const { return rig.BreakpointLists().size(); }

    SessionRig rig;
    std::string folder;
    TPageHandle page = NoPage;
};

TEST_F(RunControl, RunAlwaysSendsTheListStepOnlyWhenChanged)
{
    StartStepping();
    rig.RunTo(10);
    size_t packets = BreakpointPackets();
    rig.session.StepInto();
    EXPECT_EQ(BreakpointPackets(), packets) << "unchanged";
    rig.session.ToggleBreakpointAt(14);
    rig.session.StepInto();
    EXPECT_EQ(BreakpointPackets(), ++packets) << "changed";
    rig.session.StepInto();
    EXPECT_EQ(BreakpointPackets(), packets);

    rig.session.Reset();
    EXPECT_EQ(rig.host.caption, TDebugSession::StoppedCaption);
    EXPECT_EQ(BreakpointPackets(), packets) << "reset itself sends none";
    rig.session.StepInto();
    EXPECT_EQ(BreakpointPackets(), ++packets) << "again after a reset";

    rig.session.Run();
    EXPECT_EQ(BreakpointPackets(), ++packets) << "run sends it unchanged";
    EXPECT_EQ(rig.host.caption, TDebugSession::RunningCaption);
    EXPECT_EQ(rig.host.executionLine, 0) << "no execution line while running";
}

TEST_F(RunControl, TheStopMessageShowsStoppedAndStopQueriesTheLine)
{
    StartStepping();
    rig.RunTo(11);
    EXPECT_EQ(rig.host.caption, TDebugSession::StoppedCaption);

    rig.session.ToggleBreakpointAt(11);
    rig.session.Run();
    rig.session.Stop();
    EXPECT_FALSE(rig.session.JVM()->IsRunning());
    EXPECT_EQ(rig.host.caption, TDebugSession::StoppedCaption);
    EXPECT_FALSE(rig.host.executionFile.empty());
}

TEST_F(RunControl, JoggingStepsOncePerTickAndEnds)
{
    StartStepping();
    rig.RunTo(10);
    rig.session.JogInto();
    EXPECT_TRUE(rig.host.jogTimer);
    std::vector<int> lines;
    for (int tick = 0; tick < 3; ++tick) {
        const int shows = rig.host.executionShows;
        rig.session.JogTimerTimer();
        EXPECT_EQ(rig.host.executionShows, shows + 1);
        lines.push_back(rig.host.executionLine);
    }
    EXPECT_EQ(lines, (std::vector<int>{4, 10, 11}));

    // Stop while jogging ends only the jog: no stop command.
    size_t mark = rig.Commands().size();
    rig.session.Stop();
    EXPECT_FALSE(rig.session.Jogging());
    EXPECT_FALSE(rig.host.jogTimer);
    EXPECT_EQ(rig.CountSince(mark, "stop"), 0u);
    EXPECT_EQ(rig.CountSince(mark, "step"), 0u);

    // Writing the running flag ends it too.
    rig.session.JogInto();
    rig.session.JVM()->SetRunning(false);
    EXPECT_FALSE(rig.session.Jogging());
    EXPECT_FALSE(rig.host.jogTimer);
}

TEST_F(RunControl, AJogStepThatFailsStopsJoggingWithOneReport)
{
    page = rig.StartProgram(folder = SpinProgram(), "Spin");
    rig.RunTo(SpinLoopLine);
    rig.session.JogInto();
    rig.sink.Clear();
    rig.session.JogTimerTimer();
    EXPECT_FALSE(rig.session.Jogging());
    EXPECT_FALSE(rig.host.jogTimer);
    ASSERT_EQ(rig.sink.lines.size(), 1u);
    EXPECT_NE(rig.sink.lines[0].find("IDE-0026"), std::string::npos) << rig.sink.lines[0];
}

TEST_F(RunControl, WithoutALinkTheCommandsDoNothing)
{
    folder = SteppingProgram();
    rig.session.ClearForJob();  // a failed build leaves no link
    page = rig.host.OpenPage(rig.Source(folder, "Stepping.java"));
    rig.session.Run();
    rig.session.StepInto();
    rig.session.StepOver();
    rig.session.Stop();
    rig.session.Reset();
    rig.session.JogInto();
    rig.session.ToolbarReset();
    EXPECT_EQ(rig.log.Count(orusim::EventKind::BytesIn), 0u);
    EXPECT_EQ(rig.host.caption, "");
    EXPECT_FALSE(rig.session.Jogging());
    EXPECT_TRUE(rig.sink.lines.empty());
    EXPECT_TRUE(rig.session.ConfirmAbortDebug());
    EXPECT_TRUE(rig.host.boxes.empty()) << "no link: no question";
}

TEST_F(RunControl, TheAbortQuestionEndsTheSessionOnlyOnYes)
{
    StartStepping();
    rig.RunTo(10);
    rig.host.answers = {TConfirmAnswer::No, TConfirmAnswer::Cancel, TConfirmAnswer::Yes};
    EXPECT_FALSE(rig.session.QueryAbortDebug());
    EXPECT_FALSE(rig.session.ConfirmAbortDebug());
    EXPECT_NE(rig.session.JVM(), nullptr);
    EXPECT_TRUE(rig.session.ConfirmAbortDebug());
    EXPECT_EQ(rig.host.boxes, std::vector<std::string>(3, "A debug session is in progress. Abort debugging?"));
    EXPECT_EQ(rig.session.JVM(), nullptr);
    EXPECT_EQ(rig.session.Linker(), nullptr);
    EXPECT_FALSE(rig.session.Debugging());
    EXPECT_FALSE(rig.host.dataVisible);
    EXPECT_EQ(rig.host.attached, nullptr);
    EXPECT_TRUE(rig.host.terminalHidden);
    EXPECT_EQ(rig.host.caption, TDebugSession::Caption);
    EXPECT_TRUE(rig.host.marks.empty());
}

TEST_F(RunControl, AnUncaughtExceptionDuringAStepEndsThatSessionOnly)
{
    page = rig.StartProgram(folder = ExampleProgram("uncaught", {"Uncaught.java"}), "Uncaught");
    rig.RunTo(4);  // divide (10, 2)
    rig.session.Run();
    rig.ReceiveUntilStopped();
    ASSERT_EQ(rig.host.executionLine, 4) << "divide (10, 0)";
    rig.session.JogInto();

    // The division builds its exception in the library, then the module
    // reports it uncaught during a step.
    size_t mark = 0;
    for (int tick = 0; tick < 300 && rig.session.Jogging(); ++tick) {
        rig.sink.Clear();
        mark = rig.Commands().size();
        rig.session.JogTimerTimer();
    }
    EXPECT_FALSE(rig.session.Jogging());
    EXPECT_FALSE(rig.host.jogTimer);
    EXPECT_EQ(rig.Commands().back(), "step") << "no exchange after the step";
    EXPECT_EQ(rig.CountSince(mark, "step"), rig.CountSince(mark, "status") + 1);
    ASSERT_EQ(rig.sink.lines.size(), 2u);
    EXPECT_NE(rig.sink.lines[0].find("IDE-0028"), std::string::npos) << rig.sink.lines[0];
    EXPECT_EQ(rig.sink.lines[1], "Exception thrown in file '" + rig.Source(folder, "Uncaught.java") + "' at line 4");
    EXPECT_NE(rig.session.JVM(), nullptr) << "the end waits for the event loop";

    rig.host.Pump();
    EXPECT_EQ(rig.session.JVM(), nullptr);
    EXPECT_EQ(rig.session.Linker(), nullptr);
    EXPECT_EQ(rig.host.caption, TDebugSession::Caption);
    EXPECT_TRUE(rig.host.marks.empty());
    EXPECT_EQ(rig.sink.lines.size(), 2u);
}

TEST_F(RunControl, AnEndRequestOfAReplacedLinkEndsNothing)
{
    StartStepping();
    const uint64_t old = rig.session.LinkGeneration();
    rig.Start(rig.Link(folder, "Stepping"), false);
    rig.session.EndDebugOfLink(old);
    EXPECT_NE(rig.session.JVM(), nullptr);
    EXPECT_TRUE(rig.session.Debugging());
    rig.session.EndDebugOfLink(rig.session.LinkGeneration());
    EXPECT_EQ(rig.session.JVM(), nullptr);
}

TEST_F(RunControl, ALineWithoutASourceFileShowsNoLine)
{
    StartStepping();
    rig.RunTo(11);
    const std::string counter = rig.Source(folder, "Counter.java");
    rig.host.unreadable.insert(counter);
    rig.sink.Clear();
    rig.session.StepInto();  // into Counter.add
    EXPECT_EQ(rig.host.executionLine, 0);
    EXPECT_EQ(rig.host.MarkCount(TLineMark::CurrentLine), 0);
    EXPECT_EQ(rig.host.PageOf(counter), NoPage);
    EXPECT_EQ(rig.sink.lines, std::vector<std::string>{"[Debug] Counldn't find file '" + counter + "'"});
}

}  // namespace
