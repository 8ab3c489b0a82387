#include <gtest/gtest.h>

#include "devicelink/Clock.h"
#include "tools/orusim/MemoryTransport.h"
#include "tools/orusim/ScriptedEngine.h"
#include "tools/orusim/Wire.h"

using namespace orusim;
using Bytes = std::vector<uint8_t>;

namespace {
class MemoryPort : public ::testing::Test {
protected:
    // Reads n bytes, waiting at most 100 ms of module time for each.
    Bytes Read(ICommPort& port, size_t n) {
        Bytes out;
        uint8_t c = 0;
        while (out.size() < n && port.WaitReadable(100) && port.ReadChar(c)) out.push_back(c);
        return out;
    }

    void Write(ICommPort& port, const Bytes& bytes) {
        ASSERT_EQ(port.SendData(bytes.data(), static_cast<int32_t>(bytes.size())), static_cast<int32_t>(bytes.size()));
    }

    VirtualClock clock{0};
    ScriptedEngine engine;
    EventLog log;
    ProtocolEngine module{clock, engine, log};
};
}  // namespace

TEST_F(MemoryPort, ClosedPortGivesNeutralResults) {
    MemoryTransport port(module);
    uint8_t c = 0x55;
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(port.SendData(&c, 1), 0);
    EXPECT_FALSE(port.ReadChar(c));
    EXPECT_EQ(c, 0x55);
    EXPECT_EQ(port.CharCount(), -1);
    EXPECT_FALSE(port.ReadDSR());
    EXPECT_FALSE(port.WaitReadable(1000));
    EXPECT_EQ(clock.TickCount(), 0) << "a closed port does not wait";
    port.SetComPort(4);
    EXPECT_EQ(port.ComPort(), 4);
}

TEST_F(MemoryPort, OutputIsLostWhileThePortIsClosed) {
    MemoryTransport port(module);
    port.Connect();
    clock.Advance(400);
    port.Disconnect();
    module.SendText("lost");
    clock.Advance(10);
    port.Connect();
    EXPECT_EQ(port.CharCount(), 0);
    module.SendText("kept");
    EXPECT_EQ(Read(port, 7), FrameMessage(kMsgText, {'k', 'e', 'p', 't'}));
}

TEST_F(MemoryPort, PacedOutputRunsAtTheLineRate) {
    MemoryTransport port(module, true);
    port.Connect();
    clock.Advance(400);
    engine.SetStack(StackSnapshot{0, 0, 0, Bytes(2872, 0x11)});  // 2880-byte reply
    int64_t start = clock.TickCount();
    Write(port, {kComQueryStack});
    Bytes reply = Read(port, 2882);
    ASSERT_EQ(reply.size(), 2882u);
    int64_t took = clock.TickCount() - start;
    EXPECT_GE(took, 995);
    EXPECT_LE(took, 1005);
}

TEST_F(MemoryPort, FlushDropsWhatWaits) {
    MemoryTransport port(module);
    port.Connect();
    clock.Advance(400);
    module.SendText("x");
    ASSERT_TRUE(port.WaitReadable(10));
    port.FlushBuffers(true, true);
    EXPECT_EQ(port.CharCount(), 0);
}
