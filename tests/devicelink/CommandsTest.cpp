#include <functional>

#include "devicelink/JVMStack.h"
#include "tests/devicelink/ModuleLinkTestSupport.h"

using orusim::ReplyFault;

namespace {

class CommandsTest : public ModuleLinkTest {
protected:
    void SetUp() override { ConnectAndReset(); }

    std::string StatusError()
    {
        return RaisedMessage([&] {
            int32_t pc, activity;
            uint8_t bytecode;
            link.QueryStatus(pc, activity, bytecode);
        });
    }
    std::string StackError()
    {
        TJVMStack stack;
        return RaisedMessage([&] { link.QueryStack(stack); });
    }
    std::string HeapError(uint16_t length)
    {
        std::vector<uint8_t> bytes(length);
        int32_t value;
        return RaisedMessage([&] { link.QueryHeap(0x100, length, value, bytes.data()); });
    }
    void FaultReply(int code, std::function<void(ReplyFault&)> change)
    {
        ReplyFault fault;
        fault.forCode = code;
        change(fault);
        sim.Faults().replies.push_back(fault);
    }
};

}  // namespace

TEST_F(CommandsTest, RunStepAndStop)
{
    sim.engine.QueueStep({orusim::ScriptItem::Text("", 300)});
    const int64_t start = clock.TickCount();
    link.Step();
    EXPECT_GE(clock.TickCount() - start, 300);  // it waited for the step to be done
    EXPECT_EQ(sim.engine.StepsTaken(), 1);

    const int jogsBefore = host.stopJogs;
    link.Run();
    EXPECT_TRUE(link.IsRunning());
    EXPECT_TRUE(sim.engine.Running());
    link.Stop();
    EXPECT_FALSE(link.IsRunning());
    EXPECT_FALSE(sim.engine.Running());
    EXPECT_EQ(host.stopJogs, jogsBefore + 2);
    EXPECT_EQ(link.EchoCount(), 0);
}

TEST_F(CommandsTest, StepAndStopWaitTwentySecondsForTheirAcknowledgement)
{
    sim.Faults().acks.push_back({0x8D, 1, true, 0});
    int64_t start = clock.TickCount();
    EXPECT_EQ(RaisedMessage([&] { link.Step(); }), "[ Error IDE-0022] Error reading from the serial port (timeout).");
    EXPECT_GT(clock.TickCount() - start, 20000);
    EXPECT_LT(clock.TickCount() - start, 20100);

    sim.Faults().acks.push_back({0x86, 1, false, 19000});
    start = clock.TickCount();
    EXPECT_EQ(RaisedMessage([&] { link.Stop(); }), "");  // the echo came at once, the answer late
    EXPECT_GE(clock.TickCount() - start, 19000);
}

TEST_F(CommandsTest, QueriesReadEachValueInItsByteOrder)
{
    sim.engine.SetProgramCounter(0x1234);
    sim.engine.SetActivity(7);
    sim.engine.SetOpcode(0x7E);  // stuffed on the wire
    int32_t pc, activity;
    uint8_t bytecode;
    link.QueryStatus(pc, activity, bytecode);
    EXPECT_EQ(pc, 0x1234);
    EXPECT_EQ(activity, 7);
    EXPECT_EQ(bytecode, 0x7E);
    sim.engine.SetProgramCounter(0xFFFF);  // the module reports 0x0000
    link.QueryStatus(pc, activity, bytecode);
    EXPECT_EQ(pc, -1);

    sim.engine.SetConfig({0x1234, 0x0090, 0x8000});
    int32_t a, b, c;
    link.QueryConfig(a, b, c);
    EXPECT_EQ(a, 0x1234);
    EXPECT_EQ(b, 0x0090);
    EXPECT_EQ(c, 0x8000);

    sim.engine.SetStack({0x00A0, 0x0098, 0x0123, {1, 2, 0x7D, 4}});
    TJVMStack stack;
    stack.SetBase(0x90);
    link.QueryStack(stack);
    EXPECT_EQ(stack.GetValue1(), 0x10);
    EXPECT_EQ(stack.GetValue2(), 0x08);
    EXPECT_EQ(stack.GetValue3(), 0x0123);
    ASSERT_EQ(stack.GetSize(), 4);
    EXPECT_EQ(stack.GetByteChecked(2), 0x7D);
    EXPECT_EQ(RaisedMessage([&] { stack.GetByteChecked(4); }), "[ Error IDE-0001] Internal IDE error (98).");
    EXPECT_EQ(RaisedMessage([&] { stack.GetByteChecked(-1); }), "[ Error IDE-0001] Internal IDE error (98).");

    sim.engine.SetHeapPointer(0x1234);
    sim.engine.SetMemory(0x2000, {9, 8, 7});
    uint8_t bytes[3] = {};
    int32_t value = 0;
    link.QueryHeap(0x2000, 3, value, bytes);
    EXPECT_EQ(value, 0x1234);
    EXPECT_EQ(Bytes(bytes, bytes + 3), (Bytes{9, 8, 7}));
    const auto queries = sim.log.OfKind(orusim::EventKind::HeapQuery);
    ASSERT_EQ(queries.size(), 1u);
    EXPECT_EQ(queries[0].values, (std::vector<int64_t>{0x2000, 3}));
}

