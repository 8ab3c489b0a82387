#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditUndoGuards.h"
#include "editor/text/SrcMiscProcs.h"

// With eoTrimTrailingSpaces an edit can trim blanks that stood before text
// it removed. Undo needs them back where older records put text after
// them, so each trim an edit makes (under the paint lock, as every edit
// runs) is recorded as a silent deletion after the cursor. Most edits
// record their change after making it: a trim is recorded after that
// record, when the next record comes. An edit recorded before it is made
// records its trims itself once done; trims of an edit that records
// nothing are dropped when the paint lock ends.

// Blanks of text inserted at InsertedFrom..InsertedTo are not recorded:
// the insertion's record ends where the trimmed text does, and undoing it
// would leave them behind.
void TCustomSrcEdit::PutLineTrimmed(int ALine, const std::string& ALineText, size_t InsertedFrom,
                                    size_t InsertedTo) {
    if (ALine + 1 == untrimmedLine_) {
        lines_->Put(ALine, ALineText);
        return;
    }
    std::string trimmed = TrimTrailingSpaces(ALineText);
    if (trimmed.size() < ALineText.size() && paintLock_ > 0) {
        std::string blanks;
        for (size_t i = trimmed.size(); i < ALineText.size(); ++i) {
            if (i < InsertedFrom || i >= InsertedTo) {
                blanks += ALineText[i];
            }
        }
        if (!blanks.empty()) {
            trimmedBlanks_.push_back({BufferCoord(LengthOf(trimmed) + 1, ALine + 1), blanks});
        }
    }
    lines_->Put(ALine, trimmed);
}

// The records join the change they belong to: an open undo block's, else
// the newest record's (JoinNewest) or the one that comes next.
void TCustomSrcEdit::RecordTrimmedBlanks(bool JoinNewest) {
    std::vector<TSrcTrimmedBlanks> pending;
    pending.swap(trimmedBlanks_);
    for (const TSrcTrimmedBlanks& blanks : pending) {
        int number = undoList_->BlockChangeNumber();
        if (number == 0) {
            TSrcEditUndoItem* newest = undoList_->PeekItem();
            number = JoinNewest && newest && newest->ChangeReason != crGroupBreak ? newest->ChangeNumber
                                                                                   : undoList_->NextChangeNumber();
        }
        TSrcForcedChangeNumber forced(*undoList_, number);
        TBufferCoord end = BufferCoord(ClampToInt32(int64_t{blanks.At.Char} + LengthOf(blanks.Text)), blanks.At.Line);
        undoList_->AddChange(crSilentDeleteAfterCursor, blanks.At, end, blanks.Text, smNormal);
    }
}
