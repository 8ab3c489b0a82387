#include "tools/orusim/LineFlood.h"

namespace orusim {

void LineFlood::Start(std::vector<uint8_t> pattern, int64_t until) {
    pattern_ = std::move(pattern);
    until_ = until;
    next_ = 0;
}

std::vector<uint8_t> LineFlood::Take(size_t max, int64_t now) {
    std::vector<uint8_t> burst;
    if (!Active(now) || now < next_) return burst;
    const size_t repeats = kBurst > pattern_.size() ? kBurst / pattern_.size() : 1;
    if (repeats * pattern_.size() > max) return burst;
    for (size_t i = 0; i < repeats; ++i) burst.insert(burst.end(), pattern_.begin(), pattern_.end());
    next_ = now + 1;
    return burst;
}

}  // namespace orusim
