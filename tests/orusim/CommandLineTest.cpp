#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"
#include "tools/orusim/CliCommands.h"
#include "tools/orusim/PtyTransport.h"
#include "tools/orusim/ScriptedEngine.h"
#include "tools/orusim/SteadyClock.h"

using namespace orusim;

namespace {
// The program folder: from the test environment, else beside the tests' own.
std::string OrusimPath() {
    if (std::getenv("CORVANE_PROGRAM_DIR")) return ProgramDir() + "/orusim";
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path().string() + "/bin/orusim";
}
}  // namespace

TEST(OrusimArguments, PortDirectoryAndNumberAreRequired) {
    std::string error;
    auto options = ParseCliArguments({"--port-dir", "/tmp/p", "--com", "3", "--paced"}, error);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->portDir, "/tmp/p");
    EXPECT_EQ(options->com, 3);
    EXPECT_TRUE(options->paced);
    EXPECT_FALSE(options->vm);
    EXPECT_TRUE(ParseCliArguments({"--vm", "--port-dir", "/tmp/p", "--com", "3"}, error)->vm);
    EXPECT_FALSE(ParseCliArguments({"--port-dir", "/tmp/p"}, error));
    EXPECT_FALSE(ParseCliArguments({"--port-dir", "/tmp/p", "--com", "0"}, error));
    EXPECT_FALSE(ParseCliArguments({"--port-dir", "/tmp/p", "--com", "3x"}, error));
    EXPECT_FALSE(ParseCliArguments({"--port-dir", "/tmp/p", "--com", "2", "extra"}, error));
    EXPECT_EQ(error, "unexpected argument: extra");
}

TEST(OrusimProgram, AnnouncesItsPortLogsEventsAndCleansUp) {
    TempDir dir("orusim-cli");
    std::string program = OrusimPath();
    auto result = RunProgram({"sh", "-c",
                              "printf 'text hi\\nbogus\\nquit\\n' | '" + program + "' --port-dir '" + dir.Path() +
                                  "' --com 9"});
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(result.output.rfind("READY COM9 /dev/pts/", 0), 0u) << result.output;
    EXPECT_NE(result.output.find("\"event\":\"message\",\"values\":[3],\"text\":\"hi\"}"), std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find("orusim: unknown command: bogus"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(dir.File("COM9"))));
    EXPECT_FALSE(std::filesystem::exists(dir.File("COM9.modem")));

    auto bad = RunProgram({program, "--com", "1"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.output.find("usage: orusim --port-dir DIR --com N"), std::string::npos);
}

TEST(OrusimProgram, ASecondSimulatorOnALivePortEndsWithCodeOne) {
    TempDir dir("orusim-cli");
    SteadyClock clock;
    ScriptedEngine engine;
    EventLog log;
    ProtocolEngine module{clock, engine, log};
    PtyTransport first{module, PtyOptions{dir.Path(), 9, false}};
    std::string error;
    ASSERT_TRUE(first.Start(error)) << error;

    auto second = RunProgram({OrusimPath(), "--port-dir", dir.Path(), "--com", "9"});
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_EQ(second.output, "orusim: COM9 in " + dir.Path() + " is served by another simulator\n");
    EXPECT_TRUE(std::filesystem::is_socket(dir.File("COM9.modem")));
}
