#include "ide/pipeline/RunProgram.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "foundation/EError.h"

extern char** environ;

namespace {

constexpr int kReadSliceMs = 50;

// A pipe whose ends are closed on destruction.
struct TPipe {
    int Read = -1, Write = -1;
    TPipe()
    {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0) throw EError(ecIDE, 33, "Could not create process");
        Read = ends[0];
        Write = ends[1];
    }
    ~TPipe()
    {
        CloseRead();
        CloseWrite();
    }
    void CloseRead()
    {
        if (Read >= 0) ::close(Read);
        Read = -1;
    }
    void CloseWrite()
    {
        if (Write >= 0) ::close(Write);
        Write = -1;
    }
};

// Starts the program as the leader of a new process group; its pid.
pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments, const std::string& workingDir,
            TPipe& out, TPipe& err)
{
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out.Write, 1);
    posix_spawn_file_actions_adddup2(&actions, err.Write, 2);
    if (!workingDir.empty()) posix_spawn_file_actions_addchdir_np(&actions, workingDir.c_str());
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // The child starts with SIGPIPE at its default and no signal blocked.
    sigset_t defaults, none;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    out.CloseWrite();
    err.CloseWrite();
    if (failed) throw EError(ecIDE, 33, "Could not create process");
    return pid;
}

// True once the child has ended. It is left a zombie, so that its pid, which
// names its group, is not taken by another process before the group is killed.
bool Ended(pid_t pid)
{
    siginfo_t info{};
    const int got = ::waitid(P_PID, pid, &info, WEXITED | WNOHANG | WNOWAIT);
    return (got == 0 && info.si_pid == pid) || (got < 0 && errno == ECHILD);
}

// Kills what is left of the child's group and reaps the child.
TProgramEnd EndGroup(pid_t pid)
{
    ::kill(-pid, SIGKILL);
    int status = 0;
    pid_t reaped;
    while ((reaped = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
    }
    TProgramEnd end;
    if (reaped == pid && WIFEXITED(status)) end = {TProgramEnd::TKind::Exited, WEXITSTATUS(status)};
    if (reaped == pid && WIFSIGNALED(status)) end = {TProgramEnd::TKind::Signalled, WTERMSIG(status)};
    return end;
}

// Appends what the pipe holds now, up to `limit` bytes in all; the rest is
// read and dropped so that the child never blocks on a full pipe. False at
// the pipe's end; errno set when reading failed.
bool Take(TPipe& pipe, std::string& kept, size_t limit)
{
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(pipe.Read, buffer, sizeof buffer);
        if (got > 0) {
            if (kept.size() < limit) kept.append(buffer, std::min<size_t>(size_t(got), limit - kept.size()));
            continue;
        }
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && errno == EAGAIN) return true;
        if (got == 0) errno = 0;
        pipe.CloseRead();
        return false;
    }
}

}  // namespace

// Started through the system's calls: the words reach the child as bytes,
// also a file name that is not UTF-8.
TProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingDir, std::chrono::milliseconds timeLimit)
{
    TPipe out, err;
    ::fcntl(out.Read, F_SETFL, O_NONBLOCK);
    ::fcntl(err.Read, F_SETFL, O_NONBLOCK);
    const pid_t pid = Spawn(program, arguments, workingDir, out, err);

    TProgramRun run;
    std::string errText;
    const auto deadline = std::chrono::steady_clock::now() + timeLimit;
    for (;;) {
        for (auto [pipe, text] : {std::pair{&out, &run.Output}, std::pair{&err, &errText}}) {
            if (pipe->Read < 0 || Take(*pipe, *text, ProgramOutputLimit) || errno == 0) continue;
            const int error = errno;
            EndGroup(pid);
            throw EError(ecIDE, 34, error);
        }
        if (Ended(pid)) break;
        if (std::chrono::steady_clock::now() >= deadline) {
            EndGroup(pid);
            throw EError(ecIDE, 33, "Timeout");
        }
        pollfd ends[2] = {{out.Read, POLLIN, 0}, {err.Read, POLLIN, 0}};
        ::poll(ends, 2, kReadSliceMs);
    }
    // A helper the child left behind goes with it; what it wrote before is
    // read, a pipe it kept open is not waited for.
    run.End = EndGroup(pid);
    if (out.Read >= 0) Take(out, run.Output, ProgramOutputLimit);
    if (err.Read >= 0) Take(err, errText, ProgramOutputLimit);
    run.Output.append(errText, 0, ProgramOutputLimit - run.Output.size());
    return run;
}

std::string DescribeEnd(const TProgramEnd& end)
{
    switch (end.Kind) {
    case TProgramEnd::TKind::Exited:
        return "Exit status " + std::to_string(end.Code);
    case TProgramEnd::TKind::Signalled:
        return "Signal " + std::to_string(end.Code) + " (" + ::strsignal(end.Code) + ")";
    case TProgramEnd::TKind::Unknown:
        break;
    }
    return "End not known";
}
