#include "devicelink/PortFailure.h"

#include <cstring>

#include "foundation/EError.h"

std::string DescribePortFailure(const ICommPort& port, int32_t error)
{
    std::string reason = error ? std::strerror(error) : "cannot be opened";
    const std::string device = port.DevicePath();
    if (!device.empty()) reason = device + ": " + reason;
    return "COM" + std::to_string(port.ComPort() + 1) + " (" + reason + ")";
}

EError LineLostError(const ICommPort& port, int32_t error)
{
    EError lost(ecIDE, 8, int(error));
    lost.Message.insert(lost.Message.find_last_not_of('\n') + 1, " " + DescribePortFailure(port, error));
    return lost;
}
