#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditUndoBlockGuard.h"
#include "editor/text/SrcEditStrCopy.h"
#include "editor/text/SrcMiscProcs.h"

namespace {
const char kLineBreak[] = "\r\n";
}  // namespace

// The selection goes, recorded as a deletion towards its begin or end.
void TCustomSrcEdit::DeleteSelectionRecorded() {
    TBufferCoord bb = BlockBegin();
    TBufferCoord be = BlockEnd();
    TSrcChangeReason reason = blockBegin_ == bb ? crDelete : crDeleteAfterCursor;
    TSrcUndoBlockGuard block(*this);
    AddSelectionDeletion(reason, bb, be);
    SetSelTextPrimitiveEx(activeSelectionMode_, std::string(), false);
    RecordTrimmedBlanks(true);
    SetCaretXY(CaretXY());
}

// Where Backspace in leading whitespace ends: the indentation of the
// nearest line above that is indented less than Column - 1, else 1.
int TCustomSrcEdit::SmartBackspaceColumn(int Column) const {
    int width = Column - 1;
    bool expandTabs = options_.Contains(eoTrimTrailingSpaces) && LineText().empty();
    for (int line = caretY_ - 1; line >= 1 && width > 0; --line) {
        int above = LeftSpacesEx(lines_->Get(line - 1), expandTabs);
        if (above < width) {
            return above + 1;
        }
    }
    return 1;
}

void TCustomSrcEdit::DeleteLastChar() {
    if (SelAvail()) {
        DeleteSelectionRecorded();
        return;
    }
    std::string text = LineText();
    int len = LengthOf(text);
    TBufferCoord oldCaret = CaretXY();
    TBufferCoord removedFrom;  // set where a trimmed line can leave the caret short of it
    std::string removed;
    if (caretX_ > len + 1) {
        int target = caretX_ - 1;
        if (options_.Contains(eoSmartTabDelete)) {
            target = len > 0 ? len + 1 : SmartBackspaceColumn(caretX_);
        }
        InternalSetCaretX(target);
    } else if (caretX_ == 1) {
        if (caretY_ == 1) {
            return;
        }
        std::string previous = lines_->Get(caretY_ - 2);
        if (options_.Contains(eoTrimTrailingSpaces) && TrimTrailingSpaces(previous) != previous) {
            // Trimmed before the join, which is recorded where it ends.
            ProperSetLine(caretY_ - 2, previous);
            RecordTrimmedBlanks(false);
            previous = lines_->Get(caretY_ - 2);
        }
        int joinedLine = caretY_;
        lines_->Delete(caretY_ - 1);
        ProperSetLine(joinedLine - 2, previous + text);
        InternalSetCaretXY(BufferCoord(LengthOf(previous) + 1, joinedLine - 1));
        DoLinesJoined(CaretXY(), BufferCoord(1, joinedLine));
        removed = kLineBreak;
    } else {
        int count = 1;
        int leading = LeftSpaces(text);
        auto before = static_cast<unsigned char>(text[static_cast<size_t>(caretX_ - 2)]);
        if (before <= 32 && leading == caretX_ - 1) {
            if (options_.Contains(eoSmartTabDelete)) {
                count = caretX_ - SmartBackspaceColumn(caretX_);
            } else {
                int toStop = (DisplayX() - 1) % tabWidth_;
                toStop = toStop == 0 ? tabWidth_ : toStop;
                count = 0;
                while (count < toStop && count < caretX_ - 1) {
                    char c = text[static_cast<size_t>(caretX_ - 2 - count)];
                    ++count;
                    if (c == '\t') {
                        break;
                    }
                }
            }
        }
        removed = text.substr(static_cast<size_t>(caretX_ - 1 - count), static_cast<size_t>(count));
        text.erase(static_cast<size_t>(caretX_ - 1 - count), static_cast<size_t>(count));
        int target = caretX_ - count;
        removedFrom = BufferCoord(target, caretY_);
        ProperSetLine(caretY_ - 1, text);
        InternalSetCaretX(target);
    }
    if (CaretXY() != oldCaret) {
        TBufferCoord start = removedFrom.Line > 0 ? removedFrom : CaretXY();
        undoList_->AddChange(crSilentDelete, start, oldCaret, removed, smNormal);
    }
}

