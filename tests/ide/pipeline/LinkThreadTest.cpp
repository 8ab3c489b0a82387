// The link worker's synchronised calls, cancel flag and WaitFor.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <vector>

#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "foundation/QueuedMessageSink.h"
#include "ide/pipeline/LinkThread.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {

// Message lines and synchronised calls, as the GUI thread saw them.
class GuiLog : public IMessageSink {
public:
    // Posted to `context`, so that nothing arrives once the log is gone.
    GuiLog() : queue(*this, [this] { QMetaObject::invokeMethod(&context, [this] { queue.Deliver(); }); })
    {
        previous = SetMessageSink(&queue);
    }
    ~GuiLog() override { SetMessageSink(previous); }
    void AddLine(std::string text, std::unique_ptr<TLinInfo>) override { events.push_back("line " + text); }

    std::vector<std::string> events;
    QObject context;
    TQueuedMessageSink queue;
    IMessageSink* previous = nullptr;
};

TEST(LinkThread, CallsRunOnTheGuiThreadInOrderWithLines)
{
    GuiLog log;
    QThread* gui = QThread::currentThread();
    bool allOnGui = true;
    LinkThread worker(
        [&](LinkThread& self) {
            for (int i = 0; i < 20; ++i) {
                MessagePrintf("line %d", i);
                self.Synchronize([&, i] {
                    allOnGui = allOnGui && QThread::currentThread() == gui && self.CallInProgress();
                    log.events.push_back("call " + std::to_string(i));
                });
            }
            MessagePrintf("last");
        },
        [&] { log.queue.Deliver(); });
    worker.Start(0, false, false);
    worker.WaitFor();
    EXPECT_TRUE(worker.isFinished());
    EXPECT_FALSE(worker.CallInProgress());
    ASSERT_EQ(log.events.size(), 41u);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(log.events[2 * i], "line line " + std::to_string(i));
        EXPECT_EQ(log.events[2 * i + 1], "call " + std::to_string(i));
    }
    EXPECT_EQ(log.events.back(), "line last");
    EXPECT_TRUE(allOnGui);
}

TEST(LinkThread, ErrorsOfACallComeBackAndCancelIsIde45)
{
    GuiLog log;
    int caught = 0;
    int cancelled = 0;
    std::atomic<bool> waiting{false};
    LinkThread worker(
        [&](LinkThread& self) {
            try {
                self.Synchronize([] { throw EError(ecIDE, 5); });
            } catch (const EError& e) {
                caught = e.Number;
            }
            waiting = true;
            for (;;) {
                try {
                    self.CheckCancel();
                } catch (const EError& e) {
                    cancelled = e.Number;
                    return;
                }
                QThread::msleep(1);
            }
        },
        [&] { log.queue.Deliver(); });
    worker.Start(1, false, false);
    EXPECT_EQ(worker.Mode(), 1);
    ASSERT_TRUE(WaitUntil([&] { return waiting.load(); }, 5s, "the worker polling its cancel flag"));
    EXPECT_FALSE(worker.Ended());
    worker.Terminate();
    worker.WaitFor();
    EXPECT_EQ(caught, 5);
    EXPECT_EQ(cancelled, 45);
}

TEST(LinkThread, AnErrorThatLeavesTheBodyIsReported)
{
    GuiLog log;
    LinkThread worker([](LinkThread&) { throw EError(ecIDE, 45); }, [&] { log.queue.Deliver(); });
    worker.Start(0, false, false);
    worker.WaitFor();
    ASSERT_EQ(log.events.size(), 1u);
    EXPECT_EQ(log.events[0], "line [ Error IDE-0045] Action terminated by user.");
}

// The job reads the settings it started with, whatever the window changes meanwhile.
TEST(LinkThread, TheJobKeepsTheSettingsItStartedWith)
{
    const tOptions saved = GlobalOptions;
    GlobalOptions.DebugPort = 3;
    std::vector<int> seen;
    LinkThread worker(
        [&](LinkThread& self) {
            seen.push_back(JobOptions().DebugPort);
            self.Synchronize([] { GlobalOptions.DebugPort = 7; });
            seen.push_back(JobOptions().DebugPort);
        },
        [] {});
    worker.Start(0, false, false);
    worker.WaitFor();
    EXPECT_EQ(seen, (std::vector<int>{3, 3}));
    EXPECT_EQ(JobOptions().DebugPort, 7);  // the GUI thread reads the settings themselves
    GlobalOptions = saved;
}

}  // namespace
