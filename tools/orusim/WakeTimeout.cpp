#include "tools/orusim/WakeTimeout.h"

#include <algorithm>

namespace orusim {

int WakeTimeoutMs(int64_t nowMs, int64_t nextWorkMs, const LinePacer* pacer, int idleMs) {
    int64_t next = nextWorkMs;
    if (pacer) {
        // Work that is due may be output waiting for the line.
        int64_t lineFree = (pacer->NextFreeUs() + 999) / 1000;
        if (next >= 0 && next <= nowMs) next = lineFree;
        if (!pacer->Idle() && (next < 0 || lineFree < next)) next = lineFree;
    }
    if (next < 0) return idleMs;
    return static_cast<int>(std::clamp<int64_t>(next - nowMs, 0, idleMs));
}

}  // namespace orusim
