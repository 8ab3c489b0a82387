#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "foundation/Messages.h"
#include "foundation/QueuedMessageSink.h"
#include "tests/support/CaptureSink.h"

TEST(QueuedMessageSink, LinesFromAWorkerArriveOnTheOwnerInOrder) {
    CaptureSink target;
    std::atomic<int> posts{0};
    TQueuedMessageSink queued(target, [&] { ++posts; });
    IMessageSink* previous = SetMessageSink(&queued);

    std::thread worker([] {
        for (int i = 0; i < 200; ++i) MessagePrintf("worker %d", i);
        DebugPrintf("done");
    });
    worker.join();
    EXPECT_TRUE(target.lines.empty());  // nothing reaches the target off its thread
    EXPECT_EQ(posts.load(), 1);

    MessagePrintf("owner");  // delivers the waiting lines first
    ASSERT_EQ(target.lines.size(), 202u);
    EXPECT_EQ(target.lines[0], "worker 0");
    EXPECT_EQ(target.lines[199], "worker 199");
    EXPECT_EQ(target.lines[200], "[Debug] done");
    EXPECT_EQ(target.lines[201], "owner");

    std::thread([] { MessagePrintfObject(std::make_unique<TLinInfo>(4u, 45), "%s", "late"); }).join();
    EXPECT_EQ(posts.load(), 2);
    queued.Deliver();
    ASSERT_EQ(target.lines.size(), 203u);
    ASSERT_TRUE(target.infos[202]);
    EXPECT_EQ(target.infos[202]->Number, 45);
    SetMessageSink(previous);
}
