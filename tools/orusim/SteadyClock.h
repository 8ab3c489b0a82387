#pragma once
#include "devicelink/Clock.h"

namespace orusim {

// The machine's monotonic clock, for a module on a real line.
class SteadyClock : public IClock {
public:
    int64_t TickCount() override;
    void Sleep(int64_t ms) override;
    // Microseconds on the same clock.
    static int64_t NowUs();
};

}  // namespace orusim