TEST_F(CommandsTest, CorruptRepliesRaiseTheirErrors)
{
    const std::string checksum = "[ Error IDE-0009] Error communicating over the serial port (checksum failed).";
    auto corrupt = [](int code) {
        char text[100];
        std::snprintf(text, sizeof text, "[ Error IDE-0010] Error communicating over the serial port (corrupt packet $%2.2X).", code);
        return std::string(text);
    };
    FaultReply(0x81, [](ReplyFault& f) { f.badChecksum = true; });
    EXPECT_EQ(StatusError(), checksum);
    FaultReply(0x81, [](ReplyFault& f) { f.dropBytes = 1; });
    EXPECT_EQ(StatusError(), corrupt(5));  // the length received
    FaultReply(0x81, [](ReplyFault& f) { f.replaceCode = 0x82; });
    EXPECT_EQ(StatusError(), corrupt(0x82));  // the code received
    FaultReply(0x87, [](ReplyFault& f) { f.dropBytes = 2; });
    EXPECT_EQ(StackError(), corrupt(6));  // too short to hold its values
    FaultReply(0x89, [](ReplyFault& f) { f.dropBytes = 1; });
    EXPECT_EQ(HeapError(4), corrupt(7));  // one byte short
    FaultReply(0x89, [](ReplyFault& f) { f.badChecksum = true; });
    EXPECT_EQ(HeapError(4), "");  // the heap reply's checksum is not tested

    FaultReply(0x81, [](ReplyFault& f) { f.extraBytes.assign(100, 1); });
    EXPECT_EQ(StatusError(), "[ Error IDE-0011] Buffer overrun.");
    clock.Advance(100);  // the rest of the long reply goes by
    link.Port().FlushBuffers(true, false);
    // The echo is the byte the packet wait sees first; the reply behind it has
    // the byte time-out of 5000 ms.
    FaultReply(0x81, [](ReplyFault& f) { f.delayMs = 5100; });
    EXPECT_EQ(StatusError(), "[ Error IDE-0022] Error reading from the serial port (timeout).");
}

// Packet starts that keep coming (7E 41 7E 41 ...) each discard the packet
// before: the whole-packet limit runs from the first one and ends the query.
// So does a program that keeps printing behind the reply.
TEST_F(CommandsTest, AStreamOfPacketStartsEndsTheQueryAtTheWholePacketLimit)
{
    const std::string timeout = "[ Error IDE-0022] Error reading from the serial port (timeout).";
    const std::vector<std::pair<bool, std::vector<uint8_t>>> cases{
        {false, {0x7E, 0x41}}, {true, {0x7E, 0x41}}, {false, {0x7E}}, {false, {0x05, 0x03, 0x41, 0x7E}}};
    for (const auto& [running, pattern] : cases) {
        link.SetRunning(running);
        FaultReply(0x81, [&pattern = pattern](ReplyFault& f) {
            f.flood = pattern;
            f.floodMs = 20000;
        });
        const int64_t start = clock.TickCount();
        EXPECT_EQ(StatusError(), timeout);
        const int64_t limit = running ? 6000 : 2000;
        EXPECT_GE(clock.TickCount() - start, limit);
        EXPECT_LE(clock.TickCount() - start, limit + 2);
        clock.Advance(20000);
        link.Port().FlushBuffers(true, false);
        sink.Clear();
    }
}

