#pragma once
#include <cstddef>
#include <string>

// One line edited by a run of splices in one buffer with a gap at the
// place of the last splice. A splice costs its own text plus the distance
// from the one before, so splices that walk along the line in either
// direction cost about the line's length in all.
class TSrcLineSplicer {
public:
    explicit TSrcLineSplicer(const std::string& Line);

    size_t Length() const { return buffer_.size() - (gapEnd_ - gapStart_); }
    // Replaces the Count bytes at the 0-based From by Text and returns them.
    std::string Splice(size_t From, size_t Count, const std::string& Text);
    // The line as spliced; the splicer is empty afterwards.
    std::string TakeResult();

private:
    void MoveGap(size_t To);
    void WidenGap(size_t Needed);

    std::string buffer_;  // [0, gapStart_) and [gapEnd_, size) hold the line
    size_t gapStart_ = 0;
    size_t gapEnd_ = 0;
};
