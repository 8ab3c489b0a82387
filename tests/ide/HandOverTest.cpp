// Two starts of the built IDE: the second hands its files to the first. (A
// stale lock or socket and batch starts: SingleInstanceTest.)
#include <gtest/gtest.h>

#include "ide/SingleInstance.h"
#include "platform/DisplayKey.h"
#include "tests/ide/IdeProcess.h"
#include "tests/ide/TestApp.h"

namespace {

class TwoStarts : public ::testing::Test {
protected:
    void SetUp() override { TestApp(); }

    // The started programs run offscreen, as this one does: the same key.
    std::string Socket() const { return world.Runtime() + "/" + PerDisplayName(SecondInstanceMessage); }
    IdeWorld world;
};

}  // namespace

TEST_F(TwoStarts, ASecondStartHandsItsFilesToTheFirstAndEnds)
{
    TempDir::MakeDirs(world.Work() + "/with blank");
    for (const char* name : {"First.java", "with blank/A.java", "B.java"}) TempDir::WriteFile(world.Work() + "/" + name, "");
    IdeProcess first(world, {"First.java"}, true, true);
    ASSERT_TRUE(first.Started());
    ASSERT_TRUE(first.WaitForError("OpenSourceFile First.java")) << first.Err();
    ASSERT_TRUE(WaitForFile(Socket()));

    const std::string spaced = world.Work() + "/with blank/A.java";
    IdeProcess second(world, {spaced, "B.java"}, true, true);
    const ProcessResult handOver = second.Finish();
    EXPECT_EQ(handOver.exitCode, 0) << handOver.err;
    EXPECT_EQ(handOver.err.find("OpenSourceFile"), std::string::npos) << "the second start opens nothing itself";

    EXPECT_TRUE(first.WaitForError("OpenSourceFile " + world.Work() + "/B.java")) << first.Err();
    EXPECT_NE(first.Err().find("OpenSourceFile " + spaced + "\n"), std::string::npos) << first.Err();
}
