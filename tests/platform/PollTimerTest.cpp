#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <mutex>
#include <thread>

#include "platform/PollTimer.h"

namespace {

void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "test_platform";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) static QCoreApplication app(argc, argv);
}

// Runs the event loop until the condition holds or two seconds passed.
template <typename Condition>
bool ProcessUntil(Condition condition)
{
    QElapsedTimer waited;
    waited.start();
    while (!condition() && waited.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return condition();
}

class FakePort : public IPolledPort {
public:
    void Poll() override { ++polls; }
    bool PollActive() const override { return active; }
    int PollInterval() const override { return interval; }
    void SetPollListener(std::function<void()> l) override
    {
        std::lock_guard guard(mutex);
        listener = std::move(l);
    }
    void Set(bool on, int ms)
    {
        std::lock_guard guard(mutex);
        active = on;
        interval = ms;
        if (listener) listener();
    }

    std::atomic<int> polls{0};
    std::atomic<bool> active{false};
    std::atomic<int> interval{1};
    std::mutex mutex;
    std::function<void()> listener;
};

}  // namespace

TEST(PollTimer, FollowsThePortAlsoWhenSwitchedFromAnotherThread)
{
    EnsureApplication();
    FakePort port;
    {
        PollTimer timer(port);
        EXPECT_FALSE(timer.IsPolling());

        std::thread([&] { port.Set(true, 1); }).join();
        ASSERT_TRUE(ProcessUntil([&] { return port.polls > 2; }));
        EXPECT_TRUE(timer.IsPolling());

        std::thread([&] { port.Set(true, 7); }).join();
        ASSERT_TRUE(ProcessUntil([&] { return timer.Interval() == 7; }));

        std::thread([&] { port.Set(false, 7); }).join();
        ASSERT_TRUE(ProcessUntil([&] { return !timer.IsPolling(); }));
        int polls = port.polls;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_EQ(port.polls, polls);

        port.Set(true, 1);  // switched on just before the timer goes
    }
    EXPECT_FALSE(port.listener);
    QCoreApplication::processEvents();  // the queued update finds no timer
}
