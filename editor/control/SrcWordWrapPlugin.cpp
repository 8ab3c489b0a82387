#include "editor/control/SrcWordWrapPlugin.h"

#include <algorithm>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/support/SrcExceptions.h"

TSrcWordWrapPlugin::TSrcWordWrapPlugin(TComponent* AOwner) : editor_(dynamic_cast<TCustomSrcEdit*>(AOwner)) {
    if (!editor_) {
        throw ESrcEditError("TSrcWordWrapPlugin must be owned by TCustomSrcEdit");
    }
    Reset();
}

TSrcWrapLimits TSrcWordWrapPlugin::EditorLimits() const {
    TSrcWrapLimits limits;
    limits.MaxRowLength = std::clamp(editor_->CharsInWindow(), 0, kSrcMaxRowLength);
    limits.MinRowLength = limits.MaxRowLength > 0 ? std::max(limits.MaxRowLength - limits.MaxRowLength / 3, 1) : 0;
    limits.TabWidth = editor_->TabWidth();
    TSrcCharSet ident;
    TSrcCharSet white;
    editor_->PrepareIdentChars(ident, white);
    limits.BreakChars = ~ident;
    return limits;
}

void TSrcWordWrapPlugin::Reset() {
    limits_ = EditorLimits();
    int count = Wrapped() ? editor_->Lines().Count() : 0;
    WrapBufferLines(0, count);
    lines_.Assign(newRowsPerLine_);
    rows_.Assign(std::move(newRows_));
    newRows_.clear();
}

void TSrcWordWrapPlugin::DisplayChanged() {
    if (!(EditorLimits() == limits_)) {
        Reset();
    }
}

void TSrcWordWrapPlugin::WrapBufferLines(int First, int Count) {
    newRows_.clear();
    newRowsPerLine_.clear();
    TSrcEditStringList& buffer = editor_->Lines();
    for (int line = First; line < First + Count; ++line) {
        size_t before = newRows_.size();
        WrapExpandedLine(buffer.ExpandedStrings(line), limits_, newRows_);
        newRowsPerLine_.push_back(static_cast<int32_t>(newRows_.size() - before));
    }
}

void TSrcWordWrapPlugin::ReWrapLines(int Index, int OldLines, int NewLines) {
    WrapBufferLines(Index, NewLines);
    int row = lines_.FirstRow(Index);
    int oldRows = lines_.FirstRow(Index + OldLines) - row;
    rows_.Replace(row, oldRows, newRows_.data(), static_cast<int>(newRows_.size()));
    lines_.Replace(Index, OldLines, newRowsPerLine_.data(), NewLines);
}

int TSrcWordWrapPlugin::LinesInserted(int Index, int Count) {
    if (!Wrapped() || Index < 0 || Index > lines_.LineCount() || Count <= 0) {
        return 0;
    }
    ReWrapLines(Index, 0, Count);
    return static_cast<int>(newRows_.size());
}

int TSrcWordWrapPlugin::LinesDeleted(int Index, int Count) {
    if (!Wrapped() || Index < 0 || Index >= lines_.LineCount() || Count <= 0) {
        return 0;
    }
    Count = std::min(Count, lines_.LineCount() - Index);
    int oldRows = lines_.FirstRow(Index + Count) - lines_.FirstRow(Index);
    ReWrapLines(Index, Count, 0);
    return oldRows;
}

int TSrcWordWrapPlugin::LinesPutted(int Index, int Count) {
    if (!Wrapped() || Index < 0 || Index >= lines_.LineCount() || Count <= 0) {
        return 0;
    }
    Count = std::min(Count, lines_.LineCount() - Index);
    std::vector<int32_t> oldRowsPerLine(static_cast<size_t>(Count));
    for (int i = 0; i < Count; ++i) {
        oldRowsPerLine[static_cast<size_t>(i)] = lines_.RowsOf(Index + i);
    }
    ReWrapLines(Index, Count, Count);
    return oldRowsPerLine == newRowsPerLine_ ? 0 : static_cast<int>(newRows_.size());
}

int TSrcWordWrapPlugin::GetRowCount() { return Wrapped() ? lines_.RowCount() : editor_->Lines().Count(); }

int TSrcWordWrapPlugin::GetRowLength(int Row) {
    if (Row < 1 || Row > GetRowCount()) {
        throw EListError(FormatText("List index out of bounds (%d)", Row));
    }
    return Wrapped() ? rows_[Row - 1] : editor_->Lines().ExpandedStringLengths(Row - 1);
}

TDisplayCoord TSrcWordWrapPlugin::BufferToDisplayPos(const TBufferCoord& Pos) {
    int lineCount = lines_.LineCount();
    if (!Wrapped() || Pos.Line < 1) {
        return DisplayCoord(Pos.Char, Pos.Line);
    }
    if (Pos.Line > lineCount) {  // below the text: one row a line
        return DisplayCoord(Pos.Char, ClampToInt32(int64_t{lines_.RowCount()} + Pos.Line - lineCount));
    }
    int row = lines_.FirstRow(Pos.Line - 1);
    int lastRow = lines_.FirstRow(Pos.Line) - 1;
    int column = Pos.Char;
    while (row < lastRow && column > rows_[row]) {
        column -= rows_[row];
        ++row;
    }
    return DisplayCoord(column, row + 1);
}

TBufferCoord TSrcWordWrapPlugin::DisplayToBufferPos(const TDisplayCoord& Pos) {
    int rowCount = lines_.RowCount();
    if (!Wrapped() || Pos.Row < 1) {
        return BufferCoord(Pos.Column, Pos.Row);
    }
    if (Pos.Row > rowCount) {
        return BufferCoord(Pos.Column, ClampToInt32(int64_t{lines_.LineCount()} + Pos.Row - rowCount));
    }
    int row = Pos.Row - 1;
    int line = lines_.LineOfRow(row);
    bool lastRowOfLine = row + 1 == lines_.FirstRow(line + 1);
    int limit = (lastRowOfLine ? limits_.MaxRowLength : rows_[row]) + 1;
    int64_t character = std::min(Pos.Column, limit);
    for (int r = lines_.FirstRow(line); r < row; ++r) {
        character += rows_[r];
    }
    return BufferCoord(ClampToInt32(character), line + 1);
}
