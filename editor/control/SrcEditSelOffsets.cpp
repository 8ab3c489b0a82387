#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"

namespace {
constexpr int64_t kLineBreakLength = 2;
}

int TCustomSrcEdit::RowColToCharIndex(TBufferCoord RowCol) const {
    int lastLine = std::min(RowCol.Line, lines_->Count() + 1);
    int64_t index = 0;
    for (int i = 0; i < lastLine - 1; ++i) {
        index += static_cast<int64_t>(lines_->Get(i).size()) + kLineBreakLength;
    }
    return ClampToInt32(index + RowCol.Char - 1);
}

TBufferCoord TCustomSrcEdit::CharIndexToRowCol(int Index) const {
    int64_t rest = std::max(Index, 0);
    int count = lines_->Count();
    for (int line = 0; line < count; ++line) {
        int64_t length = static_cast<int64_t>(lines_->Get(line).size());
        if (rest < length + kLineBreakLength) {
            return BufferCoord(ClampToInt32(rest + 1), line + 1);
        }
        rest -= length + kLineBreakLength;
    }
    return BufferCoord(1, count + 1);
}

int TCustomSrcEdit::SelStart() const { return RowColToCharIndex(SelAvail() ? BlockBegin() : CaretXY()); }

void TCustomSrcEdit::SetSelStart(int Value) { SetCaretXY(CharIndexToRowCol(Value)); }

int TCustomSrcEdit::SelEnd() const { return RowColToCharIndex(SelAvail() ? BlockEnd() : CaretXY()); }

void TCustomSrcEdit::SetSelEnd(int Value) { SetBlockEnd(CharIndexToRowCol(Value)); }

int TCustomSrcEdit::SelLength() const { return SelEnd() - SelStart(); }

void TCustomSrcEdit::SetSelLength(int Value) {
    // A target before the text selects back to its start.
    int64_t target = int64_t{RowColToCharIndex(blockBegin_)} + Value;
    SetBlockEnd(CharIndexToRowCol(ClampToInt32(std::max<int64_t>(target, 0))));
}
