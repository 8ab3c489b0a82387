// Running the compiler as a child process, with fake compilers.
#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "foundation/EError.h"
#include "ide/pipeline/RunProgram.h"
#include "tests/support/TempDir.h"

using namespace std::chrono_literals;

namespace {

class RunProgramTest : public ::testing::Test {
protected:
    std::string Script(const std::string& name, const std::string& body, mode_t mode = 0755)
    {
        const std::string path = dir.File(name);
        TempDir::WriteFile(path, "#!/bin/sh\n" + body);
        chmod(path.c_str(), mode);
        return path;
    }
    // The IDE-33 text that running `program` raises, or "" when it ran.
    static std::string Ide33(const std::string& program, std::chrono::milliseconds limit = 20s)
    {
        try {
            RunProgram(program, {}, "/", limit);
        } catch (const EError& e) {
            return e.Number == 33 ? e.Text : "other error";
        }
        return "";
    }
    TempDir dir{"corvane-runprogram"};
};

// Processes of the group `group` that have not ended.
int LiveMembers(int group)
{
    int count = 0;
    DIR* proc = opendir("/proc");
    while (dirent* entry = proc ? readdir(proc) : nullptr) {
        std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
        std::string line;
        if (!std::getline(stat, line)) continue;
        const size_t close = line.rfind(')');
        if (close == std::string::npos) continue;
        char state = 0;
        int parent = 0, pgrp = 0;
        if (sscanf(line.c_str() + close + 1, " %c %d %d", &state, &parent, &pgrp) == 3 && pgrp == group &&
            state != 'Z' && state != 'X')
            ++count;
    }
    if (proc) closedir(proc);
    return count;
}

// Whether the group whose leader wrote its pid to `pidFile` has no live
// member left; killed processes are given a few seconds to go.
::testing::AssertionResult GroupEnded(const std::string& pidFile)
{
    const int group = std::stoi(TempDir::ReadFile(pidFile));
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (LiveMembers(group) > 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(20ms);
    if (LiveMembers(group) == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "processes of the compiler's group still running";
}

TEST_F(RunProgramTest, PassesTheWordsAndFolderAndPutsStandardOutputFirst)
{
    const std::string folder = dir.File("w\xe9rk dir");  // names that are not UTF-8 reach it as bytes
    TempDir::MakeDirs(folder);
    const std::string compiler = Script("my compiler",
                                        "echo err-first >&2\n"
                                        "sleep 0.1\n"
                                        "pwd\n"
                                        "for a in \"$@\"; do echo \"[$a]\"; done\n"
                                        "read line && echo \"stdin: $line\"\n");
    const std::string out =
        RunProgram(compiler, {"+E", "-depend", "-g", "/src/My caf\xe9.java", "-classpath", "a;b c"}, folder).Output;
    EXPECT_EQ(out, folder +
                       "\n[+E]\n[-depend]\n[-g]\n[/src/My caf\xe9.java]\n[-classpath]\n[a;b c]\nerr-first\n");
}

TEST_F(RunProgramTest, LargeOutputIsReadAsItComesAndCut)
{
    // 200 KB on standard output, 100 KB on standard error: far more than a pipe holds.
    const std::string both = Script("loud", "head -c 200000 /dev/zero | tr '\\0' o\n"
                                            "head -c 100000 /dev/zero | tr '\\0' e >&2\n");
    const auto start = std::chrono::steady_clock::now();
    const std::string out = RunProgram(both, {}, dir.Path(), 20s).Output;
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    EXPECT_EQ(out, std::string(ProgramOutputLimit, 'o'));

    const std::string errors = Script("errors", "echo short\nhead -c 300000 /dev/zero | tr '\\0' e >&2\n");
    EXPECT_EQ(RunProgram(errors, {}, dir.Path()).Output, "short\n" + std::string(ProgramOutputLimit - 6, 'e'));
}

TEST_F(RunProgramTest, ProgramsThatCannotStartAreIde33)
{
    EXPECT_EQ(Ide33(dir.File("no such compiler")), "Problem invoking the external compiler: Could not create process");
    EXPECT_EQ(Ide33(Script("not executable", "echo hi\n", 0644)), "Problem invoking the external compiler: Could not create process");
}

TEST_F(RunProgramTest, TimeoutKillsTheWholeGroup)
{
    const std::string pidFile = dir.File("group");
    // A child that outlives its parent's kill would keep running without the group kill.
    const std::string sleeper = Script("sleeper", "sleep 60 &\necho $$ > '" + pidFile + "'\nsleep 60\n");
    EXPECT_EQ(Ide33(sleeper, 500ms), "Problem invoking the external compiler: Timeout");
    EXPECT_TRUE(GroupEnded(pidFile));
}

TEST_F(RunProgramTest, HelpersLeftBehindEndWithTheProgram)
{
    const std::string pidFile = dir.File("group");
    struct Case {
        const char* name;
        std::string body;
        TProgramEnd::TKind kind;
        int code;
    };
    const Case cases[] = {
        {"exit 0", "exit 0\n", TProgramEnd::TKind::Exited, 0},
        {"exit 3", "exit 3\n", TProgramEnd::TKind::Exited, 3},
        {"SIGSEGV", "kill -SEGV $$\n", TProgramEnd::TKind::Signalled, SIGSEGV},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The helper keeps standard output open: the run must not wait for it.
        const std::string program = Script("helper", "sleep 300 &\necho $$ > '" + pidFile + "'\n" + c.body);
        const TProgramRun run = RunProgram(program, {}, dir.Path(), 20s);
        EXPECT_EQ(run.End.Kind, c.kind);
        EXPECT_EQ(run.End.Code, c.code);
        EXPECT_EQ(run.Output, "");
        EXPECT_TRUE(GroupEnded(pidFile));
    }
}

}  // namespace
