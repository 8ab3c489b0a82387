#include "tools/orusim/SteadyClock.h"

#include <chrono>
#include <thread>

namespace orusim {

int64_t SteadyClock::NowUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t SteadyClock::TickCount() { return NowUs() / 1000; }

void SteadyClock::Sleep(int64_t ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace orusim
