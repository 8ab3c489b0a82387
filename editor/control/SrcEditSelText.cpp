#include "editor/control/SrcEdit.h"
#include "editor/text/SrcEditStrCopy.h"

namespace {
const char kLineBreak[] = "\r\n";
}

std::string TCustomSrcEdit::LineAt(int Line) const {
    return Line >= 1 && Line <= lines_->Count() ? lines_->Get(Line - 1) : std::string();
}

std::string TCustomSrcEdit::GetSelText() const { return SelTextPadded(!options_.Contains(eoTrimTrailingSpaces)); }

// The text that deleting the selection removes: a column's pieces of short
// lines are not padded to its width.
std::string TCustomSrcEdit::DeletedSelText() const { return SelTextPadded(false); }

std::string TCustomSrcEdit::SelTextPadded(bool PadColumns) const {
    if (!SelAvail()) {
        return std::string();
    }
    TBufferCoord bb = BlockBegin();
    TBufferCoord be = BlockEnd();
    std::string result;
    switch (activeSelectionMode_) {
    case smNormal:
        if (bb.Line == be.Line) {
            return StrCopy(LineAt(bb.Line), bb.Char, int64_t{be.Char} - bb.Char);
        }
        result = StrCopyFrom(LineAt(bb.Line), bb.Char);
        for (int line = bb.Line + 1; line < be.Line; ++line) {
            result += kLineBreak;
            result += LineAt(line);
        }
        result += kLineBreak;
        result += StrCopy(LineAt(be.Line), 1, int64_t{be.Char} - 1);
        return result;
    case smColumn: {
        int64_t colFrom = std::min(bb.Char, be.Char);
        int64_t width = std::max(bb.Char, be.Char) - colFrom;
        for (int line = bb.Line; line <= be.Line; ++line) {
            std::string piece = StrCopy(LineAt(line), colFrom, width);
            if (PadColumns) {
                piece.resize(static_cast<size_t>(width), ' ');
            }
            result += piece;
            if (line < be.Line) {
                result += kLineBreak;
            }
        }
        return result;
    }
    case smLine:
        for (int line = bb.Line; line <= be.Line; ++line) {
            result += LineAt(line);
            if (line < lines_->Count()) {
                result += kLineBreak;
            }
        }
        return result;
    }
    return result;
}