void TCustomSrcEdit::DeleteChar() {
    if (SelAvail()) {
        DeleteSelectionRecorded();
        return;
    }
    std::string text = LineText();
    int len = LengthOf(text);
    TBufferCoord end = CaretXY();
    std::string removed;
    int padding = 0;
    if (caretX_ <= len) {
        removed = text.substr(static_cast<size_t>(caretX_ - 1), 1);
        text.erase(static_cast<size_t>(caretX_ - 1), 1);
        ProperSetLine(caretY_ - 1, text);
        end.Char = caretX_ + 1;
    } else if (caretY_ < lines_->Count()) {
        text.resize(static_cast<size_t>(caretX_ - 1), ' ');
        ProperSetLine(caretY_ - 1, text + lines_->Get(caretY_));
        padding = PaddingKept(caretY_, len);
        lines_->Delete(caretY_);
        DoLinesJoined(CaretXY(), BufferCoord(1, caretY_ + 1));
        end = BufferCoord(1, caretY_ + 1);
        removed = kLineBreak;
    }
    if (end != CaretXY()) {
        AddChangeAfterPadding(crSilentDeleteAfterCursor, CaretXY(), end, removed, padding);
    }
}

// How many blanks padding a line of Length characters up to the caret
// are left on line Line once stored (a trim can take them).
int TCustomSrcEdit::PaddingKept(int Line, int Length) const {
    return std::max(0, std::min(LengthOf(LineAt(Line)), caretX_ - 1) - Length);
}

// Ctrl+T and Shift+Ctrl+Y: from the caret to the word's end (and the
// blanks after it) or to the line's end. A caret past the end keeps its
// column: the line is padded up to it.
void TCustomSrcEdit::DeleteToWordOrLineEnd(bool WholeLine) {
    std::string text = LineText();
    int len = LengthOf(text);
    TBufferCoord end = BufferCoord(len + 1, caretY_);
    std::string endText = text;
    if (!WholeLine) {
        end = WordEnd();
        if (end.Char <= caretX_) {
            if (end.Char > len) {
                if (caretY_ < lines_->Count()) {
                    end = BufferCoord(1, caretY_ + 1);
                    endText = lines_->Get(caretY_);
                }
            } else if (text[static_cast<size_t>(end.Char - 1)] != ' ') {
                ++end.Char;
            }
        }
        while (end.Char <= LengthOf(endText) && endText[static_cast<size_t>(end.Char - 1)] == ' ') {
            ++end.Char;
        }
    }
    int from = std::min(caretX_, len + 1);
    std::string removed = end.Line == caretY_ ? StrCopy(text, from, int64_t{end.Char} - from)
                                              : StrCopyFrom(text, from) + kLineBreak + StrCopy(endText, 1, int64_t{end.Char} - 1);
    if (removed.empty()) {
        return;
    }
    std::string kept = StrCopy(text, 1, int64_t{from} - 1);
    kept.resize(static_cast<size_t>(caretX_ - 1), ' ');
    ProperSetLine(caretY_ - 1, kept + StrCopyFrom(endText, end.Char));
    int padding = PaddingKept(caretY_, len);
    if (end.Line != caretY_) {
        lines_->Delete(caretY_);
        DoLinesJoined(CaretXY(), end);
    }
    AddChangeAfterPadding(crSilentDeleteAfterCursor, CaretXY(), end, removed, padding);
    SetCaretXY(CaretXY());
}

// Ctrl+Backspace and delete to the line's start.
void TCustomSrcEdit::DeleteToWordOrLineStart(bool WholeLine) {
    TBufferCoord start = WholeLine ? BufferCoord(1, caretY_) : PrevWordPos();
    TBufferCoord caret = BufferCoord(std::min(caretX_, LengthOf(LineText()) + 1), caretY_);
    if (!Before(start, caret)) {
        return;
    }
    SelectIn(smNormal, CaretXY(), start, caret);
    std::string removed = GetSelText();
    SetSelTextPrimitive(std::string());
    undoList_->AddChange(crSilentDelete, start, caret, removed, smNormal);
    SetCaretXY(start);
}

void TCustomSrcEdit::DeleteLine() {
    int count = lines_->Count();
    if (count == 0 || (caretY_ == count && LineText().empty())) {
        return;
    }
    if (SelAvail()) {
        SetBlockBegin(CaretXY());
    }
    std::string text = LineText();
    if (caretY_ == count) {
        lines_->Put(caretY_ - 1, std::string());
        undoList_->AddChange(crSilentDeleteAfterCursor, BufferCoord(1, caretY_),
                             BufferCoord(LengthOf(text) + 1, caretY_), text, smNormal);
    } else {
        lines_->Delete(caretY_ - 1);
        DoLinesJoined(BufferCoord(1, caretY_), BufferCoord(1, caretY_ + 1));
        undoList_->AddChange(crSilentDeleteAfterCursor, BufferCoord(1, caretY_), BufferCoord(1, caretY_ + 1),
                             text + kLineBreak, smNormal);
    }
    SetCaretXY(BufferCoord(1, caretY_));
}
