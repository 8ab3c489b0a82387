// Running, stepping and stopping the program.
#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"

void TSXComm::Run()
{
    Exchange([&] {
        SendSimpleCommand(kComRun);
        SetRunning(true);
    });
}

void TSXComm::Step()
{
    Exchange([&] {
        SendSimpleCommand(kComStep);
        WaitForAck(kComStepDone, StepDoneMs);
    });
}

void TSXComm::Stop()
{
    Exchange([&] {
        SendCommand(kComStop);
        SetRunning(false);
        WaitForAck(kComStop, StopAckMs);
    });
}
