#include <gtest/gtest.h>

#include <fcntl.h>

#include <cerrno>
#include <string>
#include <vector>

#include "devicelink/CommPortDriver.h"
#include "devicelink/SerialLineSettings.h"
#include "tests/devicelink/PtyPort.h"

namespace {

using Strings = std::vector<std::string>;

// Waits, boundedly, until the driver sees `count` input bytes.
int32_t WaitForCount(TCommPortDriver& port, int32_t count)
{
    for (int turn = 0; turn < 200 && port.CharCount() < count; ++turn) port.WaitReadable(10);
    return port.CharCount();
}

std::string ReadAll(TCommPortDriver& port, size_t count)
{
    std::string got;
    uint8_t c;
    while (got.size() < count && WaitForCount(port, 1) > 0 && port.ReadChar(c)) got += char(c);
    return got;
}

class CommPortDriverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        port.SetComPort(pty.PortIndex());
        port.SetComPortSpeed(br28800);
        port.SetEnableDTROnOpen(false);
    }

    PtyPort pty;
    TCommPortDriver port;
};

}  // namespace

TEST_F(CommPortDriverTest, OpensRawAtTheRequestedRate)
{
    ASSERT_TRUE(port.Connect()) << port.GetLastError();
    SerialLineSettings line;
    bool raw = false;
    ASSERT_TRUE(ReadSerialLineSettings(pty.Master(), line, raw));
    EXPECT_EQ(line.baud, 28800u);
    EXPECT_TRUE(raw);
    EXPECT_EQ(line.dataBits, 8);
    EXPECT_EQ(line.parity, SerialLineSettings::Parity::None);
    EXPECT_FALSE(line.twoStopBits);
    EXPECT_FALSE(line.rtsCtsFlow);
    EXPECT_FALSE(line.xonXoffFlow);

    // Settings changed while open apply at once, odd rates exactly.
    for (auto [rate, bps] : {std::pair{br14400, 14400u}, {br56000, 56000u}}) {
        port.SetComPortSpeed(rate);
        ASSERT_TRUE(ReadSerialLineSettings(pty.Master(), line, raw));
        EXPECT_EQ(line.baud, bps);
    }
    // (A pseudo-terminal keeps 8 data bits and no parity whatever is asked.)
    port.SetComPortStopBits(sb2BITS);
    port.SetComPortSwHandshaking(shXONXOFF);
    ASSERT_TRUE(ReadSerialLineSettings(pty.Master(), line, raw));
    EXPECT_TRUE(line.twoStopBits);
    EXPECT_TRUE(line.xonXoffFlow);
    EXPECT_EQ(line.xonChar, 17);
    EXPECT_EQ(line.xoffChar, 19);
}

TEST_F(CommPortDriverTest, CarriesDataBothWaysAndFlushes)
{
    ASSERT_TRUE(port.Connect());
    const uint8_t out[] = {0x00, 0x0A, 0x0D, 0x7E, 0xFF, 0x11, 0x13};
    EXPECT_EQ(port.SendData(out, sizeof out), int32_t(sizeof out));
    EXPECT_EQ(pty.Read(sizeof out), std::string(reinterpret_cast<const char*>(out), sizeof out));
    EXPECT_TRUE(port.SendString("ok"));
    EXPECT_EQ(pty.Read(2), "ok");

    pty.Write(std::string("\r\n\x03\x7f\x00", 5));
    EXPECT_EQ(WaitForCount(port, 5), 5);
    EXPECT_EQ(ReadAll(port, 5), std::string("\r\n\x03\x7f\x00", 5));
    EXPECT_EQ(port.CharCount(), 0);

    pty.Write("stale");
    EXPECT_EQ(WaitForCount(port, 5), 5);
    port.FlushBuffers(true, false);
    EXPECT_EQ(port.CharCount(), 0);
    uint8_t c = 'x';
    EXPECT_FALSE(port.ReadChar(c));
    EXPECT_EQ(c, 'x');
    EXPECT_FALSE(port.WaitReadable(0));
}

TEST_F(CommPortDriverTest, ClosedPortGivesNeutralResults)
{
    uint8_t c = 'q';
    const uint8_t data[] = {1, 2};
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(port.SendData(data, 2), 0);
    EXPECT_FALSE(port.SendString("x"));
    EXPECT_FALSE(port.ReadChar(c));
    EXPECT_EQ(c, 'q');
    EXPECT_EQ(port.CharCount(), -1);
    EXPECT_EQ(port.OutFreeSpace(), 65535);
    EXPECT_FALSE(port.ReadDSR());
    EXPECT_FALSE(port.WaitReadable(1000));
    port.ToggleDTR(true);
    port.FlushBuffers(true, true);
    port.Disconnect();
    EXPECT_FALSE(port.Connected());
}

