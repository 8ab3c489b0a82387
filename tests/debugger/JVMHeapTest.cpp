// The heap cache against the simulated module's memory, counted by the
// module's own log of heap queries.
#include <gtest/gtest.h>

#include "debugger/JVMHeap.h"
#include "foundation/EError.h"
#include "tests/debugger/SessionFixture.h"

namespace {

class HeapCache : public ::testing::Test {
protected:
    void SetUp() override
    {
        rig.StartProgram(SteppingProgram(), "Stepping");
        rig.RunTo(10);
        heap.SetSession(rig.session.JVM());
    }
    std::vector<std::vector<int64_t>> Queries() const
    {
        std::vector<std::vector<int64_t>> queries;
        for (const orusim::Event& event : rig.log.OfKind(orusim::EventKind::HeapQuery)) queries.push_back(event.values);
        return queries;
    }
    std::vector<int64_t> LastQuery() const { return Queries().back(); }

    SessionRig rig;
    TJVMHeap heap;
};

TEST_F(HeapCache, ASessionStartsWithOneByteAndTheHeapPointer)
{
    ASSERT_EQ(heap.BlockCount(), 1);
    EXPECT_EQ(heap.BlockAddress(0), 0);
    EXPECT_EQ(heap.BlockLength(0), 1);
    const size_t queries = Queries().size();
    EXPECT_EQ(heap.HeapUsed(), TJVMHeap::HeapTop - int32_t(rig.engine.HeapPointer()));
    EXPECT_GT(heap.HeapUsed(), 0) << "the counter object is on the heap";
    EXPECT_EQ(Queries().size(), queries);

    // The object's first word, its class record, high byte first.
    const int32_t object = heap.HeapPointer();
    EXPECT_EQ(heap.ReadWord(object), rig.engine.ReadMemory(uint16_t(object)) << 8 | rig.engine.ReadMemory(uint16_t(object + 1)));
    EXPECT_NE(heap.ReadWord(object), 0);
}

TEST_F(HeapCache, AMissFetchesTwentyBytesAroundTheByteInsideTheAddressSpace)
{
    heap.ReadByte(1000);
    EXPECT_EQ(LastQuery(), (std::vector<int64_t>{995, 20}));
    const size_t queries = Queries().size();
    for (int32_t address = 1001; address <= 1014; ++address) heap.ReadByte(address);
    EXPECT_EQ(Queries().size(), queries);
    heap.ReadByte(1015);
    EXPECT_EQ(LastQuery(), (std::vector<int64_t>{1010, 20}));
    EXPECT_EQ(heap.BlockCount(), 3);

    // The window stays inside the address space.
    heap.ReadByte(2);
    EXPECT_EQ(LastQuery(), (std::vector<int64_t>{0, 20}));
    heap.ReadByte(65535);
    EXPECT_EQ(LastQuery(), (std::vector<int64_t>{65516, 20}));
    EXPECT_EQ(heap.ReadByte(65535), rig.engine.ReadMemory(65535));
    const size_t before = Queries().size();
    for (int32_t address : {-1, 65536}) {
        try {
            heap.ReadByte(address);
            ADD_FAILURE() << address;
        } catch (const EError& error) {
            EXPECT_EQ(error.Number, 1);
        }
    }
    EXPECT_EQ(Queries().size(), before);
}

TEST_F(HeapCache, WhenFullTheNewestBlockIsReplaced)
{
    for (int32_t i = 1; i < TJVMHeap::BlockCapacity; ++i) heap.ReadByte(100 * i);
    ASSERT_EQ(heap.BlockCount(), TJVMHeap::BlockCapacity);
    std::vector<int32_t> before;
    for (int32_t i = 0; i < TJVMHeap::BlockCapacity; ++i) before.push_back(heap.BlockAddress(i));

    heap.ReadByte(20000);
    ASSERT_EQ(heap.BlockCount(), TJVMHeap::BlockCapacity);
    for (int32_t i = 0; i + 1 < TJVMHeap::BlockCapacity; ++i) EXPECT_EQ(heap.BlockAddress(i), before[size_t(i)]);
    EXPECT_EQ(heap.BlockAddress(TJVMHeap::BlockCapacity - 1), 19995);
    const size_t queries = Queries().size();
    heap.ReadByte(100 * (TJVMHeap::BlockCapacity - 1));
    EXPECT_EQ(Queries().size(), queries + 1) << "the replaced block is gone";
}

TEST_F(HeapCache, AFailedQueryCountsNoBlock)
{
    rig.module.GetFaults().replies.push_back({.forCode = 0x89, .dropBytes = 3});
    EXPECT_THROW(heap.ReadByte(3000), EError);
    EXPECT_EQ(heap.BlockCount(), 1);
    EXPECT_EQ(heap.ReadByte(3000), rig.engine.ReadMemory(3000));
    EXPECT_EQ(heap.BlockCount(), 2);

    heap.SetSession(nullptr);
    EXPECT_EQ(heap.BlockCount(), 0);
    EXPECT_THROW(heap.ReadByte(3000), EError);
}

}  // namespace
