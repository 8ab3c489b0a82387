#pragma once
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <thread>

// What the hang guard prints when it ends a run: the step, the message list,
// the terminal and the simulator's last events. The test thread keeps it
// current; the guard's thread reads it.
class DiagnosticsBoard {
public:
    void SetStep(const std::string& step);
    void SetScreen(const std::string& messages, const std::string& terminal, const std::string& events);
    void SetSimulatorPid(pid_t pid);
    std::string Step() const;
    pid_t SimulatorPid() const;
    // Step, message list, terminal and events as printed.
    std::string Text() const;

private:
    mutable std::mutex mutex_;
    std::string step_;
    std::string messages_;
    std::string terminal_;
    std::string events_;
    pid_t simulatorPid_ = 0;
};

// A watchdog thread: unless disarmed (by going) within `limit`, it asks the
// GUI thread to refresh the board (`refresh`, given a few seconds), prints
// the board on standard error, kills the simulator by its pid and ends the
// process with status 1.
class HangGuard {
public:
    HangGuard(std::chrono::seconds limit, DiagnosticsBoard& board, std::function<void()> refresh);
    ~HangGuard();
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

private:
    void Watch(std::chrono::seconds limit);
    void RefreshOnGuiThread();

    DiagnosticsBoard& board_;
    std::function<void()> refresh_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool disarmed_ = false;
    std::thread thread_;
};