TEST_F(CommandsTest, BreakpointListBytes)
{
    sim.log.Clear();
    link.DownloadBreakpoints(nullptr, 0, 0);
    EXPECT_EQ(sim.BytesIn(), (Bytes{kComBeginLoad, 0x0A, 0x00, 0xF6}));
    EXPECT_TRUE(sim.engine.Breakpoints().empty());

    sim.log.Clear();
    const uint32_t list[] = {0x10234, 0x7E01};
    GlobalOptions.debugComLevel = 1;
    link.DownloadBreakpoints(list, 2, 0x0300);
    const Bytes payload{0x0A, 3, 0x34, 0x02, 0x01, 0x7E, 0x00, 0x03};
    const uint8_t sum = TSXComm::Checksum(payload.data(), int32_t(payload.size()));
    EXPECT_EQ(sim.BytesIn(), (Bytes{kComBeginLoad, 0x0A, 3, 0x34, 0x02, 0x01, 0x7D, 0x5E, 0x00, 0x03, sum}));
    EXPECT_EQ(sim.engine.Breakpoints(), (std::vector<uint16_t>{0x0234, 0x7E01, 0x0300}));
    EXPECT_EQ(sink.lines.front(), "[Debug] TSXComm::DownloadBreakpoints(2)");
}

TEST_F(CommandsTest, DownloadSendsSixteenByteBlocksWithProgress)
{
    host.worker = true;
    struct Case {
        int32_t size;
        std::vector<int32_t> progress;
    };
    std::vector<int32_t> every(25), fifth;
    for (int32_t i = 0; i < 25; ++i) every[size_t(i)] = i;
    for (int32_t i = 0; i < 100; i += 5) fifth.push_back(i);
    for (const Case& c : {Case{20, {0, 1}}, Case{400, every}, Case{1600, fifth}}) {
        host.progress.clear();
        sim.log.Clear();
        std::vector<uint8_t> image(size_t(c.size));
        for (size_t i = 0; i < image.size(); ++i) image[i] = uint8_t(i * 7 + 1);
        link.DownloadOruFile(image.data(), c.size, c.size != 20);
        EXPECT_EQ(image[0], c.size != 20 ? 0x1D : 0xA4);
        const int32_t blocks = (c.size + 15) / 16;
        EXPECT_EQ(host.progressMax, blocks);
        EXPECT_EQ(host.progress, c.progress) << c.size;
        std::vector<uint8_t> expected = image;
        expected.resize(size_t(blocks) * 16, 0);
        EXPECT_EQ(sim.module.Image(), expected);
        const auto stored = sim.log.OfKind(orusim::EventKind::Download);
        ASSERT_EQ(int32_t(stored.size()), blocks);
        EXPECT_EQ(stored[0].values[1], 1);
        EXPECT_EQ(stored[1].values[1], 0);
    }
}

TEST_F(CommandsTest, DownloadStopsOnCancelAndOnAMissingAcknowledgement)
{
    host.worker = true;
    host.cancelAt = host.checks + 30;
    std::vector<uint8_t> image(1600, 0x11);
    sim.log.Clear();
    EXPECT_EQ(RaisedMessage([&] { link.DownloadOruFile(image.data(), 1600, true); }),
              "[ Error IDE-0045] Action terminated by user.");
    const size_t sent = sim.log.Count(orusim::EventKind::Download);
    EXPECT_GT(sent, 0u);
    EXPECT_LT(sent, 100u);

    host.worker = false;
    sim.Faults().acks.push_back({0x8B, 1, true, 0});
    const int64_t start = clock.TickCount();
    EXPECT_EQ(RaisedMessage([&] { link.DownloadOruFile(image.data(), 1600, true); }),
              "[ Error IDE-0022] Error reading from the serial port (timeout).");
    // The block's echo came at once; the acknowledgement behind it has the
    // byte time-out of 5000 ms.
    EXPECT_GT(clock.TickCount() - start, 5000);
    EXPECT_LT(clock.TickCount() - start, 5100);
}
