#include "tools/jikes/EcjRun.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

extern char** environ;

std::vector<std::string> EcjCommand(const std::string& source, const std::string& ecjClassPath,
                                    const std::string& logPath) {
    return {"ecj",           "-1.3", "-g", "-preserveAllLocals", "-encoding", "Cp1252", "-bootclasspath", "",
            "-classpath",    ecjClassPath, "-log", logPath, source};
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
    std::vector<char*> argv;
    for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
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
