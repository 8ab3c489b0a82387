// The "-t" batch run end to end: the built IDE against the module simulator
// over a pseudo-terminal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

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

// The logged exception cannot be written (a file-size limit of one byte):
// the run must not pass for clean.
TEST_F(BatchRun, ALogThatCannotBeWrittenFailsTheRun)
{
    ModuleSimulator module(world, 4);
    ASSERT_TRUE(module.Ready());
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tiny = saved;
    tiny.rlim_cur = 1;
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    IdeProcess ide(world, TestRun("NullStore"));
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
    ASSERT_TRUE(ide.Started());
    const ProcessResult run = ide.Finish();
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_NE(run.err.find("[ Error IDE-0017] Unable to open file for writing `ZARN.out' (27, File too large)."),
              std::string::npos)
        << run.err;
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

// A new user outside the port's group learns why no module was found.
TEST_F(BatchRun, APortWithoutPermissionIsNamedBeforeIde54)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master) | ::unlockpt(master), 0);
    const std::string device = ::ptsname(master);
    ASSERT_EQ(::chmod(device.c_str(), 0), 0);
    ASSERT_EQ(::symlink(device.c_str(), (world.Ports() + "/COM3").c_str()), 0);

    IdeProcess ide(world, TestRun("Hello"), false, false, true);
    const ProcessResult run = ide.Finish();
    ::close(master);
    EXPECT_GT(run.exitCode, 0) << run.err;
    const size_t refused = run.err.find("[ Error IDE-0006] Could not open the serial port: COM3 (");
    ASSERT_NE(refused, std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Permission denied).", refused), run.err.find('\n', refused) - 19) << run.err;
    EXPECT_GT(run.err.find("[ Error IDE-0054]"), refused) << run.err;
    EXPECT_EQ(run.err.find("IDE-0006", refused + 10), std::string::npos) << "one line for the one port";
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

// A line that fails while the program runs ends the run failed within a few
// seconds, with the port's error line; a hang is killed at this deadline.
namespace {

constexpr int LineFaultDeadlineMs = 15000;

class BatchRunLineFault : public BatchRun {
protected:
    // Breaks the line once the spinner runs (the run command acknowledged,
    // behind its echo) and checks how the run ends.
    void ExpectIde8AfterBreakingTheLine(const std::function<void(ModuleSimulator&)>& fault)
    {
        ProcessResult run;
        {
            ModuleSimulator module(world, 3);
            ASSERT_TRUE(module.Ready());
            IdeProcess ide(world, TestRun("Spinner"));
            ASSERT_TRUE(module.WaitForEvent("\"event\":\"command\",\"name\":\"run\"")) << module.Events();
            ASSERT_TRUE(module.WaitForEvent("\"event\":\"tx\",\"bytes\":\"04 84\"")) << module.Events();
            fault(module);
            run = ide.Finish(LineFaultDeadlineMs);
        }
        EXPECT_GT(run.exitCode, 0) << "-1: still waiting at the deadline\n" << run.err;
        const std::string line = "[ Error IDE-0008] Error reading from the serial port (5). COM3 (";
        EXPECT_NE(run.err.find(line), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(": Input/output error)"), std::string::npos) << run.err;
        const std::string log = TempDir::ReadFile(Log());
        EXPECT_EQ(log.rfind(line, 0), 0u) << log;
    }
};

}  // namespace

TEST_F(BatchRunLineFault, TheSimulatorKilledMidRun)
{
    ExpectIde8AfterBreakingTheLine([](ModuleSimulator& m) { m.Kill(); });
}

TEST_F(BatchRunLineFault, TheSimulatorTerminatedMidRun)
{
    ExpectIde8AfterBreakingTheLine([](ModuleSimulator& m) { m.Terminate(); });
}

TEST_F(BatchRunLineFault, TheModuleUnpluggedMidRun)
{
    ExpectIde8AfterBreakingTheLine([](ModuleSimulator& m) { m.Command("unplug"); });
}

// The status reply of the presence test is followed by 7E 41 7E 41 ... for a
// minute: the query gives up at its 2-second limit and the search goes on.
TEST_F(BatchRunLineFault, AStreamOfPacketStartsEndsTheQueryAtItsLimit)
{
    ModuleSimulator module(world, 3, {"--fault", "reply for 81 flood 60000 7e 41"});
    ASSERT_TRUE(module.Ready());
    IdeProcess ide(world, TestRun("Spinner"));
    const ProcessResult run = ide.Finish(LineFaultDeadlineMs);
    EXPECT_GT(run.exitCode, 0) << "-1: still waiting at the deadline";
    EXPECT_NE(run.err.find("[ Error IDE-0056] Possible Corvane on COM3 did not respond."), std::string::npos);
    EXPECT_NE(run.err.find("[ Error IDE-0054]"), std::string::npos);
}
