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
    // Reads n bytes, waiting at most timeoutMs of module time for each.
    Bytes Read(ICommPort& port, size_t n, int32_t timeoutMs = 100) {
        Bytes out;
        uint8_t c = 0;
        while (out.size() < n && port.WaitReadable(timeoutMs) && port.ReadChar(c)) out.push_back(c);
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

TEST_F(MemoryPort, PresenceTestOverThePortInterface) {
    MemoryTransport port(module);
    clock.Advance(400);  // the power-on start-up went to a closed port
    ASSERT_TRUE(port.Connect());
    EXPECT_EQ(port.CharCount(), 0);

    port.ToggleRTS(true);
    EXPECT_TRUE(port.ReadDSR());
    port.ToggleRTS(false);
    EXPECT_FALSE(port.ReadDSR());

    port.ToggleDTR(true);
    port.ToggleDTR(false);
    int64_t pulse = clock.TickCount();
    EXPECT_EQ(Read(port, 1, 10000), Bytes{kComStartLoad});
    EXPECT_EQ(clock.TickCount() - pulse, 50) << "the wait ends when the byte comes";
    Write(port, {kComSync});
    EXPECT_EQ(Read(port, 2), (Bytes{0x0E, 0x51}));
    Write(port, {kComSync});
    EXPECT_EQ(Read(port, 1), Bytes{0x0E});
    Write(port, {kComQueryStatus});
    EXPECT_EQ(Read(port, 9), (Bytes{0x01, 0x81, 0x01, 0x00, 0x00, 0x00, 0x7D, 0x5E, 0x7E})) << "checksum 0x7E stuffed";
    EXPECT_FALSE(port.WaitReadable(100));
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
