#pragma once
#include <string>
#include <vector>

#include "devicelink/Clock.h"
#include "tools/orusim/EventLog.h"
#include "tools/orusim/MemoryTransport.h"
#include "tools/orusim/ProtocolEngine.h"
#include "tools/orusim/ScriptedEngine.h"

// A simulated module behind the in-memory transport, in the clock's time.
struct SimulatedModule {
    explicit SimulatedModule(VirtualClock& clock, orusim::BootTiming timing = {})
        : module(clock, engine, log, timing), transport(module)
    {
    }

    orusim::Faults& Faults() { return module.GetFaults(); }
    // The names of the commands the module decoded, in order.
    std::vector<std::string> Commands() const { return log.CommandNames(); }
    // Every byte the module received from the PC.
    std::vector<uint8_t> BytesIn() const
    {
        std::vector<uint8_t> all;
        for (const orusim::Event& e : log.OfKind(orusim::EventKind::BytesIn))
            all.insert(all.end(), e.bytes.begin(), e.bytes.end());
        return all;
    }

    orusim::ScriptedEngine engine;
    orusim::EventLog log;
    orusim::ProtocolEngine module;
    orusim::MemoryTransport transport;
};
