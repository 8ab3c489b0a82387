#pragma once
#include <array>
#include <map>

// How many lines have each length, so that the longest length stays known
// through changes to any line without a walk over all of them.
class TSrcLineLengthTally {
public:
    void Add(int Length, int Lines = 1);
    // Length must have been added at least Lines times.
    void Remove(int Length, int Lines = 1);
    void Clear();
    // 0 when no line is counted.
    int Longest() const { return longCounts_.empty() ? longestShort_ : longCounts_.rbegin()->first; }

private:
    static constexpr int kShort = 256;  // most lines: counted in place, not in the map
    static bool IsShort(int Length) { return static_cast<unsigned>(Length) < kShort; }

    std::array<int, kShort> shortCounts_{};
    int longestShort_ = 0;           // the longest short length counted, or 0
    std::map<int, int> longCounts_;  // length -> lines of that length
};
