#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/text/SrcMiscProcs.h"

namespace {
bool InSet(const TSrcCharSet& Set, const std::string& Line, int Char) {
    return Set.test(static_cast<unsigned char>(Line[static_cast<size_t>(Char - 1)]));
}

// A position's line, read in place, with the word and white characters;
// false outside the buffer.
struct TWordLine {
    const std::string* Text = nullptr;
    TSrcCharSet Ident;
    TSrcCharSet White;
    bool Read(const TCustomSrcEdit& Edit, const TBufferCoord& XY) {
        if (XY.Line < 1 || XY.Line > Edit.Lines().Count()) {
            return false;
        }
        Edit.PrepareIdentChars(Ident, White);
        Text = &Edit.Lines().Line(XY.Line - 1);
        return true;
    }
};
}  // namespace

TBufferCoord TCustomSrcEdit::NextWordPosEx(const TBufferCoord& XY) const {
    TWordLine w;
    if (!w.Read(*this, XY)) {
        return XY;
    }
    const std::string& line = *w.Text;
    int len = ClampToInt32(static_cast<int64_t>(line.size()));
    if (XY.Char >= 1 && XY.Char < len) {
        int x = XY.Char;
        if (InSet(w.Ident, line, x)) {
            x = StrScanForCharInSet(line, x, w.White);
        }
        if (x > 0) {
            x = StrScanForCharInSet(line, x, w.Ident);
        }
        return BufferCoord(x > 0 ? x : len + 1, XY.Line);
    }
    if (XY.Line < lines_->Count()) {
        return BufferCoord(std::max(1, StrScanForCharInSet(lines_->Line(XY.Line), 1, w.Ident)), XY.Line + 1);
    }
    return XY;
}

TBufferCoord TCustomSrcEdit::PrevWordPosEx(const TBufferCoord& XY) const {
    TWordLine w;
    if (!w.Read(*this, XY)) {
        return XY;
    }
    const std::string& line = *w.Text;
    int x = std::min(XY.Char, LengthPlusOne(line));
    if (x > 1) {
        if (InSet(w.White, line, x - 1)) {
            x = StrRScanForCharInSet(line, x - 1, w.Ident);
        }
        if (x > 0) {
            x = StrRScanForCharInSet(line, x - 1, w.White) + 1;
        }
        if (x > 0) {
            return BufferCoord(x, XY.Line);
        }
    }
    if (XY.Line > 1) {
        return BufferCoord(LengthPlusOne(lines_->Line(XY.Line - 2)), XY.Line - 1);
    }
    return BufferCoord(1, XY.Line);
}

TBufferCoord TCustomSrcEdit::WordStartEx(const TBufferCoord& XY) const {
    TWordLine w;
    if (!w.Read(*this, XY)) {
        return XY;
    }
    const std::string& line = *w.Text;
    int x = std::min(XY.Char, LengthPlusOne(line));
    if (x > 1 && !InSet(w.White, line, x - 1)) {
        x = StrRScanForCharInSet(line, x - 1, w.White) + 1;
    }
    return BufferCoord(x, XY.Line);
}

TBufferCoord TCustomSrcEdit::WordEndEx(const TBufferCoord& XY) const {
    TWordLine w;
    if (!w.Read(*this, XY)) {
        return XY;
    }
    const std::string& line = *w.Text;
    int x = XY.Char >= 1 ? StrScanForCharInSet(line, XY.Char, w.White) : 0;
    return BufferCoord(x > 0 ? x : LengthPlusOne(line), XY.Line);
}

std::string TCustomSrcEdit::GetWordAtCursor() const {
    TBufferCoord start = WordStart();
    TBufferCoord end = WordEnd();
    if (end.Char <= start.Char) {
        return std::string();
    }
    const std::string& line = lines_->Line(caretY_ - 1);
    return line.substr(static_cast<size_t>(start.Char - 1), static_cast<size_t>(end.Char - start.Char));
}
