#include "tests/devicelink/ModuleLinkTestSupport.h"

namespace {

std::vector<orusim::Event> Boots(const SimulatedModule& sim)
{
    return sim.log.OfKind(orusim::EventKind::Boot);
}

}  // namespace

TEST_F(ModuleLinkTest, ResetForDebuggingHoldsTheProgramAndResetForRunningStartsIt)
{
    link.Connect();
    std::vector<uint8_t> image(32, 0x23);
    link.DownloadOruFile(image.data(), int32_t(image.size()), true);
    sim.log.Clear();
    GlobalOptions.debugComLevel = 3;
    link.Reset(false);
    ASSERT_EQ(Boots(sim).size(), 1u);
    EXPECT_EQ(Boots(sim)[0].name, "sync");
    EXPECT_FALSE(sim.engine.Running());
    EXPECT_EQ(link.FirmwareVersion(), "$51");
    EXPECT_EQ(link.EchoCount(), 0);
    EXPECT_TRUE(sink.Contains("[Debug] Got kComStartLoad"));
    EXPECT_TRUE(sink.Contains("[Debug] Got kComEndLoad"));

    sim.log.Clear();
    link.Reset(true);
    ASSERT_EQ(Boots(sim).size(), 1u);
    EXPECT_EQ(Boots(sim)[0].name, "run");
    EXPECT_TRUE(sim.engine.Running());
    EXPECT_TRUE(sim.Commands().empty());
}

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
