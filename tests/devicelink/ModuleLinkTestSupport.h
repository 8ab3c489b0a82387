#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"
#include "foundation/Options.h"
#include "tests/devicelink/LinkTestSupport.h"
#include "tests/devicelink/PortTap.h"
#include "tests/devicelink/SimulatedModule.h"

// A link to a simulated module over the in-memory transport on a virtual
// clock, the module configured as COM2.
class ModuleLinkTest : public ::testing::Test {
protected:
    ModuleLinkTest() : sim(clock), tap(sim.transport), link(tap, host, clock)
    {
        saved = GlobalOptions;
        GlobalOptions.DebugPort = 2;
    }
    ~ModuleLinkTest() override { GlobalOptions = saved; }

    void ConnectAndReset(bool run = false)
    {
        link.Connect();
        link.Reset(run);
    }

    // Runs `fn` with the module as the nth kComSync goes out to it.
    static void OnSync(PortTap& port, SimulatedModule& module, int nth,
                       std::function<void(SimulatedModule&)> fn)
    {
        port.onSend = [&module, nth, fn, count = 0](uint8_t byte) mutable {
            if (byte == kComSync && ++count == nth) fn(module);
        };
    }

    // Hands whatever the module sent meanwhile to the link, as a poll would.
    void Poll()
    {
        uint8_t chunk[256];
        int32_t n = 0;
        uint8_t byte;
        while (n < int32_t(sizeof chunk) && tap.CharCount() > 0 && tap.ReadChar(byte)) chunk[n++] = byte;
        if (n > 0) link.ReceiveData(chunk, n, host.image);
    }

    // Lets the module work for ms, polling the way the main window's timer does.
    void RunFor(int64_t ms)
    {
        const int64_t end = clock.TickCount() + ms;
        while (clock.TickCount() < end) {
            tap.WaitReadable(int32_t(std::min<int64_t>(50, end - clock.TickCount())));
            Poll();
        }
    }

    tOptions saved;
    CaptureSink sink;
    VirtualClock clock{1000};
    SimulatedModule sim;
    PortTap tap;
    TestHost host;
    TSXComm link;
};
