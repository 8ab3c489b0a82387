#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The length of every display row, in a buffer whose gap stays where the
// last change was, so that a run of edits down the text moves little.
class TSrcWrapRowLengths {
public:
    int Count() const { return static_cast<int>(buf_.size() - (gapEnd_ - gapStart_)); }
    int operator[](int Row) const {
        size_t at = static_cast<size_t>(Row);
        return buf_[at < gapStart_ ? at : at + (gapEnd_ - gapStart_)];
    }

    void Assign(std::vector<uint8_t>&& Rows);
    // Rows Row .. Row + OldCount - 1 become the NewCount given ones.
    void Replace(int Row, int OldCount, const uint8_t* Rows, int NewCount);

private:
    void MoveGap(size_t Row);
    void Grow(size_t Needed);

    std::vector<uint8_t> buf_;
    size_t gapStart_ = 0;
    size_t gapEnd_ = 0;
};
