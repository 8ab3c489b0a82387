#include "devicelink/LinkCodes.h"
#include "tests/devicelink/LinkTestSupport.h"

namespace {

class FramingTest : public LinkTest {
protected:
    // Reads one reply packet of the given capacity.
    Bytes Receive(int32_t capacity = 100)
    {
        Bytes buffer(size_t(capacity > 0 ? capacity : 1));
        int32_t length = capacity;
        link.ReceivePacket(buffer.data(), length);
        buffer.resize(size_t(length));
        return buffer;
    }
};

}  // namespace

TEST_F(FramingTest, ChecksumsAreTheTwosComplementOfTheSum)
{
    const uint8_t list[] = {0x0A, 0x00};
    EXPECT_EQ(TSXComm::Checksum(list, 2), 0xF6);
    const uint8_t wraps[] = {0xFF, 0xFF, 0x02};
    EXPECT_EQ(TSXComm::Checksum(wraps, 3), 0x00);
    const uint8_t reply[] = {0x81, 0x10, 0x00, 0x01, 0x22, uint8_t(0x100 - (0x81 + 0x10 + 0x01 + 0x22))};
    EXPECT_TRUE(TSXComm::VerifyChecksum(reply, 6));
    EXPECT_FALSE(TSXComm::VerifyChecksum(reply, 5));
    EXPECT_TRUE(TSXComm::VerifyChecksum(nullptr, 0));
}

TEST_F(FramingTest, PacketsAreStuffedAndTheirEchoesCounted)
{
    const uint8_t payload[] = {0x0B, 0x7D, 0x7E, 0x5D, 0x00};
    link.TransmitPacket(payload, 5);
    EXPECT_EQ(port.sent, (Bytes{0x0B, 0x7D, 0x5D, 0x7D, 0x5E, 0x5D, 0x00}));
    EXPECT_EQ(link.EchoCount(), 7);

    // Payloads of any length are stuffed without overrunning anything.
    Bytes flags(600, 0x7E);
    link.TransmitPacket(flags.data(), int32_t(flags.size()));
    EXPECT_EQ(link.EchoCount(), 7 + 1200);

    link.TransmitByte(0x7E);  // single bytes go as they are
    EXPECT_EQ(port.sent.back(), 0x7E);
    EXPECT_EQ(link.EchoCount(), 1208);
}

TEST_F(FramingTest, ShortWritesRaiseIde7WithTheSystemCode)
{
    port.writeLimit = 2;
    const uint8_t payload[] = {1, 2, 3};
    EXPECT_EQ(RaisedNumber([&] { link.TransmitPacket(payload, 3); }), 7);
    EXPECT_EQ(link.EchoCount(), 3);  // counted before the write
    EXPECT_EQ(RaisedNumber([&] { link.TransmitByte(4); }), 7);
    EXPECT_EQ(link.EchoCount(), 3);  // a byte not written has no echo
}

TEST_F(FramingTest, RepliesUnstuffWithOrWithoutALeadingFlag)
{
    port.echo = false;
    port.Arrive(0, {0x81, 0x7D, 0x5E, 0x7D, 0x5D, 0x02, 0x7E});
    EXPECT_EQ(Receive(), (Bytes{0x81, 0x7E, 0x7D, 0x02}));
    port.Arrive(0, {0x7E, 0x7E, 0x88, 0x01, 0x7E});
    EXPECT_EQ(Receive(), (Bytes{0x88, 0x01}));
}

TEST_F(FramingTest, AReplyThatReachesTheCapacityRaisesIde11)
{
    port.echo = false;
    port.Arrive(0, {1, 2, 3, 4, 5, 0x7E});
    EXPECT_EQ(Receive(6), (Bytes{1, 2, 3, 4, 5}));
    port.Arrive(0, {1, 2, 3, 4, 5, 6, 0x7E});
    EXPECT_EQ(RaisedNumber([&] { Receive(6); }), 11);
    port.FlushBuffers(true, false);
    port.Arrive(0, {1, 0x7E});
    EXPECT_EQ(RaisedNumber([&] { Receive(0); }), 11);

    // The byte that fills the buffer is stored and traced, then refused.
    port.FlushBuffers(true, false);
    GlobalOptions.debugComLevel = 3;
    port.Arrive(0, {1, 2, 0x7E});
    EXPECT_EQ(RaisedNumber([&] { Receive(2); }), 11);
    EXPECT_EQ(sink.Last(), "[Debug] Receive 0x02 '.'");
}

TEST_F(FramingTest, BytesWaitingAfterTheEndFlagDiscardThePacket)
{
    port.echo = false;
    port.Arrive(0, {0x81, 0x01, 0x7E, 0x7E, 0x81, 0x02, 0x7E});
    EXPECT_EQ(Receive(), (Bytes{0x81, 0x02}));
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"[Debug] Discarding packet"}));
}

TEST_F(FramingTest, IgnoringEchoesReadsThemAsData)
{
    GlobalOptions.debugIgnoreEchoes = true;
    link.TransmitByte(0x41);
    link.TransmitByte(0x42);
    EXPECT_EQ(link.ReceiveByte(100), 0x41);
    EXPECT_EQ(link.EchoCount(), 2);
}

TEST_F(FramingTest, TraceFollowsTheComLevel)
{
    GlobalOptions.debugComLevel = 3;
    port.echo = false;
    link.TransmitByte(0x41);
    link.SetEchoCount(1);
    port.Arrive(0, {0x01, 0x7E, 0x7D, 0x5E, 0x7E});
    Receive();
    EXPECT_EQ(sink.lines, (std::vector<std::string>{
                              "[Debug] Transmit: $41 'A'",
                              "[Debug] Discarding echo 0x01 '.'",
                              "[Debug] Got character 0x7E '~'",
                              "[Debug] Flag - resetting",
                              "[Debug] Got character 0x7D '}'",
                              "[Debug] Escape",
                              "[Debug] Got character 0x5E '^'",
                              "[Debug] Escaped data",
                              "[Debug] Receive 0x7E '~'",
                              "[Debug] Got character 0x7E '~'",
                              "[Debug] Flag - end",
                          }));
    sink.Clear();
    GlobalOptions.debugComLevel = 2;
    link.TransmitByte(0x41);
    EXPECT_TRUE(sink.lines.empty());
}

TEST_F(FramingTest, CancelOfTheWorkerEndsAWaitWithIde45)
{
    host.worker = true;
    host.cancelAt = 4;
    EXPECT_EQ(RaisedNumber([&] { link.ReceiveByte(5000); }), 45);
    EXPECT_LT(clock.TickCount() - 1000, 5000);
    host.worker = false;
    host.checks = 0;
    port.echo = false;
    port.Arrive(20, {9});
    EXPECT_EQ(link.ReceiveByte(100), 9);
    EXPECT_EQ(host.checks, 0);  // no worker, no cancel checks
}
