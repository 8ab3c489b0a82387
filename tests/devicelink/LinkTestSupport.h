#pragma once
#include <gtest/gtest.h>

#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Options.h"
#include "tests/devicelink/ScriptedPort.h"
#include "tests/support/CaptureSink.h"

// A link host whose worker can be told to stop after some cancel checks.
class TestHost : public ILinkHost {
public:
    bool HasLinkWorker() override { return worker; }
    void CheckCancel() override
    {
        if (++checks == cancelAt) throw EError(ecIDE, 45);
    }
    void StopJog() override { ++stopJogs; }

    bool worker = false;
    int checks = 0;
    int cancelAt = -1;
    int stopJogs = 0;
};

// A link over a scripted port on a virtual clock, with the trace captured.
class LinkTest : public ::testing::Test {
protected:
    LinkTest() : port(clock), link(port, host, clock) { saved = GlobalOptions; }
    ~LinkTest() override { GlobalOptions = saved; }

    // The error number that `action` raises, or 0.
    template <typename Action>
    int RaisedNumber(Action action)
    {
        try {
            action();
        } catch (const EError& e) {
            return e.Number;
        }
        return 0;
    }

    tOptions saved;
    CaptureSink sink;
    VirtualClock clock{1000};
    ScriptedPort port;
    TestHost host;
    TSXComm link;
};
