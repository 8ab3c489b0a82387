#include "tests/acceptance/HangGuard.h"

#include <signal.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <cstdio>
#include <cstdlib>
#include <memory>

void DiagnosticsBoard::SetStep(const std::string& step)
{
    std::lock_guard<std::mutex> lock(mutex_);
    step_ = step;
}

void DiagnosticsBoard::SetScreen(const std::string& messages, const std::string& terminal, const std::string& events)
{
    std::lock_guard<std::mutex> lock(mutex_);
    messages_ = messages;
    terminal_ = terminal;
    events_ = events;
}

void DiagnosticsBoard::SetSimulatorPid(pid_t pid)
{
    std::lock_guard<std::mutex> lock(mutex_);
    simulatorPid_ = pid;
}

std::string DiagnosticsBoard::Step() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return step_;
}

pid_t DiagnosticsBoard::SimulatorPid() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return simulatorPid_;
}

std::string DiagnosticsBoard::Text() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return "step: " + step_ + "\n--- the main window and its message list\n" + messages_ + "--- terminal\n" + terminal_ +
           "\n--- the simulator's last events\n" + events_ + "---\n";
}

HangGuard::HangGuard(std::chrono::seconds limit, DiagnosticsBoard& board, std::function<void()> refresh)
    : board_(board), refresh_(std::move(refresh)), thread_([this, limit] { Watch(limit); })
{
}

HangGuard::~HangGuard()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        disarmed_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void HangGuard::Watch(std::chrono::seconds limit)
{
    {
        std::unique_lock<std::mutex> lock(mutex_);
        if (wake_.wait_for(lock, limit, [this] { return disarmed_; })) return;
    }
    RefreshOnGuiThread();
    std::fprintf(stderr, "\nHANG GUARD: the run took more than %lld s and is ended.\n%s",
                 static_cast<long long>(limit.count()), board_.Text().c_str());
    std::fflush(stderr);
    if (const pid_t pid = board_.SimulatorPid(); pid > 0) ::kill(pid, SIGKILL);
    std::_Exit(1);
}

// The GUI thread may be the one that hangs: the board keeps what it last saw.
void HangGuard::RefreshOnGuiThread()
{
    auto done = std::make_shared<bool>(false);
    auto* app = QCoreApplication::instance();
    if (!app || !refresh_) return;
    QMetaObject::invokeMethod(
        app,
        [this, done] {
            refresh_();
            std::lock_guard<std::mutex> lock(mutex_);
            *done = true;
            wake_.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait_for(lock, std::chrono::seconds(3), [&] { return *done; });
}
