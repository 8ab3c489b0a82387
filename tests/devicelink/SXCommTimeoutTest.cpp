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

TEST_F(TimeoutTest, ReplyPacketLimitsWhenNotRunning)
{
    EXPECT_EQ(ReceivePacketRaises({{1000, {0x81}}, {2000, {0x7E}}}), 0);  // per byte 1000, whole 2000
    EXPECT_EQ(ReceivePacketRaises({{1001, {0x81, 0x7E}}}), 22);
    EXPECT_EQ(ReceivePacketRaises({{900, {0x81}}, {1800, {0x01}}, {2001, {0x7E}}}), 22);
}

TEST_F(TimeoutTest, ReplyPacketLimitsWhileRunning)
{
    link.SetRunning(true);
    EXPECT_EQ(ReceivePacketRaises({{5000, {0x81}}, {6000, {0x7E}}}), 0);
    EXPECT_EQ(ReceivePacketRaises({{5001, {0x81, 0x7E}}}), 22);
    EXPECT_EQ(ReceivePacketRaises({{4000, {0x81}}, {6001, {0x7E}}}), 22);
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
