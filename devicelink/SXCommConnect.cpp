// Finding the module: the presence test on one port, the choice among the
// valid ports, and opening the link for use.
#include <cerrno>

#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"
#include "devicelink/SerialTrace.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"

void TSXComm::Connect()
{
    ConnectWith(&TSXComm::AutoChoosePort, &TSXComm::DetectModule);
}

bool TSXComm::AutoChoosePort()
{
    return AutoChooseWith(&TSXComm::TestPort);
}

bool TSXComm::TestPort(int portIndex)
{
    return TestPortWith(portIndex, &TSXComm::DetectModule);
}

void TSXComm::ConnectWith(bool (TSXComm::*choose)(), void (TSXComm::*detect)())
{
    Exchange([&] {
        Close();
        bool found = true;
        if (JobOptions().DebugPort == 0) {
            found = (this->*choose)();
        } else {
            SelectPort(JobOptions().DebugPort - 1);
            (this->*detect)();
        }
        if (!found) throw EError(ecIDE, 54);
        OpenPort();
        DrainPort();
    });
}

// Ports that exist but could not be opened are told about only when no
// module is found, ahead of IDE-54.
bool TSXComm::AutoChooseWith(bool (TSXComm::*test)(int))
{
    if (ComTrace(1)) DebugPrintf("TSXComm::AutoChoosePort");
    std::vector<std::string> unopened;
    unopenedPorts_ = &unopened;
    struct Detach {
        std::vector<std::string>*& list;
        ~Detach() { list = nullptr; }
    } detach{unopenedPorts_};
    for (int i = 0; i < JobOptions().NumValidPorts && i < MaxValidPorts; ++i)
        if ((this->*test)(JobOptions().ValidPort[size_t(i)] - 1)) return true;
    if (ComTrace(1)) DebugPrintf("TSXComm::AutoChoosePort - unsuccessful");
    for (const std::string& port : unopened) EError(ecIDE, 6, port.c_str()).Report();
    return false;
}

bool TSXComm::TestPortWith(int portIndex, void (TSXComm::*detect)())
{
    bool found = false;
    Exchange([&] {
        SelectPort(portIndex);
        ClearIdentity();
        if (ComTrace(1)) DebugPrintf("Testing port: %s", portName_.c_str());
        try {
            OpenPort();
            (this->*detect)();
            Close();
            if (ComTrace(1)) DebugPrintf("TSXComm::AutoChoosePort - successful");
            found = true;
        } catch (const EError& error) {
            Close();
            if (!ReportPortTestError(error)) throw;
        }
    });
    return found;
}

// Reports what a failed port test says about the port; false for a cancel,
// which goes on up.
bool TSXComm::ReportPortTestError(const EError& error)
{
    switch (error.Number) {
    case 45:
        return false;
    case 6:
        if (PortExistsButWasRefused(openFailure_.error)) {
            if (unopenedPorts_)
                unopenedPorts_->push_back(openFailure_.description);
            else
                error.Report();
        }
        return true;
    case 47:
    case 22:
        EError(ecIDE, 56, portName_.c_str()).Report();
        return true;
    case 52:
        error.Report();
        return true;
    default:
        return true;
    }
}

// Lack of permission, or another program holding the port.
bool TSXComm::PortExistsButWasRefused(int32_t error)
{
    return error == EACCES || error == EPERM || error == EBUSY;
}

void TSXComm::DetectModule()
{
    DetectWith([&] {
        Reset(false);
        CheckSyncEcho();
        int32_t pc = 0, activity = 0;
        uint8_t bytecode = 0;
        QueryStatus(pc, activity, bytecode);
        if (ComTrace(2)) DebugPrintf("JVM PC: %d activity %d\n", int(pc), int(activity));
        statusRead_ = true;
        if (!firmwareVersion_.empty()) deviceType_ = "Corvane";
    });
}

// Opens the port, tests the cable's loop and runs the rest of a presence
// test; the port is closed again however it ends.
void TSXComm::DetectWith(const std::function<void()>& afterLoopback)
{
    Exchange([&] {
        ClearIdentity();
        try {
            OpenPort();
            DrainPort();
            CheckLoopback();
            afterLoopback();
        } catch (...) {
            Close();
            throw;
        }
        Close();
    });
}

void TSXComm::Close()
{
    if (port_.Connected()) port_.Disconnect();
}
