// The port steps of the presence test: selecting and opening the port, the
// RTS-to-DSR loop of the cable, and the echo of the sync byte.

#include "devicelink/LinkCodes.h"
#include "devicelink/PortFailure.h"
#include "devicelink/SXComm.h"
#include "devicelink/SerialTrace.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"

void TSXComm::SelectPort(int portIndex)
{
    Close();
    port_.SetComPort(portIndex);
}

void TSXComm::ClearIdentity()
{
    portName_ = "COM" + std::to_string(port_.ComPort() + 1);
    deviceType_.clear();
    firmwareVersion_.clear();
    loopbackFound_ = false;
    echoFound_ = false;
    statusRead_ = false;  // a row of the identify window shows this port's own test
}

void TSXComm::OpenPort()
{
    if (port_.Connect()) return;
    const int32_t error = port_.GetLastError();
    openFailure_ = {error, DescribePortFailure(port_, error)};
    throw EError(ecIDE, 6, openFailure_.description.c_str());
}

// Nothing sent on this opening yet: whatever waits is stale, and so is any
// echo still counted from before.
void TSXComm::DrainPort()
{
    uint8_t byte = 0;
    while (port_.CharCount() > 0 && port_.ReadChar(byte)) {
    }
    echoCount_ = 0;
}

void TSXComm::CheckLoopback()
{
    port_.ToggleRTS(true);
    clock_.Sleep(ModemSettleMs);
    if (!port_.ReadDSR()) throw EError(ecIDE, 46);
    port_.ToggleRTS(false);
    clock_.Sleep(ModemSettleMs);
    if (port_.ReadDSR()) throw EError(ecIDE, 46);
    loopbackFound_ = true;
    if (ComTrace(1)) DebugPrintf("Found connected Corvane Torve, now testing for power");
}

void TSXComm::CheckSyncEcho()
{
    TransmitByte(kComSync);
    if (!JobOptions().debugIgnoreEchoes) --echoCount_;  // the echo is the answer
    try {
        WaitForData({{clock_.TickCount(), SyncEchoMs}});
    } catch (const EError& error) {
        if (error.Number == 22) throw EError(ecIDE, 46);
        throw;
    }
    if (ReadByteOrRaise() != kComSync) throw EError(ecIDE, 47);
    echoFound_ = true;
}
