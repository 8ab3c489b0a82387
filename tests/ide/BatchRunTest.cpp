// The "-t" batch run end to end: the built IDE against the module simulator
// over a pseudo-terminal.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
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

    // Runs a program that never ends and gives the module `commands` once it runs.
    ProcessResult RunSpinnerUntilTheModuleSays(const std::vector<std::string>& commands)
    {
        ModuleSimulator module(world, 3);
        if (!module.Ready()) return {};
        IdeProcess ide(world, TestRun("Spinner"));
        EXPECT_TRUE(module.WaitForEvent("\"event\":\"command\",\"name\":\"run\"")) << module.Events();
        for (const std::string& command : commands) module.Command(command);
        return ide.Finish();
    }

    IdeWorld world;
    static TempDir* classes_;
    static JavaCompileResult* compiled_;
};

TempDir* BatchRun::classes_ = nullptr;
JavaCompileResult* BatchRun::compiled_ = nullptr;

}  // namespace

// One module for every run: the program runs as soon as the reset ends,
// before the IDE's first command, in every run.
TEST_F(BatchRun, ProgramsRunToTheirEndAndAnUncaughtExceptionIsLogged)
{
    const std::string exception = "\"event\":\"message\",\"values\":[4]";
    const struct {
        const char* className;
        std::string event;  // waited for, so that the simulator never waits for room to write
        std::string log;
    } runs[] = {
        {"Hello", "\"text\":\"Hello, world!\"", ""},
        {"Uncaught", exception, "Exception: java.lang.ArithmeticException\n"},
        {"NullStore", exception, "Exception: java.lang.NullPointerException\n"},
        {"NullStore", exception, "Exception: java.lang.NullPointerException\n"},
        {"SayThenThrow", "\"text\":\"last words\"", "Exception: java.lang.NullPointerException\n"},
    };
    ModuleSimulator module(world, 3);
    ASSERT_TRUE(module.Ready());
    for (const auto& run : runs) {
        SCOPED_TRACE(run.className);
        const ProcessResult result = RunIde(world, TestRun(run.className));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(TempDir::ReadFile(Log()), run.log);
        EXPECT_TRUE(module.WaitForEvent(run.event)) << module.Events();
        module.ClearEvents();
    }
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

TEST_F(BatchRun, StartsThatFailBeforeTheProgramRunsReportOnStandardError)
{
    const struct {
        std::vector<std::string> args;
        std::string error;
        bool logMade;
    } starts[] = {
        {{"-t"}, "[ Error IDE-0037] Test file name expected.", false},
        {{"-classpath"}, "[ Error IDE-0038] Class path expected.", false},
        {TestRun("NoSuchClass"), "[ Error JVM-0017]", false},
        {TestRun("Hello"), "[ Error IDE-0054]", true},  // no module
    };
    for (const auto& start : starts) {
        const ProcessResult run = RunIde(world, start.args);
        EXPECT_NE(run.exitCode, 0) << start.error;
        EXPECT_NE(run.err.find(start.error), std::string::npos) << run.err;
        EXPECT_EQ(std::filesystem::exists(Log()), start.logMade) << start.error;
    }
}

// An unknown bytecode, and an exception whose class cannot be resolved.
TEST_F(BatchRun, AModuleMessageTheIdeCannotResolveEndsTheRunFailedWithItsLineInTheLog)
{
    for (const auto& [message, error] : {std::pair{"message 1 ff", "[ Error IDE-0024]"},
                                         std::pair{"message 4 ff f0 00 10", "[ Error IDE-0042]"}}) {
        const ProcessResult run = RunSpinnerUntilTheModuleSays({message});
        EXPECT_GT(run.exitCode, 0) << run.err;
        const std::string log = TempDir::ReadFile(Log());
        EXPECT_NE(log.find(error), std::string::npos) << log;
        EXPECT_EQ(log.back(), '\n');
    }
}

// Switched off and on mid-run, the module starts the program again by
// itself: the run must not pass with two runs' output.
TEST_F(BatchRun, AModuleThatRestartsWhileTheProgramRunsEndsTheRunFailed)
{
    const ProcessResult run = RunSpinnerUntilTheModuleSays({"power off", "power on"});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(TempDir::ReadFile(Log()), "[ Error IDE-0057] Corvane restarted while the program was running.\n");
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

TEST_F(BatchRunLineFault, TheSimulatorKilledTerminatedOrUnpluggedMidRun)
{
    ExpectIde8AfterBreakingTheLine([](ModuleSimulator& m) { m.Kill(); });
    ExpectIde8AfterBreakingTheLine([](ModuleSimulator& m) { m.Terminate(); });
    ExpectIde8AfterBreakingTheLine([](ModuleSimulator& m) { m.Command("unplug"); });
}
