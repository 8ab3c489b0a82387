#include "editor/text/SrcLineLengthTally.h"

#include <algorithm>
#include <cassert>

void TSrcLineLengthTally::Add(int Length, int Lines) {
    if (Lines <= 0) {
        return;
    }
    if (IsShort(Length)) {
        shortCounts_[static_cast<size_t>(Length)] += Lines;
        longestShort_ = std::max(longestShort_, Length);
    } else {
        longCounts_[Length] += Lines;
    }
}

void TSrcLineLengthTally::Remove(int Length, int Lines) {
    if (IsShort(Length)) {
        int& count = shortCounts_[static_cast<size_t>(Length)];
        assert(count >= Lines);
        count = std::max(count - Lines, 0);
        while (longestShort_ > 0 && shortCounts_[static_cast<size_t>(longestShort_)] == 0) {
            --longestShort_;
        }
        return;
    }
    auto it = longCounts_.find(Length);
    assert(it != longCounts_.end() && it->second >= Lines);
    if (it == longCounts_.end()) {
        return;
    }
    it->second -= Lines;
    if (it->second <= 0) {
        longCounts_.erase(it);
    }
}

void TSrcLineLengthTally::Clear() {
    shortCounts_.fill(0);
    longestShort_ = 0;
    longCounts_.clear();
}
