#include "ide/pipeline/TestLog.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "foundation/EError.h"
#include "platform/FileIO.h"

FILE* TestLogFile = nullptr;

namespace {

// The log's file, and the first write error it met: a full disk or a size
// limit must not go unnoticed once the stream has dropped the line.
struct TestLogTarget {
    int fd = -1;
    int error = 0;
};
TestLogTarget* testLogTarget = nullptr;

ssize_t WriteTestLog(void* cookie, const char* data, size_t size)
{
    auto* target = static_cast<TestLogTarget*>(cookie);
    int error = 0;
    const size_t done = WriteAllBytes(target->fd, data, size, error);
    if (done == size) return static_cast<ssize_t>(done);
    if (!target->error) target->error = error;
    return done ? static_cast<ssize_t>(done) : -1;
}

int CloseTestLogTarget(void* cookie)
{
    auto* target = static_cast<TestLogTarget*>(cookie);
    int result = ::close(target->fd);
    if (testLogTarget == target) testLogTarget = nullptr;
    delete target;
    return result;
}

FILE* OpenTestLog()
{
    int fd = ::open(TestLogName, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    auto* target = new TestLogTarget{fd};
    FILE* file = fopencookie(target, "w", {nullptr, WriteTestLog, nullptr, CloseTestLogTarget});
    if (!file) {
        ::close(fd);
        delete target;
        return nullptr;
    }
    testLogTarget = target;
    return file;
}

}  // namespace

void StartTestLog()
{
    CloseTestLog();
    TestLogFile = OpenTestLog();
    if (!TestLogFile) throw EError(ecIDE, 2, TestLogName);
}

int TestLogWriteError()
{
    if (!TestLogFile) return 0;
    bool failed = std::fflush(TestLogFile) != 0 || std::ferror(TestLogFile);
    if (testLogTarget && testLogTarget->error) return testLogTarget->error;
    return failed ? EIO : 0;
}

void CloseTestLog()
{
    if (!TestLogFile) return;
    std::fclose(TestLogFile);
    TestLogFile = nullptr;
}
