#include "tools/orusim/LineFlood.h"

#include <algorithm>

namespace orusim {

void LineFlood::Start(std::vector<uint8_t> pattern, int64_t until) {
    pattern_ = std::move(pattern);
    next_ = 0;
    until_ = until;
}

std::vector<uint8_t> LineFlood::Take(size_t max, int64_t now) {
    std::vector<uint8_t> bytes;
    if (!Active(now)) return bytes;
    bytes.resize(std::min(max, kChunk));
    for (uint8_t& byte : bytes) {
        byte = pattern_[next_];
        next_ = (next_ + 1) % pattern_.size();
    }
    return bytes;
}

}  // namespace orusim
