#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditUndoBlockGuard.h"
#include "editor/text/SrcEditStrCopy.h"
#include "editor/text/SrcMiscProcs.h"
#include "editor/text/SrcTabConvert.h"

namespace {
int LengthOf(const std::string& s) { return ClampToInt32(static_cast<int64_t>(s.size())); }
}  // namespace

// Fills the caret line up to the caret (one blank less in insert mode,
// where the typed text takes that cell); an empty line gets indentation.
void TCustomSrcEdit::PadCaretLine(bool Inserting, std::string& Filler) {
    std::string text = LineText();
    int len = LengthOf(text);
    Filler.clear();
    if (len < caretX_) {
        int count = caretX_ - len - (Inserting ? 1 : 0);
        Filler = len > 0 ? std::string(static_cast<size_t>(count), ' ') : GetLeftSpacing(count, true);
    }
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
        std::string filler;
        PadCaretLine(insertMode_, filler);
        std::string text = LineText() + filler;
        int at = std::min(caretX_, LengthOf(text) + 1);
        TBufferCoord start = BufferCoord(at, caretY_);
        if (insertMode_) {
            text.insert(static_cast<size_t>(at - 1), 1, AChar);
            int caret = at + 1;
            if (options_.Contains(eoTrimTrailingSpaces) && (AChar == ' ' || AChar == '\t') &&
                TrimTrailingSpaces(text).empty()) {
                caret = GetExpandedLength(text, tabWidth_) + 1;
            }
            ProperSetLine(caretY_ - 1, text);
            SetCaretXYEx(false, BufferCoord(caret, caretY_));
            if (!filler.empty()) {
                TSrcUndoBlockGuard block(*this);
                undoList_->AddChange(crWhiteSpaceAdd, start, BufferCoord(at - LengthOf(filler), caretY_),
                                     std::string(), smNormal);
                undoList_->AddChange(crInsert, start, BufferCoord(at + 1, caretY_), std::string(), smNormal);
            } else {
                undoList_->AddChange(crInsert, start, BufferCoord(at + 1, caretY_), std::string(), smNormal);
            }
        } else {
            std::string overwritten = StrCopy(text, at, 1);
            text.replace(static_cast<size_t>(at - 1), overwritten.size(), 1, AChar);
            ProperSetLine(caretY_ - 1, text);
            undoList_->AddChange(crInsert, start, BufferCoord(at + 1, caretY_), overwritten, smNormal);
            SetCaretXYEx(false, BufferCoord(at + 1, caretY_));
        }
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
        std::string filler;
        PadCaretLine(true, filler);
        std::string text = LineText() + filler;
        int at = std::min(caretX_, LengthOf(text) + 1);
        std::string overwritten = insertMode_ ? std::string() : StrCopy(text, at, LengthOf(S));
        text.replace(static_cast<size_t>(at - 1), overwritten.size(), S);
        ProperSetLine(caretY_ - 1, text);
        int after = ClampToInt32(int64_t{at} + LengthOf(S));
        undoList_->AddChange(crInsert, BufferCoord(at, caretY_), BufferCoord(after, caretY_), overwritten, smNormal);
        SetCaretXYEx(false, BufferCoord(after, caretY_));
        blockBegin_ = CaretXY();
        blockEnd_ = blockBegin_;
        JumpLeftCharAfterTyping();
    });
}
