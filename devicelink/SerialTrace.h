#pragma once
#include <cstdint>

#include "foundation/Options.h"

// The serial trace: 1 commands and connection steps, 2 received data and
// status, 3 every byte.
inline bool ComTrace(int level)
{
    return JobOptions().debugComLevel >= level;
}

// A byte as a trace line shows it between quotes.
inline char TraceChar(uint8_t byte)
{
    return byte >= 0x20 && byte < 0x7F ? char(byte) : '.';
}