TEST_F(CommPortDriverTest, OpensExclusivelyAndKeepsThePortWhileOpen)
{
    ASSERT_TRUE(port.Connect());
    TCommPortDriver second;
    second.SetComPort(pty.PortIndex());
    EXPECT_FALSE(second.Connect());
    EXPECT_NE(second.GetLastError(), 0);

    port.SetComPort(pty.PortIndex() + 1);  // ignored while open
    EXPECT_EQ(port.ComPort(), pty.PortIndex());

    port.Disconnect();
    EXPECT_TRUE(second.Connect()) << second.GetLastError();

    TCommPortDriver missing;
    missing.SetComPort(pty.PortIndex() + 1);
    EXPECT_FALSE(missing.Connect());
    EXPECT_EQ(missing.GetLastError(), ENOENT);
}

TEST_F(CommPortDriverTest, ModemLinesTravelOverTheModemSocket)
{
    ModemPeer peer(pty);
    ASSERT_TRUE(port.Connect());
    EXPECT_EQ(peer.Messages(2), (Strings{"DTR 0", "RTS 0"}));

    // The reset pulse, and a repeated level sends nothing.
    port.ToggleDTR(true);
    port.ToggleDTR(true);
    port.ToggleDTR(false);
    port.ToggleRTS(true);
    EXPECT_EQ(peer.Messages(5), (Strings{"DTR 0", "RTS 0", "DTR 1", "DTR 0", "RTS 1"}));

    peer.SetDSR(true);
    EXPECT_TRUE(port.ReadDSR());
    peer.SetDSR(false);
    EXPECT_FALSE(port.ReadDSR());

    // Closing the port closes the socket; the next open reports the lines again.
    port.Disconnect();
    port.SetEnableDTROnOpen(true);
    ASSERT_TRUE(port.Connect());
    EXPECT_EQ(peer.Messages(9).back(), "RTS 0");
    EXPECT_EQ(peer.Messages(9).at(7), "DTR 1");
}

TEST_F(CommPortDriverTest, SilentModemSocketReadsAsDsrOff)
{
    ModemPeer peer(pty, /*answer=*/false);
    peer.SetDSR(true);
    ASSERT_TRUE(port.Connect());
    EXPECT_FALSE(port.ReadDSR());
}

TEST_F(CommPortDriverTest, OutputThatCannotDrainGivesANegativeCount)
{
    VirtualClock clock;
    TCommPortDriver stuck(&clock);
    stuck.SetComPort(pty.PortIndex());
    stuck.SetOutputTimeout(300);
    ASSERT_TRUE(stuck.Connect());
    std::vector<uint8_t> data(1 << 20, 'z');  // far more than a pseudo-terminal holds
    int64_t before = clock.TickCount();
    int32_t result = stuck.SendData(data.data(), int32_t(data.size()));
    EXPECT_LT(result, 0);
    EXPECT_GT(-result, 0);
    EXPECT_LT(-result, int32_t(data.size()));
    EXPECT_GT(clock.TickCount() - before, 300);
    EXPECT_EQ(stuck.GetLastError(), EAGAIN);
}

TEST_F(CommPortDriverTest, PollReadsOnlyWithAHandlerAttached)
{
    ASSERT_TRUE(port.Connect());
    std::string received;
    int events = 0;
    pty.Write("abc");
    ASSERT_EQ(WaitForCount(port, 3), 3);
    port.Poll();  // no handler: nothing is read
    EXPECT_EQ(port.CharCount(), 3);

    port.SetOnReceiveData([&](TCommPortDriver& sender, const uint8_t* data, int32_t size) {
        EXPECT_EQ(&sender, &port);
        received.append(reinterpret_cast<const char*>(data), size_t(size));
        ++events;
    });
    port.Poll();
    EXPECT_EQ(received, "abc");
    port.Poll();  // nothing waiting: no event
    EXPECT_EQ(events, 1);

    port.SetOnReceiveData(nullptr);
    pty.Write("d");
    ASSERT_EQ(WaitForCount(port, 1), 1);
    port.Poll();
    EXPECT_EQ(events, 1);
}

