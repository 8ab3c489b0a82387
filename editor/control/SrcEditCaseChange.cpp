#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditUndoBlockGuard.h"
#include "editor/text/SrcCharCase.h"

namespace {
std::string Converted(TSrcEditorCommand Cmd, std::string Text) {
    switch (Cmd) {
    case ecUpperCase:
    case ecUpperCaseBlock:
        return SrcUpperCase(std::move(Text));
    case ecLowerCase:
    case ecLowerCaseBlock:
        return SrcLowerCase(std::move(Text));
    case ecToggleCase:
    case ecToggleCaseBlock:
        for (char& c : Text) {
            c = c == SrcUpCase(c) ? SrcLowCase(c) : SrcUpCase(c);
        }
        return Text;
    default:  // ecTitleCase
        Text = SrcLowerCase(std::move(Text));
        if (!Text.empty()) {
            Text[0] = SrcUpCase(Text[0]);
        }
        return Text;
    }
}

bool IsWordCommand(TSrcEditorCommand Cmd) { return Cmd >= ecUpperCase && Cmd <= ecTitleCase; }
}  // namespace

// Commands 620 to 627 except 624, which has no meaning and does nothing.
void TCustomSrcEdit::DoCaseChange(TSrcEditorCommand Cmd) {
    if (Cmd < ecUpperCase || Cmd > ecToggleCaseBlock || Cmd == ecTitleCase + 1) {
        return;
    }
    TBufferCoord oldCaret = CaretXY();
    TBufferCoord oldBegin = blockBegin_;
    TBufferCoord oldEnd = blockEnd_;
    bool hadSelection = SelAvail();
    TSrcSelectionMode savedMode = selectionMode_;
    if (IsWordCommand(Cmd)) {
        selectionMode_ = smNormal;
        for (int attempt = 0; attempt < 3; ++attempt) {
            SetBlockBegin(WordStart());
            SetBlockEnd(WordEnd());
            if (SelAvail() || attempt == 2) {
                break;
            }
            InternalSetCaretXY(PrevWordPos());
        }
        selectionMode_ = savedMode;
    } else if (!hadSelection) {
        if (caretX_ <= static_cast<int64_t>(LineText().size())) {
            selectionMode_ = smNormal;
            SetBlockBegin(CaretXY());
            SetBlockEnd(BufferCoord(caretX_ + 1, caretY_));
            selectionMode_ = savedMode;
        } else if (caretY_ < lines_->Count()) {
            SetCaretXY(BufferCoord(1, caretY_ + 1));
            return;
        }
    }
    if (SelAvail()) {
        TSrcUndoBlockGuard block(*this);
        undoList_->AddChange(crSelection, hadSelection ? oldBegin : oldCaret, hadSelection ? oldEnd : oldCaret,
                             std::string(), activeSelectionMode_);
        undoList_->AddChange(crCaret, oldCaret, oldCaret, std::string(), activeSelectionMode_);
        ConvertSelectionCase(Cmd);
    }
    if (IsWordCommand(Cmd)) {
        SetCaretXY(oldCaret);
    } else if (hadSelection) {
        SetCaretAndSelection(oldCaret, oldBegin, oldEnd);
    }
}

// The selection's text converted where it stands: the lines and their
// lengths stay, so marks stay too. One record holds the old text, as an
// overwrite's does; whole lines are recorded as the normal range they
// span, as a line paste's record is. The caret ends after the selection.
void TCustomSrcEdit::ConvertSelectionCase(TSrcEditorCommand Cmd) {
    TBufferCoord bb = BlockBegin();
    TBufferCoord be = BlockEnd();
    TSrcSelectionMode mode = activeSelectionMode_;
    TBufferCoord caret = be;
    if (mode == smLine) {
        bb.Char = 1;
        be = be.Line < lines_->Count() ? BufferCoord(1, be.Line + 1)
                                       : BufferCoord(LengthOf(LineAt(be.Line)) + 1, be.Line);
    }
    TSrcSelectionMode recorded = mode == smColumn ? smColumn : smNormal;
    std::string old;
    if (ReplaceInPlace(recorded, bb, be, [Cmd](const std::string& Text) { return Converted(Cmd, Text); }, old)) {
        undoList_->AddChange(crInsert, bb, be, old, recorded);
    }
    SelectIn(mode, caret, caret, caret);
}
