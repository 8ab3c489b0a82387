#include "tools/orusim/LinePacer.h"

#include <algorithm>

namespace orusim {

int64_t LinePacer::Since(int64_t nowUs) const {
    return idle_ ? std::max(freeAtUs_, nowUs - kUsPerByte) : freeAtUs_;
}

size_t LinePacer::Allowance(int64_t nowUs) const {
    if (nowUs < freeAtUs_) return 0;
    return static_cast<size_t>((nowUs - Since(nowUs)) / kUsPerByte + 1);
}

void LinePacer::Sent(size_t count, size_t allowance, int64_t nowUs) {
    if (count > 0) freeAtUs_ = Since(nowUs) + static_cast<int64_t>(count) * kUsPerByte;
    if (allowance > 0) idle_ = count < allowance;  // a call before the line is free tells nothing
}

}  // namespace orusim
