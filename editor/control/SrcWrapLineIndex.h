#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The first display row (0-based) of every line, with the row count as the
// entry after the last line. A shift of the entries from some line on is
// kept pending, so that a run of edits down the text moves the following
// entries once instead of once per edit.
class TSrcWrapLineIndex {
public:
    int LineCount() const { return static_cast<int>(first_.size()) - 1; }
    int RowCount() const { return FirstRow(LineCount()); }
    int FirstRow(int Line) const { return first_[static_cast<size_t>(Line)] + (Line >= shiftFrom_ ? shift_ : 0); }
    int RowsOf(int Line) const { return FirstRow(Line + 1) - FirstRow(Line); }
    // The line that holds Row, 0 <= Row < RowCount().
    int LineOfRow(int Row) const;

    void Assign(const std::vector<int32_t>& RowsPerLine);
    // Lines Line .. Line + OldLines - 1 become NewLines lines of the given
    // row counts.
    void Replace(int Line, int OldLines, const int32_t* RowsPerLine, int NewLines);

private:
    void MoveShiftStart(int Line);

    std::vector<int32_t> first_{0};
    int shiftFrom_ = 0;  // entries from here on lack shift_
    int32_t shift_ = 0;
};
