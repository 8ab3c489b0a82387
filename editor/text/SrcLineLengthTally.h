#pragma once
#include <map>

// How many lines have each length, so that the longest length stays known
// through changes to any line without a walk over all of them.
class TSrcLineLengthTally {
public:
    void Add(int Length, int Lines = 1);
    // Length must have been added at least Lines times.
    void Remove(int Length, int Lines = 1);
    void Clear() { counts_.clear(); }
    // 0 when no line is counted.
    int Longest() const { return counts_.empty() ? 0 : counts_.rbegin()->first; }

private:
    std::map<int, int> counts_;  // length -> lines of that length
};