// The far end gone (a module unplugged, a simulator killed): the poll closes
// the port and tells it once, instead of finding nothing for ever.
TEST_F(CommPortDriverTest, AHungUpLineIsToldOnceAndThePortClosed)
{
    ASSERT_TRUE(port.Connect());
    std::string received;
    std::vector<int32_t> errors;
    port.SetOnReceiveData([&](TCommPortDriver&, const uint8_t* data, int32_t size) {
        received.append(reinterpret_cast<const char*>(data), size_t(size));
    });
    port.SetOnLineError([&](TCommPortDriver& sender, int32_t error) {
        EXPECT_FALSE(sender.Connected());
        errors.push_back(error);
    });
    pty.Write("ab");
    ASSERT_EQ(WaitForCount(port, 2), 2);
    port.Poll();
    port.Poll();  // a quiet line is no failure
    EXPECT_EQ(received, "ab");
    EXPECT_TRUE(errors.empty());

    pty.HangUp();
    port.Poll();
    port.Poll();
    EXPECT_EQ(errors, std::vector<int32_t>{EIO});
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(port.GetLastError(), EIO);
}

TEST_F(CommPortDriverTest, PacketModeDeliversWholePacketsAndTimesOutTheRest)
{
    VirtualClock clock;
    TCommPortDriver packets(&clock);
    packets.SetComPort(pty.PortIndex());
    packets.SetPacketSize(4);
    packets.SetPacketTimeout(100);
    packets.SetPacketMode(pmPass);
    std::vector<std::string> got;
    packets.SetOnReceiveData([](TCommPortDriver&, const uint8_t*, int32_t) {});
    packets.SetOnReceivePacket([&](TCommPortDriver&, const uint8_t* data, int32_t size, int64_t) {
        got.emplace_back(reinterpret_cast<const char*>(data), size_t(size));
    });
    ASSERT_TRUE(packets.Connect());
    pty.Write("abcdefgh");
    ASSERT_EQ(WaitForCount(packets, 8), 8);
    packets.Poll();
    EXPECT_EQ(got, (Strings{"abcd", "efgh"}));

    pty.Write("xy");
    ASSERT_EQ(WaitForCount(packets, 2), 2);
    packets.Poll();  // starts the packet clock
    clock.Advance(100);
    packets.Poll();  // not more than the time-out yet
    EXPECT_EQ(got.size(), 2u);
    clock.Advance(1);
    packets.Poll();
    EXPECT_EQ(got.back(), "xy");
}

TEST(CommPortDriverProperties, SetterRules)
{
    TCommPortDriver port;
    port.SetComPort(18);
    EXPECT_EQ(port.ComPort(), 18);  // COM19
    port.SetComPort(19);
    EXPECT_EQ(port.ComPort(), 18);

    port.SetPacketSize(0);
    EXPECT_EQ(port.PacketSize(), -1);
    port.SetPacketSize(3000);
    EXPECT_EQ(port.ComPortInBufSize(), 6000);
    port.SetPacketTimeout(10);
    EXPECT_EQ(port.PacketTimeout(), 300);
    port.SetPacketTimeout(-5);
    EXPECT_EQ(port.PacketTimeout(), -1);

    EXPECT_EQ(BaudRateOf(br28800), 28800u);
    EXPECT_EQ(BaudRateOf(14), 0u);
    EXPECT_EQ(DelayForRX(br9600, 96), 100);
    EXPECT_EQ(DelayForRX(99, 10), 0);
}

TEST_F(CommPortDriverTest, AdoptsForgetsAndClosesHandles)
{
    std::string path = pty.Dir() + "/COM" + std::to_string(pty.PortIndex() + 1);
    int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    int notices = 0;
    port.SetPollListener([&] { ++notices; });
    port.SetComHandle(fd);
    EXPECT_TRUE(port.Connected());
    EXPECT_TRUE(port.PollActive());
    EXPECT_TRUE(port.SendString("via adopted handle"));
    EXPECT_EQ(pty.Read(18), "via adopted handle");

    port.SetComHandle(TCommPortDriver::InvalidHandle);  // forgotten, still open
    EXPECT_FALSE(port.Connected());
    EXPECT_FALSE(port.PollActive());
    EXPECT_NE(fcntl(fd, F_GETFD), -1);

    port.SetComHandle(fd);
    port.SetComHandle(TCommPortDriver::ClosedHandle);  // closed
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(fcntl(fd, F_GETFD), -1);

    // The poll timer hears of every change, and of a new polling delay.
    ASSERT_TRUE(port.Connect());
    port.SetComPortPollingDelay(5);
    port.SetComPortPollingDelay(5);
    port.Disconnect();
    port.SetPollListener(nullptr);
    port.Connect();
    EXPECT_EQ(notices, 7);
}
