#pragma once
#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "devicelink/Clock.h"
#include "devicelink/CommPortDriver.h"
#include "devicelink/LinkHost.h"
#include "devicelink/SXComm.h"
#include "tests/support/TempDir.h"
#include "tools/orusim/EventLog.h"
#include "tools/orusim/ProtocolEngine.h"
#include "tools/orusim/PtyTransport.h"
#include "tools/orusim/SteadyClock.h"
#include "tools/orusim/vm/OruVmEngine.h"

// The module running the machine on a pseudo-terminal in a folder of its
// own, as `orusim --vm` has it, and the IDE's link to it over the serial
// driver.
struct PtyModuleRig {
    PtyModuleRig(int com, bool paced, ILinkHost& host, orusim::BootTiming timing = {});
    ~PtyModuleRig() { transport.Stop(); }

    // Starts the module; false with the reason.
    bool Start(std::string& error);
    // Connects, runs the benchmark's iterations (each returns its own time in
    // seconds) and closes; the total time, or a skip with the error.
    double TimeIterations(benchmark::State& state, const std::function<double()>& iteration);

    TempDir dir{"corvane-bench-line"};
    orusim::SteadyClock moduleClock;
    orusim::OruVmEngine engine;
    orusim::EventLog log;
    orusim::ProtocolEngine module;
    orusim::PtyTransport transport;
    SystemClock clock;
    TCommPortDriver driver{&clock};
    TSXComm link;
};
