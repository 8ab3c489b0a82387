// Reset by a DTR pulse and the module's start-up handshake.
#include <algorithm>
#include <cstdio>

#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"
#include "devicelink/SerialTrace.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"

void TSXComm::Reset(bool run)
{
    Exchange([&] {
        if (ComTrace(1)) DebugPrintf("Resetting");
        port_.ToggleDTR(true);
        clock_.Sleep(ResetPulseMs);
        // The module is held in reset: what waits now came before the pulse
        // (a start-up still under way, a program's output) and is no answer.
        DrainPort();
        port_.ToggleDTR(false);
        WaitForStartLoad();
        if (!run) {
            TransmitByte(kComSync);
            --echoCount_;  // its echo is read as data
        }
        WaitForEndLoad(run);
    });
}

void TSXComm::WaitForStartLoad()
{
    const int64_t pulse = clock_.TickCount();
    bool bytesCame = false;
    for (;;) {
        const int64_t left = ResetStartMs - (clock_.TickCount() - pulse);
        uint8_t byte = 0;
        try {
            if (left < 0) throw EError(ecIDE, 22);
            byte = ReceiveByte(int32_t(std::min<int64_t>(left, ResetByteMs)));
        } catch (const EError& error) {
            if (error.Number != 22 || !bytesCame) throw;
            if (ComTrace(1)) DebugPrintf("Incorrect response after reset");
            throw EError(ecIDE, 43);
        }
        if (byte == kComStartLoad) break;
        bytesCame = true;
    }
    if (ComTrace(3)) DebugPrintf("Got kComStartLoad");
}

void TSXComm::WaitForEndLoad(bool run)
{
    bool synced = false, loaded = false;
    while (run ? !loaded : !(synced && loaded)) {
        const uint8_t byte = ReceiveByte(ResetByteMs);
        if (byte == kComSync) {
            synced = true;
            continue;
        }
        char version[8];
        std::snprintf(version, sizeof version, "$%2.2X", byte);
        firmwareVersion_ = version;
        if (!IsEndLoad(byte)) throw EError(ecIDE, 52, unsigned(byte));
        if (ComTrace(3)) DebugPrintf("Got kComEndLoad");
        loaded = true;
    }
}
