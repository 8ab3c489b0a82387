// Running, stepping and stopping the program.
#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"

void TSXComm::Run()
{
    CommandExchange([&] {
        SendSimpleCommand(kComRun);
        SetRunning(true);
    });
}

void TSXComm::Step()
{
    CommandExchange([&] {
        SendSimpleCommand(kComStep);
        WaitForAck(kComStepDone, StepDoneMs);
    });
}

void TSXComm::Stop()
{
    CommandExchange([&] {
        SendCommand(kComStop);
        SetRunning(false);
        WaitForAck(kComStop, StopAckMs);
    });
}
