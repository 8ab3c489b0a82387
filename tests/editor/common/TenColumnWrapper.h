#pragma once
#include <algorithm>

#include "editor/control/SrcEditWordWrapper.h"
#include "editor/text/SrcEditStringList.h"

// Wraps every line after ten cells; a line takes at least one row.
class TenColumnWrapper : public TSrcEditWordWrapper {
public:
    explicit TenColumnWrapper(TSrcEditStringList& Lines) : lines_(Lines) {}

    TDisplayCoord BufferToDisplayPos(const TBufferCoord& Pos) override {
        int row = 1;
        for (int line = 1; line < Pos.Line && line <= lines_.Count(); ++line) {
            row += RowsOf(line);
        }
        return DisplayCoord((Pos.Char - 1) % 10 + 1, row + (Pos.Char - 1) / 10);
    }
    TBufferCoord DisplayToBufferPos(const TDisplayCoord& Pos) override {
        int row = 1;
        for (int line = 1; line <= lines_.Count(); ++line) {
            if (Pos.Row < row + RowsOf(line)) {
                return BufferCoord((Pos.Row - row) * 10 + Pos.Column, line);
            }
            row += RowsOf(line);
        }
        return BufferCoord(Pos.Column, lines_.Count() + Pos.Row - row + 1);
    }
    int GetRowCount() override { return BufferToDisplayPos(BufferCoord(1, lines_.Count() + 1)).Row - 1; }
    int GetRowLength(int) override { return 10; }
    int LinesInserted(int, int) override { return 1; }
    int LinesDeleted(int, int) override { return 1; }
    int LinesPutted(int, int) override { return 1; }
    void Reset() override {}
    void DisplayChanged() override { ++displayChanges; }

    int displayChanges = 0;

private:
    int RowsOf(int Line) const {
        int length = static_cast<int>(lines_[Line - 1].size());
        return std::max(1, (length + 9) / 10);
    }
    TSrcEditStringList& lines_;
};
