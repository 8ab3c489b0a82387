// Stepping by line through the real link, the linker and the simulated module.
#include <gtest/gtest.h>

#include "foundation/EError.h"
#include "tests/debugger/SessionFixture.h"

namespace {

const char* kCaller =
    "public class Caller {\n"             // 1
    "    static void main() {\n"          // 2
    "        int y = 0;\n"                // 3
    "        Callee.work();\n"            // 4
    "    }\n"                             // 5
    "}\n";

// work's first line has the number of the call's line.
const char* kCallee =
    "public class Callee {\n"             // 1
    "\n"                                  // 2
    "    static void work() {\n"          // 3
    "        int x = 1;\n"                // 4
    "        x = x + 1;\n"                // 5
    "    }\n"                             // 6
    "}\n";

// A session stopped at a breakpoint of the main class's file.
class Stepping : public ::testing::Test {
protected:
    void StopAt(const std::string& compiled, const std::string& mainClass, int line)
    {
        page = rig.StartProgram(folder = compiled, mainClass);
        rig.RunTo(line);
    }
    void ExpectLine(const std::string& file, int line)
    {
        EXPECT_EQ(rig.host.executionFile, rig.Source(folder, file));
        EXPECT_EQ(rig.host.executionLine, line);
    }

    SessionRig rig;
    std::string folder;
    TPageHandle page = NoPage;
};

TEST_F(Stepping, StepIntoFollowsCallsAcrossFiles)
{
    StopAt(SteppingProgram(), "Stepping", 10);
    EXPECT_EQ(rig.host.caption, TDebugSession::StoppedCaption);
    EXPECT_TRUE(rig.host.HasMark(page, 10, TLineMark::CurrentLine));
    const int refreshes = rig.host.stackRefreshes;

    rig.session.StepInto();
    ExpectLine("Stepping.java", 4);
    rig.session.StepInto();
    ExpectLine("Stepping.java", 10);
    rig.session.StepInto();
    ExpectLine("Stepping.java", 11);
    rig.session.StepInto();
    ExpectLine("Counter.java", 6);
    const TPageHandle counter = rig.host.PageOf(rig.Source(folder, "Counter.java"));
    EXPECT_NE(counter, NoPage) << "its page opened";
    EXPECT_EQ(rig.host.current, counter);
    EXPECT_TRUE(rig.host.HasMark(counter, 6, TLineMark::CurrentLine));
    EXPECT_FALSE(rig.host.HasMark(page, 11, TLineMark::CurrentLine));
    EXPECT_EQ(rig.host.stackRefreshes, refreshes + 4);
}

TEST_F(Stepping, StepOverRunsEachCallToTheInstructionAfterIt)
{
    StopAt(SteppingProgram(), "Stepping", 10);
    rig.session.ToggleBreakpointAt(10);  // off again: only the temporary one stops

    // The store after the call is still line 10.
    size_t mark = rig.Commands().size();
    rig.session.StepOver();
    EXPECT_TRUE(rig.session.JVM()->IsRunning()) << "returns at once, running";
    rig.ReceiveUntilStopped();
    ExpectLine("Stepping.java", 10);
    EXPECT_EQ(rig.CountSince(mark, "run"), 1u);

    rig.session.StepOver();  // the store, then line 11 starts
    ExpectLine("Stepping.java", 11);
    rig.session.StepOver();
    rig.ReceiveUntilStopped();
    ExpectLine("Stepping.java", 12);

    // Line 12 makes six calls: one per press.
    std::vector<int> lines;
    for (int press = 0; press < 6; ++press) {
        mark = rig.Commands().size();
        rig.session.StepOver();
        rig.ReceiveUntilStopped();
        EXPECT_EQ(rig.CountSince(mark, "run"), 1u) << "press " << press;
        lines.push_back(rig.host.executionLine);
    }
    EXPECT_EQ(lines, (std::vector<int>{12, 12, 12, 12, 12, 9}));
}

TEST_F(Stepping, AnEndlessLineStopsAfterFiveHundredAndOneSteps)
{
    StopAt(SpinProgram(), "Spin", SpinLoopLine);
    const int shows = rig.host.executionShows;
    const int refreshes = rig.host.stackRefreshes;
    const size_t mark = rig.Commands().size();
    try {
        rig.session.StepInto();
        FAIL() << "no IDE-26";
    } catch (const EError& error) {
        EXPECT_EQ(error.Number, 26);
    }
    EXPECT_EQ(rig.CountSince(mark, "step"), 501u);
    EXPECT_EQ(rig.host.executionShows, shows) << "no refresh";
    EXPECT_EQ(rig.host.stackRefreshes, refreshes);
}

TEST_F(Stepping, AnotherFilesMethodOnTheSameLineNumberEndsTheStep)
{
    StopAt(CompiledProgram("caller", {{"Callee.java", kCallee}, {"Caller.java", kCaller}}), "Caller", 4);
    rig.session.StepInto();
    ExpectLine("Callee.java", 4);
}

TEST_F(Stepping, SingleStepIsOneStepCommandPerPress)
{
    StopAt(SteppingProgram(), "Stepping", 10);
    GlobalOptions.SingleStep = true;
    for (int press = 0; press < 3; ++press) {
        const size_t mark = rig.Commands().size();
        rig.sink.Clear();
        if (press == 2)
            rig.session.StepOver();
        else
            rig.session.StepInto();
        EXPECT_EQ(rig.CountSince(mark, "step"), 1u);
        EXPECT_EQ(rig.CountSince(mark, "run"), 0u);
        ASSERT_FALSE(rig.sink.lines.empty());
        EXPECT_EQ(rig.sink.lines.back().rfind("[Info] Next instruction: ", 0), 0u) << rig.sink.lines.back();
        EXPECT_NE(rig.sink.lines.back().find(" at line " + std::to_string(rig.host.executionLine)), std::string::npos);
    }
}

}  // namespace
