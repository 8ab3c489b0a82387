#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "devicelink/Clock.h"
#include "tools/orusim/EventLog.h"
#include "tools/orusim/ProtocolEngine.h"
#include "tools/orusim/ScriptedEngine.h"
#include "tools/orusim/Wire.h"

using Bytes = std::vector<uint8_t>;

// A simulated module on a virtual clock, driven byte by byte.
class ModuleFixture : public ::testing::Test {
protected:
    ModuleFixture() : module(clock, engine, log) {}

    void Send(const Bytes& bytes) { module.Receive(bytes.data(), bytes.size()); }

    // Runs the clock for ms and returns what the module sent meanwhile.
    Bytes Collect(int64_t ms) {
        Bytes wire;
        int64_t end = clock.TickCount() + ms;
        for (;;) {
            Bytes out = module.TakeOutput();
            wire.insert(wire.end(), out.begin(), out.end());
            int64_t now = clock.TickCount();
            if (now >= end) break;
            int64_t next = module.NextWakeTime();
            if (next < 0 || next > end) next = end;
            clock.Advance(next > now ? next - now : 1);
        }
        return wire;
    }

    // Sends and collects what comes back within ms.
    Bytes Exchange(const Bytes& bytes, int64_t ms = 5) {
        Send(bytes);
        return Collect(ms);
    }

    // Power-on start-up finished, program stopped by a sync.
    void BootWithSync() {
        ASSERT_EQ(Collect(50), Bytes{orusim::kComStartLoad});
        ASSERT_EQ(Exchange({orusim::kComSync}), (Bytes{0x0E, 0x51}));
    }

    // A reply packet as it should appear: payload, checksum, stuffed, flag.
    static Bytes Reply(Bytes payload) {
        payload.push_back(orusim::Checksum(payload));
        return orusim::FramePacket(payload);
    }

    static Bytes Concat(std::initializer_list<Bytes> parts) {
        Bytes all;
        for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
        return all;
    }

    VirtualClock clock{1000};
    orusim::ScriptedEngine engine;
    orusim::EventLog log;
    orusim::ProtocolEngine module;
};
