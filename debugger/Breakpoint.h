#pragma once
#include <cstdint>

#include "debugger/DebugHost.h"

// One breakpoint: its image address, its source line (a count for the
// temporary breakpoint) and its page.
struct TBreakpoint {
    uint32_t Address = 0;
    int32_t Line = 0;
    TPageHandle Page = NoPage;
};
