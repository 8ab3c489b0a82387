#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditWordWrapper.h"

void TCustomSrcEdit::LinesChanging(TObject*) { stateFlags_.Include(sfLinesChanging); }

void TCustomSrcEdit::LinesChanged(TObject*) {
    stateFlags_.Exclude(sfLinesChanging);
    if (!window_) {
        return;
    }
    UpdateScrollBars();
    TSrcSelectionMode mode = activeSelectionMode_;
    SetBlockBegin(CaretXY());
    activeSelectionMode_ = mode;
    if (invalidateRect_.Width() > 0 && invalidateRect_.Height() > 0) {
        InvalidateRect(invalidateRect_, false);
    }
    invalidateRect_ = TRect{};
    if (gutter_->ShowLineNumbers() && gutter_->AutoSize()) {
        gutter_->AutoSizeDigitCount(lines_->Count());
    }
    if (!options_.Contains(eoScrollPastEof)) {
        SetTopLine(topLine_);
    }
}

void TCustomSrcEdit::ListCleared(TObject*) {
    if (wordWrapper_) {
        wordWrapper_->Reset();
    }
    undoList_->Clear();
    redoList_->Clear();
    invalidateRect_ = TRect{};
    Invalidate();
    SetCaretXY(BufferCoord(1, 1));
    SetTopLine(1);
    SetLeftChar(1);
    statusChanges_.Include(scAll);
}

void TCustomSrcEdit::ListDeleted(TObject*, int Index, int Count) {
    if (highlighter_ && lines_->Count() > 0) {
        ScanFrom(Index);
    }
    if (wordWrapper_) {
        wordWrapper_->LinesDeleted(Index, Count);
    }
    InvalidateLines(Index + 1, -1);
    InvalidateGutterLines(Index + 1, -1);
}

void TCustomSrcEdit::ListInserted(TObject*, int Index, int Count) {
    if (highlighter_ && lines_->Count() > 0) {
        int lastScan = Index;
        do {
            lastScan = ScanFrom(lastScan) + 1;
        } while (lastScan < Index + Count);
    }
    if (wordWrapper_) {
        wordWrapper_->LinesInserted(Index, Count);
    }
    InvalidateLines(Index + 1, -1);
    InvalidateGutterLines(Index + 1, -1);
    AutoSizeMaxScrollWidthFor(Index);
}

void TCustomSrcEdit::ListPutted(TObject*, int Index, int Count) {
    int endLine = Index + 1;
    if (wordWrapper_ && wordWrapper_->LinesPutted(Index, Count) > 0) {
        endLine = -1;
        InvalidateGutterLines(Index + 1, -1);
    }
    if (highlighter_ && endLine != -1) {
        endLine = std::max(endLine, ScanFrom(Index) + 1);
    } else if (highlighter_) {
        ScanFrom(Index);
    }
    InvalidateLines(Index + 1, endLine);
    AutoSizeMaxScrollWidthFor(Index);
}

void TCustomSrcEdit::AutoSizeMaxScrollWidthFor(int Index) {
    if (options_.Contains(eoAutoSizeMaxScrollWidth) && Index >= 0 && Index < lines_->Count()) {
        int length = lines_->ExpandedStringLengths(Index);
        if (length > maxScrollWidth_) {
            SetMaxScrollWidth(length);
        }
    }
}
