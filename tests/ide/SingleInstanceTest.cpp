#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <atomic>
#include <QLockFile>
#include <cstring>
#include <filesystem>
#include <thread>

#include "foundation/Settings.h"
#include "ide/EditorForm.h"
#include "ide/ZARNTabControl.h"
#include "ide/pipeline/ParamsFile.h"
#include "tests/ide/FakeDialogs.h"
#include "ide/SingleInstance.h"
#include "platform/HandOverChannel.h"
#include "platform/InstanceLock.h"
#include "tests/ide/TestApp.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {

// The program directory points at a folder of the test's own while it lives.
struct ProgramDirScope {
    TempDir dir{"corvane-progdir"};
    ScopedEnv env{"CORVANE_PROGRAM_DIR", dir.Path()};
};

pid_t DeadProcessId()
{
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

}  // namespace

TEST(InstanceLock, OneHolderAtATimeAndALockLeftByADeadInstanceIsTakenOver)
{
    TestApp();
    auto first = std::make_unique<TInstanceLock>("LockTest");
    ASSERT_TRUE(first->TryLock());
    TInstanceLock second("LockTest");
    EXPECT_FALSE(second.TryLock());
    EXPECT_TRUE(second.HeldElsewhere());
    first.reset();
    EXPECT_TRUE(second.TryLock());

    std::string contents;
    std::string fileName;
    {
        TInstanceLock model("StaleTest");
        ASSERT_TRUE(model.TryLock());
        fileName = model.FileName();
        QFile file(QString::fromStdString(fileName));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        contents = file.readAll().toStdString();
    }
    // The same owner record, but of a process that has ended.
    contents = std::to_string(DeadProcessId()) + contents.substr(contents.find('\n'));
    TempDir::WriteFile(fileName, contents);

    TInstanceLock next("StaleTest");
    EXPECT_TRUE(next.TryLock());
}

TEST(HandOverChannel, AClientRetriesUntilTheServerListensAndAStaleSocketIsReplaced)
{
    TestApp();
    // A socket file left behind by an instance that died.
    const std::string path = HandOverSocketPath("RetryTest");
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);

    std::vector<std::string> received;
    bool sent = false;
    std::atomic<int> refused{0};
    std::thread client([&] { sent = SendHandOver("RetryTest", "late", 10000, [&] { ++refused; }); });
    ASSERT_TRUE(WaitUntil([&] { return refused > 0; }, 5s, "a first attempt that nobody answered"));
    THandOverServer server("RetryTest", [&](const std::string& text) { received.push_back(text); });
    ASSERT_TRUE(server.Listen());
    ASSERT_TRUE(WaitUntil([&] { return !received.empty(); }, 5s, "the hand-over text"));
    client.join();
    EXPECT_TRUE(sent);
    EXPECT_EQ(received, std::vector<std::string>{"late"});
    EXPECT_FALSE(SendHandOver("NobodyThere", "text", 200)) << "nobody listening fails within the retry time";
}

// The quoted command line in Params, absolute file names, batch starts kept apart.
TEST(SecondStart, WritesParamsWithTheQuotedCommandLineAndAbsoluteNames)
{
    TestApp();
    ProgramDirScope programDir;
    EXPECT_FALSE(HandOverToRunningInstance({"/opt/ide", "/tmp/x y/A.java", "/tmp/B.java"}));  // nobody listens
    EXPECT_EQ(ReadParamsText(), "/opt/ide \"/tmp/x y/A.java\" /tmp/B.java");

    const std::string cwd = std::filesystem::current_path().string();
    EXPECT_EQ(WithAbsoluteFiles({"ide", "A.java", "sub/../B.java", "/abs/C.java", "-d", "-classpath", ""}),
              (std::vector<std::string>{"ide", cwd + "/A.java", cwd + "/B.java", "/abs/C.java", "-d", "-classpath",
                                        ""}));
    EXPECT_TRUE(IsBatchStart({"ide", "-t", "Hello"}));
    EXPECT_TRUE(IsBatchStart({"ide", "a.java", "-t"}));
    EXPECT_FALSE(IsBatchStart({"ide", "a.java"}));
    EXPECT_FALSE(IsBatchStart({"ide", "-classpath", "-t"}));
    EXPECT_FALSE(CmdLineTestMode);
}

TEST(ParamsFile, IsReadToItsLimitAndNeverBlocks)
{
    ProgramDirScope programDir;
    EXPECT_EQ(ReadParamsText(), "");
    ASSERT_TRUE(WriteParamsFile(std::string(2000, 'p')));
    EXPECT_EQ(ReadParamsText(), std::string(ParamsFileLimit, 'p'));
    ::unlink(ParamsFilePath().c_str());
    ASSERT_EQ(::mkfifo(ParamsFilePath().c_str(), 0600), 0);
    EXPECT_EQ(ReadParamsText(), "");
}

TEST(SecondStart, AHandOverWithoutTextOpensWhatParamsHolds)
{
    TestApp();
    ProgramDirScope programDir;
    TempDir dir;
    TempDir::WriteFile(dir.File("One.java"), "");
    TempDir::WriteFile(dir.File("T w o.java"), "");
    ASSERT_TRUE(WriteParamsFile("/opt/ide " + dir.File("One.java") + " \"" + dir.File("T w o.java") + "\""));
    TEditorForm form;
    form.SetDialogs(std::make_unique<FakeDialogs>());
    form.HandOver("");
    ASSERT_EQ(form.EditorTab->Count(), 2);
    EXPECT_EQ(form.EditorTab->TabText(0).toStdString(), "One.java");
    EXPECT_EQ(form.EditorTab->TabText(1).toStdString(), "T w o.java");
}
