// What module messages do while a command waits for its acknowledgement.
#include "tests/devicelink/MessageTestSupport.h"

namespace {

// A status reply packet: pc + 1 low byte first, activity, opcode, checksum.
Bytes StatusReply(uint16_t pc)
{
    const uint16_t reported = uint16_t(pc + 1);
    Bytes payload{0x81, uint8_t(reported), uint8_t(reported >> 8), 1, 0x23};
    payload.push_back(TSXComm::Checksum(payload.data(), int32_t(payload.size())));
    payload.push_back(kPacketFlag);
    return payload;
}

class ExchangeTest : public LinkTest {};

}  // namespace

TEST_F(ExchangeTest, ARefreshAskedForDuringAnExchangeRunsAfterIt)
{
    CORULinker empty;
    TLinkerImage image(empty);
    host.debugging = true;
    host.image = &image;
    link.SetRunning(true);
    port.onSend = [&](uint8_t byte) {
        if (byte == kComBeginLoad) port.Arrive(1, {kComBeginLoad | kAckBit});
        if (byte == 0xF6) {  // the end of the breakpoint list
            port.Arrive(5, Framed(2));
            port.Arrive(5, Framed(1, {0}));
            port.Arrive(10, {kComBreakpoints | kAckBit});
        }
        if (byte == kComQueryStatus) port.Arrive(1, StatusReply(4));
    };
    bool runningAtRefresh = true;
    Bytes sentAtRefresh;
    int32_t pc = 0, activity = 0;
    uint8_t bytecode = 0;
    host.onUpdate = [&] {
        runningAtRefresh = link.IsRunning();
        sentAtRefresh = port.sent;
        link.QueryStatus(pc, activity, bytecode);
    };

    EXPECT_NO_THROW(link.DownloadBreakpoints(nullptr, 0, 0));
    // The stop took effect at once; both refreshes and the report followed
    // the acknowledgement, in the order the messages came.
    EXPECT_FALSE(runningAtRefresh);
    EXPECT_EQ(host.updates, 2);
    EXPECT_EQ(sentAtRefresh, (Bytes{kComBeginLoad, 0x0A, 0x00, 0xF6, kComQueryStatus}));
    EXPECT_EQ(pc, 4);
    EXPECT_EQ(port.sent, (Bytes{kComBeginLoad, 0x0A, 0x00, 0xF6, kComQueryStatus, kComQueryStatus}));
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"[ Error IDE-0024] Unknown bytecode in the ORU file (nop)."}));
    EXPECT_EQ(link.EchoCount(), 0);
}
