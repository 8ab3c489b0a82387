// The "-t" batch run end to end: the built IDE against the module simulator
// over a pseudo-terminal.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/ide/IdeProcess.h"
#include "tests/ide/TestApp.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

namespace {

class BatchRun : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        classes_ = new TempDir("corvane-batch-classes");
        const std::string spinner = WriteSource(classes_->Path(), "src/Spinner.java",
                                                "public class Spinner {\n"
                                                "    static void main() {\n"
                                                "        int i = 0;\n"
                                                "        while (true) { i++; }\n"
                                                "    }\n"
                                                "}\n");
        const std::string nullStore = WriteSource(classes_->Path(), "src/NullStore.java",
                                                  "public class NullStore {\n"
                                                  "    static void main() {\n"
                                                  "        int[] a = null;\n"
                                                  "        a[0] = 1;\n"
                                                  "    }\n"
                                                  "}\n");
        const std::string sayThenThrow = WriteSource(classes_->Path(), "src/SayThenThrow.java",
                                                     "public class SayThenThrow {\n"
                                                     "    static void main() {\n"
                                                     "        System.out.println(\"last words\");\n"
                                                     "        int[] a = null;\n"
                                                     "        a[0] = 1;\n"
                                                     "    }\n"
                                                     "}\n");
        compiled_ = new JavaCompileResult(CompileJava({SourceDir() + "/examples/Hello.java",
                                                       SourceDir() + "/examples/Uncaught.java", spinner, nullStore,
                                                       sayThenThrow},
            classes_->Path(), ClassLibraryDir()));
    }
    static void TearDownTestSuite()
    {
        delete compiled_;
        delete classes_;
    }
    void SetUp() override
    {
        TestApp();
        ASSERT_TRUE(compiled_->Ok()) << compiled_->output;
    }

    std::vector<std::string> TestRun(const std::string& className) const
    {
        return {"-t", className, "-classpath", ClassLibraryDir() + ";" + classes_->Path()};
    }
    std::string Log() const { return world.Work() + "/ZARN.out"; }

    // Runs a program that never ends and lets the module send `command` once it runs.
    ProcessResult RunSpinnerUntilTheModuleSays(const std::string& command)
    {
        ModuleSimulator module(world, 3);
        if (!module.Ready()) return {};
        IdeProcess ide(world, TestRun("Spinner"));
        EXPECT_TRUE(module.WaitForEvent("\"event\":\"command\",\"name\":\"run\"")) << module.Events();
        module.Command(command);
        return ide.Finish();
    }

    IdeWorld world;
    static TempDir* classes_;
    static JavaCompileResult* compiled_;
};

TempDir* BatchRun::classes_ = nullptr;
JavaCompileResult* BatchRun::compiled_ = nullptr;

}  // namespace

TEST_F(BatchRun, AProgramRunsToItsEndAndTheRunSucceeds)
{
    ModuleSimulator module(world, 3);
    ASSERT_TRUE(module.Ready());
    const ProcessResult run = RunIde(world, TestRun("Hello"));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(module.WaitForEvent("\"text\":\"Hello, world!\"")) << module.Events();
    EXPECT_EQ(TempDir::ReadFile(Log()), "");
}

TEST_F(BatchRun, AnUncaughtExceptionIsLoggedAndTheRunStillSucceeds)
{
    ModuleSimulator module(world, 5);
    ASSERT_TRUE(module.Ready());
    const ProcessResult run = RunIde(world, TestRun("Uncaught"));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(TempDir::ReadFile(Log()), "Exception: java.lang.ArithmeticException\n");
}

// The program runs as soon as the reset ends, before the IDE's first command.
TEST_F(BatchRun, AnExceptionAtTheFirstInstructionIsLoggedInEveryRun)
{
    ModuleSimulator module(world, 4);
    ASSERT_TRUE(module.Ready());
    for (int run = 0; run < 3; ++run) {
        SCOPED_TRACE(run);
        const ProcessResult result = RunIde(world, TestRun("NullStore"));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(TempDir::ReadFile(Log()), "Exception: java.lang.NullPointerException\n");
        // Reads the run's events, so that the simulator never waits for room to write them.
        EXPECT_TRUE(module.WaitForEvent("\"event\":\"message\",\"values\":[4]")) << module.Events();
        module.ClearEvents();
    }
}

TEST_F(BatchRun, TextFollowedAtOnceByAnExceptionLeavesTheExceptionInTheLog)
{
    ModuleSimulator module(world, 4);
    ASSERT_TRUE(module.Ready());
    const ProcessResult run = RunIde(world, TestRun("SayThenThrow"));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(module.WaitForEvent("\"text\":\"last words\"")) << module.Events();
    EXPECT_EQ(TempDir::ReadFile(Log()), "Exception: java.lang.NullPointerException\n");
}

TEST_F(BatchRun, AClassThatFailsToLinkFailsBeforeTheLogExists)
{
    const ProcessResult run = RunIde(world, TestRun("NoSuchClass"));
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("[ Error JVM-0017]"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(Log()));
}

TEST_F(BatchRun, CommandLineErrorsAreReportedOnStandardError)
{
    ProcessResult run = RunIde(world, {"-t"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("[ Error IDE-0037] Test file name expected."), std::string::npos) << run.err;
    run = RunIde(world, {"-classpath"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("[ Error IDE-0038] Class path expected."), std::string::npos) << run.err;
}

TEST_F(BatchRun, WithoutAModuleTheRunFailsWithIde54)
{
    const ProcessResult run = RunIde(world, TestRun("Hello"));
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("[ Error IDE-0054]"), std::string::npos) << run.err;
}

TEST_F(BatchRun, AnUnknownBytecodeEndsTheRunFailedWithItsLineInTheLog)
{
    const ProcessResult run = RunSpinnerUntilTheModuleSays("message 1 ff");
    EXPECT_GT(run.exitCode, 0) << run.err;
    const std::string log = TempDir::ReadFile(Log());
    EXPECT_EQ(log.rfind("[ Error IDE-0024]", 0), 0u) << log;
    EXPECT_EQ(log.back(), '\n');
}

TEST_F(BatchRun, AnExceptionThatCannotBeResolvedEndsTheRunFailed)
{
    const ProcessResult run = RunSpinnerUntilTheModuleSays("message 4 ff f0 00 10");
    EXPECT_GT(run.exitCode, 0) << run.err;
    EXPECT_NE(TempDir::ReadFile(Log()).find("[ Error IDE-0042]"), std::string::npos);
}
