#pragma once
#include <cstdint>
#include <string>

#include "devicelink/CommPort.h"

// A port, its device and the system's reason for a failure on it:
// "COM5 (/dev/ttyUSB0: Permission denied)".
std::string DescribePortFailure(const ICommPort& port, int32_t error);

class EError;
// IDE-8 for a line that failed, the port described after it:
// "[ Error IDE-0008] Error reading from the serial port (5). COM3 (/dev/ttyUSB0: Input/output error)".
EError LineLostError(const ICommPort& port, int32_t error);
