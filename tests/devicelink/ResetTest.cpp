#include "tests/devicelink/ModuleLinkTestSupport.h"

TEST_F(ModuleLinkTest, ResetErrors)
{
    link.Connect();
    sim.Faults().boot = orusim::BootFault::Silent;
    const int64_t start = clock.TickCount();
    EXPECT_EQ(RaisedMessage([&] { link.Reset(false); }), "[ Error IDE-0022] Error reading from the serial port (timeout).");
    EXPECT_GT(clock.TickCount() - start, 10000);

    GlobalOptions.debugComLevel = 1;
    sim.Faults().boot = orusim::BootFault::Garbage;
    EXPECT_EQ(RaisedMessage([&] { link.Reset(true); }), "[ Error IDE-0043] Corvane did not respond to reset.");
    EXPECT_EQ(sink.Last(), "[Debug] Incorrect response after reset");

    sim.Faults().boot = orusim::BootFault::None;
    sim.Faults().endLoadByte = 0x42;
    EXPECT_EQ(RaisedMessage([&] { link.Reset(false); }), "[ Error IDE-0052] Incompatible firmware revision ($42).");
    EXPECT_EQ(link.FirmwareVersion(), "$42");
}

class ResetOrderTest : public LinkTest {};

TEST_F(ResetOrderTest, TheEndOfLoadingMayComeBeforeTheSyncEcho)
{
    port.echo = false;
    port.Arrive(50, {kComStartLoad});
    port.onSend = [this](uint8_t byte) {
        if (byte == kComSync) {
            port.Arrive(1, {0x53});
            port.Arrive(2, {kComSync});
        }
    };
    link.Reset(false);
    EXPECT_EQ(link.FirmwareVersion(), "$53");
    EXPECT_EQ(port.CharCount(), 0);  // it waited for the echo too
    EXPECT_FALSE(port.dtr);
    EXPECT_EQ(port.sent, (Bytes{kComSync}));
}
