#pragma once
#include <cstdint>

#include "tools/orusim/LinePacer.h"

namespace orusim {

// How long the line's thread may sleep before it serves the module again:
// until the module's next work (nextWorkMs, -1 none), not at all when that
// is due; on a paced line (pacer not null) not before the line is free.
// At most idleMs.
int WakeTimeoutMs(int64_t nowMs, int64_t nextWorkMs, const LinePacer* pacer, int idleMs);

}  // namespace orusim
