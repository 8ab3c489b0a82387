#include <gtest/gtest.h>

#include "tools/orusim/WakeTimeout.h"

using namespace orusim;

namespace {
constexpr int kIdle = 200;
}  // namespace

TEST(WakeTimeout, AModuleWithWorkDueIsServedAtOnce) {
    EXPECT_EQ(WakeTimeoutMs(1000, 1000, nullptr, kIdle), 0) << "a running machine between two slices";
    EXPECT_EQ(WakeTimeoutMs(1000, 990, nullptr, kIdle), 0) << "work overdue";
    EXPECT_EQ(WakeTimeoutMs(1000, 1007, nullptr, kIdle), 7);
    EXPECT_EQ(WakeTimeoutMs(1000, 5000, nullptr, kIdle), kIdle);
    EXPECT_EQ(WakeTimeoutMs(1000, -1, nullptr, kIdle), kIdle) << "nothing to do";
}

TEST(WakeTimeout, OnAPacedLineDueOutputWaitsForTheLine) {
    LinePacer pacer;
    const int64_t nowUs = 1000 * 1000;
    pacer.Sent(10, pacer.Allowance(nowUs), nowUs);  // ten bytes keep the line busy for 3.47 ms
    EXPECT_EQ(WakeTimeoutMs(1000, 1000, &pacer, kIdle), 4);

    LinePacer idle;
    EXPECT_EQ(WakeTimeoutMs(1000, 1000, &idle, kIdle), 0) << "a free line holds nothing back";
}
