#include <optional>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditUndoBlockGuard.h"
#include "editor/text/SrcEditStrCopy.h"
#include "editor/text/SrcMiscProcs.h"
#include "editor/text/SrcTabConvert.h"

// The blanks that fill the caret line up to the column before the caret
// (the typed text takes the caret's cell); an empty line gets indentation.
std::string TCustomSrcEdit::CaretLineFiller() const {
    int len = LengthOf(LineText());
    if (len + 1 >= caretX_) {
        return std::string();
    }
    int count = caretX_ - 1 - len;
    return len > 0 ? std::string(static_cast<size_t>(count), ' ') : GetLeftSpacing(count, true);
}

// Blanks that a command padded a line with, Count of them before After:
// undone like an insertion.
void TCustomSrcEdit::AddPaddingRecord(const TBufferCoord& After, int Count) {
    if (Count > 0) {
        undoList_->AddChange(crWhiteSpaceAdd, After, BufferCoord(After.Char - Count, After.Line), std::string(),
                             smNormal);
    }
}

// A change at Start..End (in normal mode) after Padding blanks that
// padded the line up to Start: one undo step with them.
void TCustomSrcEdit::AddChangeAfterPadding(TSrcChangeReason Reason, const TBufferCoord& Start,
                                           const TBufferCoord& End, const std::string& Text, int Padding) {
    std::optional<TSrcUndoBlockGuard> block;
    if (Padding > 0) {
        block.emplace(*this);
    }
    AddPaddingRecord(Start, Padding);
    undoList_->AddChange(Reason, Start, End, Text, smNormal);
}

// A caret that reached the right edge moves the view a good step on.
void TCustomSrcEdit::JumpLeftCharAfterTyping() {
    if (DisplayX() >= int64_t{leftChar_} + charsInWindow_) {
        SetLeftChar(leftChar_ + std::min(25, charsInWindow_ - 1));
    }
    EnsureCursorPosVisible();
}

void TCustomSrcEdit::WithScrollPastEol(const std::function<void()>& Action) {
    bool wasOn = options_.Contains(eoScrollPastEol);
    options_.Include(eoScrollPastEol);
    try {
        Action();
    } catch (...) {
        if (!wasOn) {
            options_.Exclude(eoScrollPastEol);
        }
        throw;
    }
    if (!wasOn) {
        options_.Exclude(eoScrollPastEol);
    }
}

// Typed text over a selection: the deletion and the insertion form one
// change; a column insertion records itself.
void TCustomSrcEdit::ReplaceSelectionTyped(const std::string& S) {
    TSrcUndoBlockGuard block(*this);
    TSrcSelectionMode mode = activeSelectionMode_;
    TBufferCoord start = DeleteSelectionForInsert(blockBegin_, blockEnd_, true);
    SetSelTextPrimitive(S);
    if (mode != smColumn) {
        undoList_->AddChange(crInsert, start, CaretXY(), std::string(), smNormal);
    }
    SetCaretXY(CaretXY());
}

void TCustomSrcEdit::TypeChar(char AChar) {
    if (SelAvail()) {
        ReplaceSelectionTyped(std::string(1, AChar));
        return;
    }
    // Past the scroll width nothing is typed, unless at the end of a longer line.
    if (insertMode_ && !WordWrap() && !options_.Contains(eoAutoSizeMaxScrollWidth) && caretX_ > maxScrollWidth_ &&
        caretX_ > static_cast<int64_t>(lines_->Line(caretY_ - 1).size()) + 1) {
        return;
    }
    WithScrollPastEol([&] {
        std::string filler = CaretLineFiller();
        std::string text = LineText() + filler;
        int at = std::min(caretX_, LengthOf(text) + 1);
        std::string overwritten = insertMode_ ? std::string() : StrCopy(text, at, 1);
        text.replace(static_cast<size_t>(at - 1), overwritten.size(), 1, AChar);
        int caret = at + 1;
        if (insertMode_ && options_.Contains(eoTrimTrailingSpaces) && (AChar == ' ' || AChar == '\t') &&
            TrimTrailingSpaces(text).empty()) {
            caret = GetExpandedLength(text, tabWidth_) + 1;
        }
        ProperSetLine(caretY_ - 1, text);
        SetCaretXYEx(false, BufferCoord(caret, caretY_));
        AddChangeAfterPadding(crInsert, BufferCoord(at, caretY_), BufferCoord(at + 1, caretY_), overwritten,
                              LengthOf(filler));
        blockBegin_ = CaretXY();
        blockEnd_ = blockBegin_;
        JumpLeftCharAfterTyping();
    });
}

void TCustomSrcEdit::InsertImeString(const std::string& S) {
    if (S.empty()) {
        return;
    }
    if (SelAvail()) {
        ReplaceSelectionTyped(S);
        InvalidateGutter();
        return;
    }
    WithScrollPastEol([&] {
        std::string filler = CaretLineFiller();
        std::string text = LineText() + filler;
        int at = std::min(caretX_, LengthOf(text) + 1);
        std::string overwritten = insertMode_ ? std::string() : StrCopy(text, at, LengthOf(S));
        text.replace(static_cast<size_t>(at - 1), overwritten.size(), S);
        ProperSetLine(caretY_ - 1, text);
        int after = ClampToInt32(int64_t{at} + LengthOf(S));
        AddChangeAfterPadding(crInsert, BufferCoord(at, caretY_), BufferCoord(after, caretY_), overwritten,
                              LengthOf(filler));
        SetCaretXYEx(false, BufferCoord(after, caretY_));
        blockBegin_ = CaretXY();
        blockEnd_ = blockBegin_;
        JumpLeftCharAfterTyping();
    });
}
