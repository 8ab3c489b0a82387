#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditPaintLockGuard.h"

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

void TCustomSrcEdit::MoveCaretAndSelection(const TBufferCoord& ptBefore, const TBufferCoord& ptAfter,
                                           bool SelectionCommand) {
    if (options_.Contains(eoGroupUndo) && undoList_->CanUndo()) {
        undoList_->AddGroupBreak();
    }
    TSrcPaintLockGuard lock(*this);
    if (SelectionCommand) {
        if (!SelAvail()) {
            SetBlockBegin(ptBefore);
        }
        SetBlockEnd(ptAfter);
    } else {
        SetBlockBegin(ptAfter);
    }
    InternalSetCaretXY(ptAfter);
}

void TCustomSrcEdit::MoveCaretHorz(int DX, bool SelectionCommand) {
    TBufferCoord dst = CaretXY();
    int lineEnd = LengthPlusOne(lines_->Line(caretY_ - 1));
    bool wrapLines = !options_.Contains(eoScrollPastEol);
    if (wrapLines && DX == -1 && dst.Char == 1 && dst.Line > 1) {
        dst = BufferCoord(LengthPlusOne(lines_->Line(dst.Line - 2)), dst.Line - 1);
    } else if (wrapLines && DX == 1 && dst.Char >= lineEnd && dst.Line < lines_->Count()) {
        dst = BufferCoord(1, dst.Line + 1);
    } else {
        dst.Char = ClampToInt32(std::max<int64_t>(1, int64_t{dst.Char} + DX));
        if (DX > 0 && wrapLines) {
            dst.Char = std::min(dst.Char, lineEnd);
        }
    }
    MoveCaretAndSelection(blockBegin_, dst, SelectionCommand);
}

// The remembered column survives the move, so that a column is kept
// across short lines.
void TCustomSrcEdit::MoveCaretVert(int DY, bool SelectionCommand) {
    TDisplayCoord from = DisplayXY();
    TDisplayCoord dst = from;
    dst.Row = ClampToInt32(int64_t{dst.Row} + DY);
    if (DY >= 0) {
        if (RowToLine(dst.Row) > lines_->Count()) {
            dst.Row = std::max(1, GetDisplayLineCount());
        }
    } else if (dst.Row < 1) {
        dst.Row = 1;
    }
    if (dst.Row != from.Row && options_.Contains(eoKeepCaretX)) {
        dst.Column = lastCaretX_;
    }
    int keptCaretX = lastCaretX_;
    MoveCaretAndSelection(blockBegin_, DisplayToBufferPos(dst), SelectionCommand);
    lastCaretX_ = keptCaretX;
}

void TCustomSrcEdit::DoHomeKey(bool Selection) {
    int target = 1;
    bool firstRow = !WordWrap() || LineToRow(caretY_) == DisplayY();
    if (options_.Contains(eoEnhanceHomeKey) && firstRow) {
        const std::string& line = lines_->Line(caretY_ - 1);
        int firstNonBlank = 1;
        while (firstNonBlank <= static_cast<int64_t>(line.size()) &&
               IsBlank(line[static_cast<size_t>(firstNonBlank - 1)])) {
            ++firstNonBlank;
        }
        if (caretX_ > firstNonBlank || caretX_ == 1) {
            target = firstNonBlank;
        }
    }
    MoveCaretAndSelection(CaretXY(), BufferCoord(target, caretY_), Selection);
}

void TCustomSrcEdit::DoEndKey(bool Selection) {
    const std::string& line = lines_->Line(caretY_ - 1);
    int target = LengthPlusOne(line);
    bool lastRow = !WordWrap() || RowToLine(DisplayY() + 1) != caretY_;
    if (options_.Contains(eoEnhanceEndKey) && lastRow) {
        size_t trimmed = line.size();
        while (trimmed > 0 && IsBlank(line[trimmed - 1])) {
            --trimmed;
        }
        int afterText = ClampToInt32(static_cast<int64_t>(trimmed) + 1);
        if (caretX_ != afterText) {
            target = afterText;
        }
    }
    MoveCaretAndSelection(CaretXY(), BufferCoord(target, caretY_), Selection);
}
