#include "editor/control/SrcWrapLineIndex.h"

int TSrcWrapLineIndex::LineOfRow(int Row) const {
    int low = 0;  // FirstRow(low) <= Row
    int high = LineCount();  // FirstRow(high) > Row
    while (high - low > 1) {
        int middle = low + (high - low) / 2;
        if (FirstRow(middle) <= Row) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return low;
}

void TSrcWrapLineIndex::Assign(const std::vector<int32_t>& RowsPerLine) {
    first_.resize(RowsPerLine.size() + 1);
    int32_t row = 0;
    for (size_t i = 0; i < RowsPerLine.size(); ++i) {
        first_[i] = row;
        row += RowsPerLine[i];
    }
    first_.back() = row;
    shiftFrom_ = 0;
    shift_ = 0;
}

void TSrcWrapLineIndex::MoveShiftStart(int Line) {
    if (shift_ != 0) {
        for (int i = shiftFrom_; i < Line; ++i) {
            first_[static_cast<size_t>(i)] += shift_;
        }
        for (int i = Line; i < shiftFrom_; ++i) {
            first_[static_cast<size_t>(i)] -= shift_;
        }
    }
    shiftFrom_ = Line;
}

void TSrcWrapLineIndex::Replace(int Line, int OldLines, const int32_t* RowsPerLine, int NewLines) {
    int32_t row = FirstRow(Line);
    int32_t oldRows = FirstRow(Line + OldLines) - row;
    int32_t newRows = 0;
    for (int i = 0; i < NewLines; ++i) {
        newRows += RowsPerLine[i];
    }
    if (OldLines != NewLines) {
        // The entries move anyway: settle the pending shift with them.
        MoveShiftStart(LineCount() + 1);
        shift_ = 0;
        auto at = first_.begin() + Line;
        if (NewLines > OldLines) {
            first_.insert(at + OldLines, static_cast<size_t>(NewLines - OldLines), 0);
        } else {
            first_.erase(at + NewLines, at + OldLines);
        }
        for (size_t i = static_cast<size_t>(Line + NewLines); i < first_.size(); ++i) {
            first_[i] += newRows - oldRows;
        }
        shiftFrom_ = LineCount() + 1;
    } else {
        MoveShiftStart(Line + NewLines);
        shift_ += newRows - oldRows;
    }
    for (int i = 0; i < NewLines; ++i) {
        first_[static_cast<size_t>(Line + i)] = row;
        row += RowsPerLine[i];
    }
}
