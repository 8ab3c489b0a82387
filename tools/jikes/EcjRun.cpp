#include "tools/jikes/EcjRun.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <thread>

extern char** environ;

std::vector<std::string> EcjCommand(const std::string& source, const std::string& ecjClassPath,
                                    const std::string& logPath) {
    return {"ecj",           "-1.3", "-g", "-preserveAllLocals", "-encoding", "Cp1252", "-bootclasspath", "",
            "-classpath",    ecjClassPath, "-log", logPath, source};
}

// ecj, a Java program, takes file names in the character set of its locale:
// with none set (or a single-byte one) a UTF-8 path reaches it garbled. It
// runs with the caller's environment under a UTF-8 locale.
static std::vector<std::string> EcjEnvironment() {
    std::vector<std::string> env;
    for (char** entry = environ; *entry; ++entry)
        if (std::strncmp(*entry, "LC_ALL=", 7) != 0) env.emplace_back(*entry);
    env.emplace_back("LC_ALL=C.UTF-8");
    return env;
}

static std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

static std::string FirstNonEmptyLine(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (!line.empty()) return line;
    }
    return {};
}

TEcjRun RunEcj(const std::vector<std::string>& command, const std::string& outputPath, int timeoutSeconds) {
    TEcjRun run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    std::vector<std::string> args = command, env = EcjEnvironment();
    std::vector<char*> argv = Pointers(args), envp = Pointers(env);
    pid_t pid = 0;
    int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) return run;
    run.Started = true;

    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    int status = 0;
    for (;;) {
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0) return run;
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            run.TimedOut = true;
            return run;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    run.Finished = WIFEXITED(status);
    if (run.Finished) run.ExitCode = WEXITSTATUS(status);
    run.FirstOutputLine = FirstNonEmptyLine(outputPath);
    return run;
}
