// The simulator against the device link's own driver and framing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "devicelink/Clock.h"
#include "devicelink/CommPortDriver.h"
#include "devicelink/LinkHost.h"
#include "devicelink/SXComm.h"
#include "tests/support/TempDir.h"
#include "tools/orusim/MemoryTransport.h"
#include "tools/orusim/PtyTransport.h"
#include "tools/orusim/ScriptedEngine.h"
#include "tools/orusim/SteadyClock.h"
#include "tools/orusim/Wire.h"

using namespace orusim;

namespace {
// The reset of a debug session as the link performs it: pulse, start byte,
// sync, then the sync's echo and the end of loading in either order.
void ResetForDebugging(ICommPort& port, TSXComm& link, IClock& clock) {
    port.ToggleDTR(true);
    clock.Sleep(2);
    port.ToggleDTR(false);
    ASSERT_EQ(link.ReceiveByte(10000), kComStartLoad);
    link.TransmitByte(kComSync);
    link.SetEchoCount(link.EchoCount() - 1);
    uint8_t a = link.ReceiveByte(10000);
    uint8_t b = link.ReceiveByte(10000);
    EXPECT_EQ(a ^ b, 0x0E ^ 0x51);
}

void QueryStatus(TSXComm& link, uint16_t expectedPcPlusOne) {
    link.SendCommand(kComQueryStatus);
    uint8_t reply[100];
    int32_t length = sizeof reply;
    link.ReceivePacket(reply, length);
    ASSERT_EQ(length, 6);
    EXPECT_TRUE(TSXComm::VerifyChecksum(reply, length));
    EXPECT_EQ(reply[0], 0x81);
    EXPECT_EQ(reply[1] | reply[2] << 8, expectedPcPlusOne);
}
}  // namespace

TEST(LinkCompatibility, FramingOverTheMemoryTransportOnVirtualTime) {
    VirtualClock clock(0);
    ScriptedEngine engine;
    EventLog log;
    ProtocolEngine module(clock, engine, log);
    MemoryTransport port(module);
    NullLinkHost host;
    TSXComm link(port, host, clock);
    ASSERT_TRUE(port.Connect());

    port.ToggleRTS(true);
    EXPECT_TRUE(port.ReadDSR());
    port.ToggleRTS(false);
    ResetForDebugging(port, link, clock);
    engine.SetProgramCounter(0x7C);  // 0x7D on the wire: stuffed
    QueryStatus(link, 0x7D);

    uint8_t query[] = {kComQueryHeap, 0x00, 0x10, 0x00, 0x14};
    link.TransmitPacket(query, sizeof query);
    uint8_t heap[60];
    int32_t length = sizeof heap;
    link.ReceivePacket(heap, length);
    EXPECT_EQ(length, 0x14 + 4);

    engine.QueueStep({ScriptItem::Input(), ScriptItem::Text("s")});
    link.SendSimpleCommand(kComStep);
    link.WaitForAck(kComStepDone, 20000);
    EXPECT_EQ(engine.InputsReceived(), std::vector<int>{-1}) << "the request was answered during the wait";
    EXPECT_EQ(link.EchoCount(), 0) << "the echo of that 0x13 came ahead of 0x8D";
}

TEST(LinkCompatibility, RealDriverOverThePseudoTerminal) {
    TempDir dir("orusim-driver");
    const char* previous = std::getenv("CORVANE_PORT_DIR");
    std::string saved = previous ? previous : "";
    setenv("CORVANE_PORT_DIR", dir.Path().c_str(), 1);

    SteadyClock moduleClock;
    ScriptedEngine engine;
    EventLog log;
    ProtocolEngine module(moduleClock, engine, log, BootTiming{20, 250, 1});
    PtyTransport transport(module, PtyOptions{dir.Path(), 7, false});
    std::string error;
    ASSERT_TRUE(transport.Start(error)) << error;
    // The power-on start-up ends first, so that its bytes are no answer to the reset.
    for (int i = 0; i < 300 && log.Count(EventKind::Boot) == 0; ++i) usleep(10000);

    SystemClock clock;
    TCommPortDriver driver(&clock);
    driver.SetComPort(6);
    driver.SetComPortSpeed(br28800);
    driver.SetEnableDTROnOpen(false);
    ASSERT_TRUE(driver.Connect());
    driver.ToggleRTS(true);
    EXPECT_TRUE(driver.ReadDSR());
    driver.ToggleRTS(false);
    EXPECT_FALSE(driver.ReadDSR());
    {
        NullLinkHost host;
        TSXComm link(driver, host, clock);
        ResetForDebugging(driver, link, clock);
        QueryStatus(link, 1);
    }
    driver.Disconnect();
    transport.Stop();
    if (previous) setenv("CORVANE_PORT_DIR", saved.c_str(), 1);
    else unsetenv("CORVANE_PORT_DIR");
}
