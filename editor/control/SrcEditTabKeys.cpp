#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditUndoBlockGuard.h"
#include "editor/text/SrcEditStrCopy.h"

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool OnlyBlanksBefore(const std::string& Line, int Char) {
    for (int i = 1; i < Char && i <= LengthOf(Line); ++i) {
        if (!IsBlank(Line[static_cast<size_t>(i - 1)])) {
            return false;
        }
    }
    return true;
}
}  // namespace

// The width of Tab under smart tabs: from the caret's display column on
// the nearest line above that reaches it, a run of non-blanks and then
// of blanks; 0 when there is none.
int TCustomSrcEdit::SmartTabWidth() const {
    int column = DisplayX();
    for (int line = caretY_ - 1; line >= 1; --line) {
        std::string above = lines_->ExpandedStrings(line - 1);
        if (LengthOf(above) < column) {
            continue;
        }
        int i = column;
        while (i <= LengthOf(above) && !IsBlank(above[static_cast<size_t>(i - 1)])) {
            ++i;
        }
        while (i <= LengthOf(above) && IsBlank(above[static_cast<size_t>(i - 1)])) {
            ++i;
        }
        return i - column;
    }
    return 0;
}

void TCustomSrcEdit::DoTabKey() {
    if (options_.Contains(eoTabIndent) && (SelTabBlock() || SelTabLine())) {
        bool wholeLine = SelTabLine();
        DoBlockIndent();
        if (wholeLine) {
            (BlockBegin() == blockBegin_ ? blockBegin_ : blockEnd_).Char = 1;
        }
        return;
    }
    int width = options_.Contains(eoSmartTabs) ? SmartTabWidth() : 0;
    bool smart = width > 0;
    TSrcUndoBlockGuard block(*this);
    if (SelAvail()) {
        DeleteSelectionRecorded();
    }
    int column = DisplayX();
    if (!smart) {
        width = options_.Contains(eoTabsToSpaces) ? tabWidth_ - (column - 1) % tabWidth_ : tabWidth_;
    }
    std::string inserted;
    if (options_.Contains(eoTabsToSpaces)) {
        inserted.assign(static_cast<size_t>(width), ' ');
    } else if (smart && OnlyBlanksBefore(LineText(), caretX_)) {
        int target = column + width;
        for (int stop = (column - 1) / tabWidth_ * tabWidth_ + tabWidth_ + 1; stop <= target; stop += tabWidth_) {
            inserted += '\t';
            column = stop;
        }
        inserted.append(static_cast<size_t>(target - column), ' ');
    } else {
        inserted = "\t";
    }
    TBufferCoord start = CaretXY();
    int padding = std::max(0, caretX_ - 1 - LengthOf(LineText()));
    WithScrollPastEol([&] {
        SetSelTextPrimitiveEx(activeSelectionMode_ == smColumn ? smColumn : smNormal, inserted, true);
        if (activeSelectionMode_ != smColumn) {
            AddChangeAfterPadding(crInsert, start, CaretXY(), std::string(), padding);
        }
        SetCaretXY(CaretXY());
    });
}

void TCustomSrcEdit::DoShiftTabKey() {
    if (options_.Contains(eoTabIndent) && (SelTabBlock() || SelTabLine())) {
        DoBlockUnindent();
        return;
    }
    std::string text = LineText();
    int len = LengthOf(text);
    int newX = caretX_;
    if (options_.Contains(eoSmartTabs) && caretX_ > 1) {
        for (int line = caretY_ - 1; line >= 1; --line) {
            std::string above = lines_->Get(line - 1);
            if (LengthOf(above) < caretX_ - 1) {
                continue;
            }
            int p = caretX_ - 1;
            while (p >= 1 && IsBlank(above[static_cast<size_t>(p - 1)])) {
                --p;
            }
            while (p >= 1 && !IsBlank(above[static_cast<size_t>(p - 1)])) {
                --p;
            }
            newX = p + 1;
            break;
        }
    }
    if (newX == caretX_ && caretX_ > 1) {
        int stop = (caretX_ - 2) / tabWidth_ * tabWidth_ + 1;
        if (caretX_ > len + 1) {
            newX = std::max(stop, len + 1);
        } else if (text[static_cast<size_t>(caretX_ - 2)] == '\t') {
            newX = caretX_ - 1;
        } else {
            while (newX > stop && text[static_cast<size_t>(newX - 2)] == ' ') {
                --newX;
            }
        }
    }
    // Only blanks and tabs go.
    for (int i = std::min(caretX_ - 1, len); i >= newX; --i) {
        if (!IsBlank(text[static_cast<size_t>(i - 1)])) {
            newX = i + 1;
            break;
        }
    }
    if (newX == caretX_) {
        return;
    }
    TBufferCoord oldCaret = CaretXY();
    std::string removed = StrCopy(text, newX, int64_t{std::min(caretX_, len + 1)} - newX);
    if (!removed.empty()) {
        text.erase(static_cast<size_t>(newX - 1), removed.size());
        ProperSetLine(caretY_ - 1, text);
    }
    undoList_->AddChange(crSilentDelete, BufferCoord(newX, caretY_), oldCaret, removed, smNormal);
    SetCaretXY(BufferCoord(newX, caretY_));
}
