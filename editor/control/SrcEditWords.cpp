#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/text/SrcMiscProcs.h"

namespace {
int LengthPlusOne(const std::string& s) { return ClampToInt32(static_cast<int64_t>(s.size()) + 1); }
bool InSet(const TSrcCharSet& Set, const std::string& Line, int Char) {
    return Set.test(static_cast<unsigned char>(Line[static_cast<size_t>(Char - 1)]));
}
}  // namespace

TBufferCoord TCustomSrcEdit::NextWordPosEx(const TBufferCoord& XY) const {
    if (XY.Line < 1 || XY.Line > lines_->Count()) {
        return XY;
    }
    TSrcCharSet ident, white;
    PrepareIdentChars(ident, white);
    std::string line = lines_->Get(XY.Line - 1);
    int len = ClampToInt32(static_cast<int64_t>(line.size()));
    if (XY.Char >= 1 && XY.Char < len) {
        int x = XY.Char;
        if (InSet(ident, line, x)) {
            x = StrScanForCharInSet(line, x, white);
        }
        if (x > 0) {
            x = StrScanForCharInSet(line, x, ident);
        }
        return BufferCoord(x > 0 ? x : len + 1, XY.Line);
    }
    if (XY.Line < lines_->Count()) {
        return BufferCoord(std::max(1, StrScanForCharInSet(lines_->Get(XY.Line), 1, ident)), XY.Line + 1);
    }
    return XY;
}

TBufferCoord TCustomSrcEdit::PrevWordPosEx(const TBufferCoord& XY) const {
    if (XY.Line < 1 || XY.Line > lines_->Count()) {
        return XY;
    }
    TSrcCharSet ident, white;
    PrepareIdentChars(ident, white);
    std::string line = lines_->Get(XY.Line - 1);
    int x = std::min(XY.Char, LengthPlusOne(line));
    if (x > 1) {
        if (InSet(white, line, x - 1)) {
            x = StrRScanForCharInSet(line, x - 1, ident);
        }
        if (x > 0) {
            x = StrRScanForCharInSet(line, x - 1, white) + 1;
        }
        if (x > 0) {
            return BufferCoord(x, XY.Line);
        }
    }
    if (XY.Line > 1) {
        return BufferCoord(LengthPlusOne(lines_->Get(XY.Line - 2)), XY.Line - 1);
    }
    return BufferCoord(1, XY.Line);
}

TBufferCoord TCustomSrcEdit::WordStartEx(const TBufferCoord& XY) const {
    if (XY.Line < 1 || XY.Line > lines_->Count()) {
        return XY;
    }
    TSrcCharSet ident, white;
    PrepareIdentChars(ident, white);
    std::string line = lines_->Get(XY.Line - 1);
    int x = std::min(XY.Char, LengthPlusOne(line));
    if (x > 1 && !InSet(white, line, x - 1)) {
        x = StrRScanForCharInSet(line, x - 1, white) + 1;
    }
    return BufferCoord(x, XY.Line);
}

TBufferCoord TCustomSrcEdit::WordEndEx(const TBufferCoord& XY) const {
    if (XY.Line < 1 || XY.Line > lines_->Count()) {
        return XY;
    }
    TSrcCharSet ident, white;
    PrepareIdentChars(ident, white);
    std::string line = lines_->Get(XY.Line - 1);
    int x = XY.Char >= 1 ? StrScanForCharInSet(line, XY.Char, white) : 0;
    return BufferCoord(x > 0 ? x : LengthPlusOne(line), XY.Line);
}

std::string TCustomSrcEdit::GetWordAtCursor() const {
    TBufferCoord start = WordStart();
    TBufferCoord end = WordEnd();
    if (end.Char <= start.Char) {
        return std::string();
    }
    return LineText().substr(static_cast<size_t>(start.Char - 1), static_cast<size_t>(end.Char - start.Char));
}
