// The breakpoint table against a linked program and the simulated module.
#include <gtest/gtest.h>

#include "tests/debugger/SessionFixture.h"

namespace {

class Breakpoints : public ::testing::Test {
protected:
    void SetUp() override
    {
        stepping = rig.StartProgram(folder, "Stepping");
    }

    SessionRig rig;
    std::string folder = SteppingProgram();
    TPageHandle stepping = NoPage;
};

TEST_F(Breakpoints, NewestFirstAndTheSeventhDropsTheOldestOnItsOwnPage)
{
    for (int line : {4, 8, 9, 10, 11}) rig.session.ToggleBreakpointAt(line);
    const TPageHandle counter = rig.host.OpenPage(rig.Source(folder, "Counter.java"));
    rig.session.ToggleBreakpointAt(6);
    ASSERT_EQ(rig.session.BreakpointCount(), 6);
    EXPECT_TRUE(rig.host.HasMark(stepping, 4, TLineMark::BreakPoint));

    rig.session.ToggleBreakpointAt(10);
    ASSERT_EQ(rig.session.BreakpointCount(), 6);
    EXPECT_EQ(rig.session.Breakpoint(0).Page, counter);
    EXPECT_EQ(rig.session.Breakpoint(0).Line, 10);
    EXPECT_EQ(rig.session.Breakpoint(1).Line, 6);
    EXPECT_EQ(rig.session.Breakpoint(5).Line, 8) << "line 4, the oldest, is gone";
    EXPECT_FALSE(rig.host.HasMark(stepping, 4, TLineMark::BreakPoint)) << "cleared on its own page";
    EXPECT_TRUE(rig.host.HasMark(counter, 10, TLineMark::BreakPoint));
    EXPECT_EQ(rig.host.MarkCount(TLineMark::BreakPoint), 6);
    EXPECT_TRUE(rig.session.BreakpointsChanged());

    // A closed page's handle is dead: clearing touches only open pages.
    rig.host.ClosePage(stepping);
    rig.session.ClearBreakpoints();
    EXPECT_EQ(rig.session.BreakpointCount(), 0);
    EXPECT_EQ(rig.host.MarkCount(TLineMark::BreakPoint), 0);
}

TEST_F(Breakpoints, SnapsToTheNextBreakableLineAndEitherLineRemoves)
{
    rig.session.ToggleBreakpointAt(13);
    ASSERT_EQ(rig.session.BreakpointCount(), 1);
    EXPECT_EQ(rig.session.Breakpoint(0).Line, 14);
    EXPECT_EQ(rig.session.Breakpoint(0).Address, rig.session.Linker()->FindBreakpointAddress(rig.Source(folder, "Stepping.java"), 14));
    EXPECT_TRUE(rig.host.HasMark(stepping, 14, TLineMark::BreakPoint));
    rig.session.ToggleBreakpointAt(13);
    EXPECT_EQ(rig.session.BreakpointCount(), 0);
    EXPECT_FALSE(rig.host.HasMark(stepping, 14, TLineMark::BreakPoint));

    rig.session.ToggleBreakpointAt(13);
    rig.session.ToggleBreakpointAt(14);
    EXPECT_EQ(rig.session.BreakpointCount(), 0);

    // No breakable line at or after line 5 in its method: nothing, silently.
    rig.session.DownloadBreakpointsIfChanged();
    rig.sink.Clear();
    EXPECT_NO_THROW(rig.session.ToggleBreakpointAt(5));
    EXPECT_EQ(rig.session.BreakpointCount(), 0);
    EXPECT_FALSE(rig.session.BreakpointsChanged());
    EXPECT_TRUE(rig.sink.lines.empty());
}

TEST_F(Breakpoints, NeedALinkerAndANamedPage)
{
    rig.host.current = rig.host.OpenPage("");
    rig.session.ToggleBreakpointAt(10);
    EXPECT_EQ(rig.session.BreakpointCount(), 0);

    rig.host.current = stepping;
    rig.session.SetLinker(nullptr);
    rig.session.ToggleBreakpointAt(10);
    EXPECT_EQ(rig.session.BreakpointCount(), 0);
    EXPECT_EQ(rig.host.MarkCount(TLineMark::BreakPoint), 0);
}

TEST_F(Breakpoints, EveryBuildOrConnectClearsTheTable)
{
    rig.session.ToggleBreakpointAt(10);
    rig.session.ToggleBreakpointAt(11);
    rig.Start(rig.Link(folder, "Stepping"), false);
    EXPECT_EQ(rig.session.BreakpointCount(), 0);
    EXPECT_EQ(rig.host.MarkCount(TLineMark::BreakPoint), 0);
    EXPECT_EQ(rig.BreakpointLists().back(), std::vector<int64_t>{}) << "the new session sent an empty list";
}

TEST_F(Breakpoints, PacketsCarryTheTableAndTheTemporaryAddressTwice)
{
    rig.session.ToggleBreakpointAt(10);
    const int64_t line10 = rig.session.Breakpoint(0).Address;
    rig.session.Run();
    EXPECT_EQ(rig.BreakpointLists().back(), std::vector<int64_t>{line10});
    rig.ReceiveUntilStopped();
    ASSERT_EQ(rig.host.executionLine, 10);

    for (int line : {4, 8, 11, 12, 14}) rig.session.ToggleBreakpointAt(line);
    ASSERT_EQ(rig.session.BreakpointCount(), 6);
    rig.session.StepOver();  // steps to the call, then runs over it
    const std::vector<int64_t> list = rig.BreakpointLists().back();
    ASSERT_EQ(list.size(), 8u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(list[size_t(i)], rig.session.Breakpoint(i).Address);
    EXPECT_EQ(list[6], list[7]);
    EXPECT_EQ(list[6], int64_t(rig.session.LastPC() + 3));
    EXPECT_EQ(rig.session.TemporaryBreakpoint().Address, 0u);
}

}  // namespace
