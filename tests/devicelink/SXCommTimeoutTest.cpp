#include "devicelink/LinkCodes.h"
#include "tests/devicelink/LinkTestSupport.h"

namespace {

// Each wait at its limit: a byte at the limit passes, one a millisecond
// later raises IDE-22 at the first moment past the limit.
class TimeoutTest : public LinkTest {
protected:
    TimeoutTest() { port.echo = false; }

    int ReceivePacketRaises(std::initializer_list<std::pair<int64_t, Bytes>> script)
    {
        for (const auto& [delay, bytes] : script) port.Arrive(delay, bytes);
        uint8_t buffer[16];
        int32_t length = sizeof buffer;
        int number = RaisedNumber([&] { link.ReceivePacket(buffer, length); });
        port.FlushBuffers(true, false);
        return number;
    }
    int64_t Elapsed(int64_t since) { return clock.TickCount() - since; }
};

}  // namespace

TEST_F(TimeoutTest, ReceiveByteWaitsItsTimeOut)
{
    port.Arrive(700, {1});
    EXPECT_EQ(link.ReceiveByte(700), 1);

    int64_t start = clock.TickCount();
    port.Arrive(701, {2});
    EXPECT_EQ(RaisedNumber([&] { link.ReceiveByte(700); }), 22);
    EXPECT_EQ(Elapsed(start), 701);
}

TEST_F(TimeoutTest, EchoesShareOneStartAndTheAnswerHasItsOwn)
{
    port.echo = false;
    link.SetEchoCount(2);
    port.Arrive(300, {0xE1});
    port.Arrive(500, {0xE2});  // both echoes within 500 of the start
    port.Arrive(1000, {0x42});  // the answer 500 after the last echo
    EXPECT_EQ(link.ReceiveByte(500), 0x42);

    link.SetEchoCount(2);
    port.Arrive(300, {0xE1});
    port.Arrive(501, {0xE2});
    EXPECT_EQ(RaisedNumber([&] { link.ReceiveByte(500); }), 22);
    EXPECT_EQ(link.EchoCount(), 1);  // a time-out leaves the count as it stands
}

// A reply packet's bytes each within 1000 ms and the whole within 2000 ms;
// while the program runs 5000 and 6000.
TEST_F(TimeoutTest, ReplyPacketLimits)
{
    for (const bool running : {false, true}) {
        SCOPED_TRACE(running ? "running" : "stopped");
        link.SetRunning(running);
        const int64_t perByte = running ? 5000 : 1000, whole = running ? 6000 : 2000;
        EXPECT_EQ(ReceivePacketRaises({{perByte, {0x81}}, {whole, {0x7E}}}), 0);
        EXPECT_EQ(ReceivePacketRaises({{perByte + 1, {0x81, 0x7E}}}), 22);
        EXPECT_EQ(ReceivePacketRaises({{whole - 1100, {0x81}}, {whole - 200, {0x01}}, {whole + 1, {0x7E}}}), 22);
    }
}

TEST_F(TimeoutTest, AReplyAfterItsEchoMayTakeTheByteTimeOut)
{
    port.echo = true;
    link.SendCommand(kComQueryStatus);
    EXPECT_EQ(ReceivePacketRaises({{5000, {0x81, 0x7E}}}), 0);
    link.SendCommand(kComQueryStatus);
    EXPECT_EQ(ReceivePacketRaises({{5001, {0x81, 0x7E}}}), 22);
}

TEST_F(TimeoutTest, SimpleCommandAcknowledgement)
{
    port.echo = true;
    port.Arrive(5000, {kComRun | kAckBit});
    link.SendSimpleCommand(kComRun);
    EXPECT_EQ(link.EchoCount(), 0);

    port.Arrive(5001, {kComRun | kAckBit});
    EXPECT_EQ(RaisedNumber([&] { link.SendSimpleCommand(kComRun); }), 22);
}

TEST_F(TimeoutTest, OtherBytesDoNotRestartTheAcknowledgementClock)
{
    port.Arrive(15000, {0x42});
    port.Arrive(20000, {kComStop | kAckBit});
    link.WaitForAck(kComStop, 20000);

    int64_t start = clock.TickCount();
    port.Arrive(15000, {0x42});
    port.Arrive(20001, {kComStop | kAckBit});
    EXPECT_EQ(RaisedNumber([&] { link.WaitForAck(kComStop, 20000); }), 22);
    EXPECT_EQ(Elapsed(start), 20001);

    // Bytes read past the limit end the wait even when more are waiting:
    // the answer to an input request has its echo late, then two bytes come.
    port.FlushBuffers(true, false);
    port.Arrive(15000, {kComInputRequest});
    port.Arrive(19000, {kComNoInput});
    port.Arrive(23000, {0x42, kComStop | kAckBit});
    start = clock.TickCount();
    EXPECT_EQ(RaisedNumber([&] { link.WaitForAck(kComStop, 20000); }), 22);
    EXPECT_EQ(Elapsed(start), 23000);
    EXPECT_EQ(port.sent.back(), kComNoInput);
}

TEST_F(TimeoutTest, WaitsBlockOnThePortInsteadOfSpinning)
{
    port.Arrive(2000, {1});
    link.ReceiveByte(5000);
    EXPECT_LE(port.waits, 2000 / 5 + 1);
}
