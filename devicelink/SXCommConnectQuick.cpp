// The lighter connect that attaches to a module already running a program:
// the cable's loop only, no reset, no sync, no status.
#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"

void TSXComm::ConnectQuick()
{
    ConnectWith(&TSXComm::AutoChoosePortQuick, &TSXComm::DetectModuleQuick);
}

bool TSXComm::AutoChoosePortQuick()
{
    return AutoChooseWith(&TSXComm::TestPortQuick);
}

bool TSXComm::TestPortQuick(int portIndex)
{
    return TestPortWith(portIndex, &TSXComm::DetectModuleQuick);
}

void TSXComm::DetectModuleQuick()
{
    DetectWith([&] {
        echoFound_ = true;
        statusRead_ = true;
        deviceType_ = "Corvane";
        SetRunning(true);
        TransmitByte(kComNoInput);
    });
}
