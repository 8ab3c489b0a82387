#include "tests/orusim/ModuleFixture.h"

using namespace orusim;

namespace {
class QueryReply : public ModuleFixture {
protected:
    void SetUp() override { BootWithSync(); }
};
}  // namespace

TEST_F(QueryReply, StatusReportsTheCounterOnePastTheInstruction) {
    engine.SetProgramCounter(0x7D7C);  // reported as 0x7D7D: both bytes stuffed
    engine.SetActivity(kActivityStopped);
    engine.SetMemory(0x7D7C, {0x7E});
    Bytes wire = Exchange({kComQueryStatus});
    EXPECT_EQ(wire, Concat({{0x01}, Reply({0x81, 0x7D, 0x7D, kActivityStopped, 0x7E})}));
    EXPECT_EQ(Bytes(wire.begin() + 1, wire.begin() + 4), (Bytes{0x81, 0x7D, 0x5D}));
}

TEST_F(QueryReply, ConfigurationValuesGoLowByteFirst) {
    EXPECT_EQ(Exchange({kComQueryConfig}), Concat({{0x08}, Reply({0x88, 0x00, 0x90, 0x00, 0x00, 0x00, 0x80})}));
    engine.SetConfig(ModuleConfig{0x1234, 0x0010, 0x0203});
    EXPECT_EQ(Exchange({kComQueryConfig}), Concat({{0x08}, Reply({0x88, 0x34, 0x12, 0x10, 0x00, 0x03, 0x02})}));
}

TEST_F(QueryReply, StackReplyCarriesTheThreeValuesAndTheBytes) {
    engine.SetStack(StackSnapshot{0x0040, 0x0030, 0x0123, {0x00, 0x7E, 0xFF, 0xFF}});
    EXPECT_EQ(Exchange({kComQueryStack}),
              Concat({{0x07}, Reply({0x87, 0x40, 0x00, 0x30, 0x00, 0x23, 0x01, 0x00, 0x7E, 0xFF, 0xFF})}));
}

TEST_F(QueryReply, StackReplyIsCutToWhatThePcCanHoldAndToArriveInTimeAtTheLineRate) {
    engine.SetStack(StackSnapshot{0, 0, 0, Bytes(5000, 0x11)});
    EXPECT_EQ(Exchange({kComQueryStack}).size(), 1u + 4023u + 1u);

    engine.SetStack(StackSnapshot{0, 0, 0, Bytes(5000, 0x7E)});
    Bytes wire = Exchange({kComQueryStack});
    EXPECT_LE(wire.size() - 1, 4320u) << "1.5 s at 2880 bytes/s";
    EXPECT_EQ(wire.back(), kPacketFlag);
    EXPECT_GE(wire.size() - 1, 4316u) << "no more cut than needed";
}

TEST_F(QueryReply, HeapReplyGivesThePointerHighByteFirstAndTheMemoryWrappingAtTheTop) {
    engine.SetHeapPointer(0x7F00);
    engine.SetMemory(995, {1, 2, 0x7D, 4});
    Bytes query = Stuff({kComQueryHeap, 0x03, 0xE3, 0x00, 0x04});
    EXPECT_EQ(Exchange(query), Concat({query, Reply({0x89, 0x7F, 0x00, 1, 2, 0x7D, 4})}));
    std::vector<Event> heap = log.OfKind(EventKind::HeapQuery);
    ASSERT_EQ(heap.size(), 1u);
    EXPECT_EQ(heap[0].values, (std::vector<int64_t>{995, 4}));

    engine.SetHeapPointer(0x8000);
    engine.SetMemory(0xFFFF, {0xAB, 0xCD});
    query = Stuff({kComQueryHeap, 0xFF, 0xFF, 0x00, 0x02});
    EXPECT_EQ(Exchange(query), Concat({query, Reply({0x89, 0x80, 0x00, 0xAB, 0xCD})})) << "addresses wrap";
}

TEST_F(QueryReply, BreakpointListsAreStoredAndAcknowledged) {
    EXPECT_EQ(Exchange({kComBeginLoad}), (Bytes{0x0C, 0x8C}));
    EXPECT_EQ(Exchange({0x0A, 0x00, 0xF6}), (Bytes{0x0A, 0x00, 0xF6, 0x8A}));
    EXPECT_TRUE(engine.Breakpoints().empty());

    Bytes list{kComBreakpoints, 2, 0x7E, 0x00, 0x34, 0x12};
    list.push_back(Checksum(list));
    Bytes wire = Stuff(list);
    EXPECT_EQ(Exchange(wire), Concat({wire, {0x8A}}));
    EXPECT_EQ(engine.Breakpoints(), (std::vector<uint16_t>{0x007E, 0x1234}));
    EXPECT_EQ(log.OfKind(EventKind::Breakpoints).back().values, (std::vector<int64_t>{0x7E, 0x1234}));

    Bytes bad{kComBreakpoints, 1, 0x10, 0x00, 0x00};
    EXPECT_EQ(Exchange(bad), bad) << "a bad checksum gets no acknowledgement";
    EXPECT_EQ(engine.Breakpoints().size(), 2u);
}

TEST_F(QueryReply, StrayBytesAreEchoedAndIgnored) {
    Bytes stray{0x00, 0x7E, 0x42, 0x13, 0xFF};
    EXPECT_EQ(Exchange(stray), stray);
    EXPECT_EQ(log.Count(EventKind::Stray), 4u);
    EXPECT_EQ(log.OfKind(EventKind::InputAnswer).back().name, "unsolicited");
    EXPECT_EQ(Exchange({kComQueryConfig}).size(), 1u + 9u);
}

TEST_F(QueryReply, AnUnfinishedPacketIsDroppedAfterASecondOfSilence) {
    Exchange({kComQueryHeap, 0x00});
    Collect(1000);
    ASSERT_EQ(log.Count(EventKind::Rejected), 1u);
    EXPECT_EQ(log.OfKind(EventKind::Rejected)[0].name, "timed out");
    EXPECT_EQ(Exchange({kComQueryConfig}).size(), 1u + 9u);
}
