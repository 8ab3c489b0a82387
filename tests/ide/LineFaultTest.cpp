// A batch run whose line fails: the simulator killed, ended or unplugged
// while the program runs, or a reply drowned in packet starts. The run ends
// failed within a few seconds with the port's error line.
#include <gtest/gtest.h>

#include <functional>

#include "tests/ide/IdeProcess.h"
#include "tests/ide/TestApp.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

namespace {

// Well within this the run must end by itself; a hang is killed at it.
constexpr int RunDeadlineMs = 15000;

class LineFault : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        classes_ = new TempDir("corvane-line-fault-classes");
        const std::string spinner = WriteSource(classes_->Path(), "src/Spinner.java",
                                                "public class Spinner {\n"
                                                "    static void main() {\n"
                                                "        while (true) {}\n"
                                                "    }\n"
                                                "}\n");
        compiled_ = new JavaCompileResult(CompileJava({spinner}, classes_->Path(), ClassLibraryDir()));
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

    static std::vector<std::string> RunSpinner()
    {
        return {"-t", "Spinner", "-classpath", ClassLibraryDir() + ";" + classes_->Path()};
    }

    // Starts the spinner on a simulator on COM3, breaks the line once it runs.
    static ProcessResult BreakTheLineMidRun(const IdeWorld& world, const std::function<void(ModuleSimulator&)>& fault)
    {
        ModuleSimulator module(world, 3);
        EXPECT_TRUE(module.Ready());
        IdeProcess ide(world, RunSpinner());
        // The run command and its acknowledgement (behind the command's echo).
        EXPECT_TRUE(module.WaitForEvent("\"event\":\"command\",\"name\":\"run\"")) << module.Events();
        EXPECT_TRUE(module.WaitForEvent("\"event\":\"tx\",\"bytes\":\"04 84\"")) << module.Events();
        fault(module);
        return ide.Finish(RunDeadlineMs);
    }

    static TempDir* classes_;
    static JavaCompileResult* compiled_;
};

TempDir* LineFault::classes_ = nullptr;
JavaCompileResult* LineFault::compiled_ = nullptr;

}  // namespace

TEST_F(LineFault, ALineThatDiesMidRunEndsTheRunWithIde8NamingThePort)
{
    const std::vector<std::pair<const char*, std::function<void(ModuleSimulator&)>>> faults{
        {"killed", [](ModuleSimulator& m) { m.Kill(); }},
        {"terminated", [](ModuleSimulator& m) { m.Terminate(); }},
        {"unplugged", [](ModuleSimulator& m) { m.Command("unplug"); }},
    };
    for (const auto& [name, fault] : faults) {
        SCOPED_TRACE(name);
        IdeWorld world;
        const ProcessResult run = BreakTheLineMidRun(world, fault);
        EXPECT_GT(run.exitCode, 0) << "-1: still waiting at the deadline\n" << run.err;
        const std::string line = "[ Error IDE-0008] Error reading from the serial port (5). COM3 (";
        EXPECT_NE(run.err.find(line), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(": Input/output error)"), std::string::npos) << run.err;
        const std::string log = TempDir::ReadFile(world.Work() + "/ZARN.out");
        EXPECT_EQ(log.rfind(line, 0), 0u) << log;
    }
}

// The status reply of the presence test is followed by 7E 41 7E 41 ... for a
// minute: the query gives up at its 2-second limit and the search goes on.
TEST_F(LineFault, AStreamOfPacketStartsEndsTheQueryAtItsLimit)
{
    IdeWorld world;
    ModuleSimulator module(world, 3, {"--fault", "reply for 81 flood 60000 7e 41"});
    ASSERT_TRUE(module.Ready());
    IdeProcess ide(world, RunSpinner());
    const ProcessResult run = ide.Finish(RunDeadlineMs);
    EXPECT_GT(run.exitCode, 0) << "-1: still waiting at the deadline";
    EXPECT_NE(run.err.find("[ Error IDE-0056] Possible Corvane on COM3 did not respond."), std::string::npos)
        << run.err.substr(run.err.size() > 2000 ? run.err.size() - 2000 : 0);
    EXPECT_NE(run.err.find("[ Error IDE-0054]"), std::string::npos);
}
