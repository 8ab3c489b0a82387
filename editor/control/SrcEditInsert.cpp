#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/text/SrcEditStrCopy.h"
#include "editor/text/SrcEditTextPieces.h"
#include "editor/text/SrcMiscProcs.h"

// A line holding inserted text at InsertedFrom..InsertedTo, stored as
// ProperSetLine does.
void TCustomSrcEdit::PutInsertedLine(int ALine, const std::string& ALineText, size_t InsertedFrom,
                                     size_t InsertedTo) {
    if (options_.Contains(eoTrimTrailingSpaces)) {
        PutLineTrimmed(ALine, ALineText, InsertedFrom, InsertedTo);
    } else {
        lines_->Put(ALine, ALineText);
    }
}

int TCustomSrcEdit::InsertNormal(const std::string& Value) {
    std::vector<std::string> pieces = SplitTextPieces(Value);
    std::string line = LineText();
    std::string left = StrCopy(line, 1, int64_t{caretX_} - 1);
    left.resize(static_cast<size_t>(caretX_ - 1), ' ');
    std::string right = StrCopyFrom(line, caretX_);
    int added = static_cast<int>(pieces.size()) - 1;
    if (added == 0) {
        lines_->Put(caretY_ - 1, left + pieces[0] + right);
    } else {
        PutInsertedLine(caretY_ - 1, left + pieces[0], left.size(), left.size() + pieces[0].size());
        lines_->InsertLines(caretY_, added);
        bool trim = options_.Contains(eoTrimTrailingSpaces);
        for (size_t i = 1; i < pieces.size(); ++i) {
            ++caretY_;
            statusChanges_.Include(scCaretY);
            if (i + 1 == pieces.size()) {
                PutInsertedLine(caretY_ - 1, pieces[i] + right, 0, pieces[i].size());
            } else {
                // A whole new line: undoing the insertion deletes it, trim and all.
                lines_->Put(caretY_ - 1, trim ? TrimTrailingSpaces(pieces[i]) : pieces[i]);
            }
        }
    }
    std::string stored = lines_->Get(caretY_ - 1);
    // A single line is stored untrimmed, its blanks after the text included.
    if (!options_.Contains(eoTrimTrailingSpaces) || added == 0) {
        caretX_ = LengthPlusOne(stored) - static_cast<int>(right.size());
    } else {
        // Right after the inserted text, or the line's end where a trim took its blanks.
        caretX_ = std::min(LengthPlusOne(pieces.back()), LengthPlusOne(stored));
    }
    StatusChanged({scCaretX});
    return added;
}

int TCustomSrcEdit::InsertColumn(const std::string& Value, bool AddToUndoList) {
    std::vector<std::string> pieces = SplitTextPieces(Value);
    int insertPos = caretX_;
    int added = 0;
    if (lines_->Count() == 0) {
        // A page without lines has one empty line, as typing finds it: not
        // recorded, no mark moves.
        lines_->Add(std::string());
    }
    for (size_t i = 0; i < pieces.size(); ++i) {
        const std::string& piece = pieces[i];
        if (!piece.empty()) {
            std::string text;
            int padding = 0;  // blanks that lengthen a short line up to the column
            if (caretY_ <= lines_->Count()) {
                text = lines_->Get(caretY_ - 1);
                padding = std::max(0, insertPos - 1 - LengthOf(text));
                text.append(static_cast<size_t>(padding), ' ');
                text.insert(static_cast<size_t>(insertPos - 1), piece);
            } else {
                while (lines_->Count() < caretY_) {
                    int previous = lines_->Count();
                    if (AddToUndoList && previous >= 1) {
                        TBufferCoord lineBreak = BufferCoord(LengthPlusOne(lines_->Get(previous - 1)), previous);
                        // Both ends at the line's end: undo deletes the line added after it,
                        // redo adds an empty one again (a replayed Enter would indent it).
                        undoList_->AddChange(crLineBreak, lineBreak, lineBreak, std::string(), smNormal);
                    }
                    lines_->Add(std::string());
                    ++added;
                }
                text = std::string(static_cast<size_t>(insertPos - 1), ' ') + piece;
            }
            int padFrom = insertPos - 1 - padding;
            PutInsertedLine(caretY_ - 1, text, static_cast<size_t>(padFrom), static_cast<size_t>(insertPos - 1));
            if (AddToUndoList) {
                // The padding a trim left, recorded before the piece: undo takes it after.
                int kept = std::clamp(LengthOf(lines_->Get(caretY_ - 1)) - padFrom, 0, padding);
                AddPaddingRecord(BufferCoord(padFrom + kept + 1, caretY_), kept);
                undoList_->AddChange(crPaste, BufferCoord(insertPos, caretY_),
                                     BufferCoord(ClampToInt32(int64_t{insertPos} + static_cast<int64_t>(piece.size())), caretY_),
                                     std::string(), smColumn);
            }
        }
        if (i + 1 < pieces.size()) {
            ++caretY_;
            statusChanges_.Include(scCaretY);
        }
    }
    caretX_ = ClampToInt32(int64_t{caretX_} + static_cast<int64_t>(pieces.back().size()));
    statusChanges_.Include(scCaretX);
    return added;
}

int TCustomSrcEdit::InsertLine(const std::string& Value) {
    std::vector<std::string> pieces = SplitTextPieces(Value);
    int added = 0;
    caretX_ = 1;
    for (size_t i = 0; i + 1 < pieces.size(); ++i) {
        lines_->Insert(caretY_ - 1, pieces[i]);
        ++caretY_;
        statusChanges_.Include(scCaretY);
        ++added;
    }
    const std::string& last = pieces.back();
    std::string text = caretY_ <= lines_->Count() ? last + lines_->Get(caretY_ - 1) : last;
    PutInsertedLine(caretY_ - 1, text, 0, last.size());
    caretX_ = LengthPlusOne(last);
    StatusChanged({scCaretX});
    return added;
}
