#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditPaintLockGuard.h"
#include "editor/text/SrcEditStrCopy.h"
#include "editor/text/SrcEditTextPieces.h"
#include "editor/text/SrcMiscProcs.h"

void TCustomSrcEdit::SetSelTextPrimitive(const std::string& Value) {
    SetSelTextPrimitiveEx(activeSelectionMode_, Value, true);
}

void TCustomSrcEdit::SetSelTextPrimitiveEx(TSrcSelectionMode PasteMode, const std::string& Value,
                                           bool AddToUndoList) {
    TSrcPaintLockGuard lock(*this);
    TStringsUpdate update(*lines_);
    bool inserting = HasText(Value);
    RemoveSelection(!inserting);
    if (inserting) {
        InsertText(PasteMode, Value, AddToUndoList);
    }
    if (caretY_ < 1) {
        InternalSetCaretY(1);
    }
}

// Deletes the selection and puts the caret at its begin. Text that takes
// the selection's place keeps the blanks before it: Trim is false then.
void TCustomSrcEdit::RemoveSelection(bool Trim) {
    if (!SelAvail()) {
        return;
    }
    TBufferCoord bb = BlockBegin();
    TBufferCoord be = BlockEnd();
    DeleteSelection(bb, be, Trim);
    InternalSetCaretXY(bb);
}

void TCustomSrcEdit::ProperSetLine(int ALine, const std::string& ALineText) {
    if (options_.Contains(eoTrimTrailingSpaces)) {
        PutLineTrimmed(ALine, ALineText);
    } else {
        lines_->Put(ALine, ALineText);
    }
}

// BB and BE are ordered; a column deletion leaves BB at the rectangle's
// left column, a line deletion at column 1.
void TCustomSrcEdit::DeleteSelection(TBufferCoord& BB, TBufferCoord& BE, bool Trim) {
    switch (activeSelectionMode_) {
    case smNormal: {
        if (lines_->Count() == 0) {
            return;
        }
        const std::string kept = StrCopy(LineAt(BB.Line), 1, int64_t{BB.Char} - 1);
        std::string joined = kept + StrCopyFrom(LineAt(BE.Line), BE.Char);
        lines_->DeleteLines(BB.Line, BE.Line - BB.Line);
        if (Trim && options_.Contains(eoScrollPastEol) && options_.Contains(eoTrimTrailingSpaces)) {
            PutLineTrimmed(BB.Line - 1, joined);
        } else {
            lines_->Put(BB.Line - 1, joined);
        }
        InternalSetCaretXY(BB);
        // The joined text follows the kept text, also when BB lies past its end.
        DoLinesJoined(BufferCoord(LengthOf(kept) + 1, BB.Line), BE);
        break;
    }
    case smColumn: {
        if (BB.Char > BE.Char) {
            std::swap(BB.Char, BE.Char);
        }
        for (int line = BB.Line; line <= std::min(BE.Line, lines_->Count()); ++line) {
            std::string text = LineAt(line);
            text = StrCopy(text, 1, int64_t{BB.Char} - 1) + StrCopyFrom(text, BE.Char);
            if (Trim) {
                ProperSetLine(line - 1, text);
            } else {
                lines_->Put(line - 1, text);
            }
        }
        InternalSetCaretXY(BufferCoord(BB.Char, blockEnd_.Line));
        break;
    }
    case smLine:
        if (BE.Line >= lines_->Count()) {
            lines_->Put(BE.Line - 1, std::string());
            lines_->DeleteLines(BB.Line - 1, BE.Line - BB.Line);
        } else {
            lines_->DeleteLines(BB.Line - 1, BE.Line - BB.Line + 1);
        }
        BB.Char = 1;
        InternalSetCaretXY(BB);
        DoLinesDeleted(BB.Line, BE.Line - BB.Line + 1);
        break;
    }
}

void TCustomSrcEdit::InsertText(TSrcSelectionMode PasteMode, const std::string& Value, bool AddToUndoList) {
    int startLine = caretY_;
    int startCol = caretX_;
    int added = 0;
    switch (PasteMode) {
    case smNormal:
        added = InsertNormal(Value);
        break;
    case smColumn:
        added = InsertColumn(Value, AddToUndoList);
        break;
    case smLine:
        added = InsertLine(Value);
        break;
    }
    if (added > 0) {
        if (PasteMode == smNormal && startCol > 1) {
            ++startLine;
        } else if (PasteMode == smColumn) {
            startLine = lines_->Count() - added + 1;  // the lines it appended
        }
        DoLinesInserted(startLine, added);
    }
    InternalSetCaretXY(CaretXY());
}
