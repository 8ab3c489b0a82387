#include "editor/text/SrcLineLengthTally.h"

#include <cassert>

void TSrcLineLengthTally::Add(int Length, int Lines) {
    if (Lines > 0) {
        counts_[Length] += Lines;
    }
}

void TSrcLineLengthTally::Remove(int Length, int Lines) {
    auto it = counts_.find(Length);
    assert(it != counts_.end() && it->second >= Lines);
    if (it == counts_.end()) {
        return;
    }
    it->second -= Lines;
    if (it->second <= 0) {
        counts_.erase(it);
    }
}
