#include "editor/control/SrcWrapRowLengths.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr size_t kMinCapacity = 512;
}

void TSrcWrapRowLengths::Assign(std::vector<uint8_t>&& Rows) {
    buf_ = std::move(Rows);
    gapStart_ = buf_.size();
    gapEnd_ = buf_.size();
}

void TSrcWrapRowLengths::MoveGap(size_t Row) {
    uint8_t* data = buf_.data();
    if (Row < gapStart_) {
        size_t run = gapStart_ - Row;
        std::memmove(data + gapEnd_ - run, data + Row, run);
        gapStart_ -= run;
        gapEnd_ -= run;
    } else if (Row > gapStart_) {
        size_t run = Row - gapStart_;
        std::memmove(data + gapStart_, data + gapEnd_, run);
        gapStart_ += run;
        gapEnd_ += run;
    }
}

void TSrcWrapRowLengths::Grow(size_t Needed) {
    size_t count = static_cast<size_t>(Count());
    size_t capacity = std::max({buf_.size() * 2, count + Needed, kMinCapacity});
    std::vector<uint8_t> grown(capacity);
    size_t after = buf_.size() - gapEnd_;
    std::copy_n(buf_.begin(), gapStart_, grown.begin());
    std::copy_n(buf_.begin() + static_cast<std::ptrdiff_t>(gapEnd_), after,
                grown.end() - static_cast<std::ptrdiff_t>(after));
    buf_ = std::move(grown);
    gapEnd_ = capacity - after;
}

void TSrcWrapRowLengths::Replace(int Row, int OldCount, const uint8_t* Rows, int NewCount) {
    MoveGap(static_cast<size_t>(Row));
    gapEnd_ += static_cast<size_t>(OldCount);
    if (gapEnd_ - gapStart_ < static_cast<size_t>(NewCount)) {
        Grow(static_cast<size_t>(NewCount));
    }
    if (NewCount > 0) {
        std::memcpy(buf_.data() + gapStart_, Rows, static_cast<size_t>(NewCount));
    }
    gapStart_ += static_cast<size_t>(NewCount);
}
