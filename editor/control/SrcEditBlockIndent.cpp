#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditUndoBlockGuard.h"

namespace {
TBufferCoord Shifted(TBufferCoord P, int DX) {
    P.Char = std::max(1, P.Char + DX);
    return P;
}

// The lines a block indent or unindent works on: from the block's first
// line to its last, less a last line that the block ends before.
struct TIndentBlock {
    explicit TIndentBlock(const TCustomSrcEdit& Edit)
        : Mode(Edit.ActiveSelectionMode()), Begin(Edit.BlockBegin()), End(Edit.BlockEnd()), Caret(Edit.CaretXY()),
          LastLine(End.Char == 1 && End.Line > Begin.Line ? End.Line - 1 : End.Line) {}
    TSrcSelectionMode Mode;
    TBufferCoord Begin;
    TBufferCoord End;
    TBufferCoord Caret;
    int LastLine;
};
}  // namespace

void TCustomSrcEdit::DoBlockIndent() {
    if (!SelAvail()) {
        return;
    }
    auto [mode, bb, be, caret, lastLine] = TIndentBlock(*this);
    bool caretAtBegin = caret == bb;
    std::string unit = options_.Contains(eoTabsToSpaces) ? std::string(static_cast<size_t>(tabWidth_), ' ') : "\t";
    int unitLen = LengthOf(unit);
    std::string block = unit;
    for (int line = bb.Line; line < lastLine; ++line) {
        block += "\r\n" + unit;
    }
    TBufferCoord at = BufferCoord(mode == smColumn ? std::min(bb.Char, be.Char) : 1, bb.Line);
    TBufferCoord newBB = Shifted(bb, unitLen);
    TBufferCoord newBE = lastLine == be.Line ? Shifted(be, unitLen) : be;
    {
        TSrcUndoBlockGuard undoBlock(*this);
        AddIndentSelection(mode, bb, be, caretAtBegin);
        InsertBlock(at, at, block, true);
        AddIndentSelection(mode, newBB, newBE, caretAtBegin);
    }
    TBufferCoord newCaret = caretAtBegin ? newBB : (lastLine == be.Line ? Shifted(caret, unitLen) : caret);
    TSrcEditorOptions saved = options_;
    options_.Include(eoScrollPastEol);
    TSrcSelectionMode savedMode = selectionMode_;
    selectionMode_ = mode;
    SetCaretAndSelection(newCaret, caretAtBegin ? newBE : newBB, caretAtBegin ? newBB : newBE);
    selectionMode_ = savedMode;
    options_ = saved;
}

// One leading tab, or up to TabWidth blanks and then a tab when fewer
// blanks were found; counted from FromChar.
int TCustomSrcEdit::UnindentWidth(const std::string& Line, int FromChar) const {
    int len = LengthOf(Line);
    int i = FromChar;
    if (i <= len && Line[static_cast<size_t>(i - 1)] == '\t') {
        return 1;
    }
    while (i <= len && i - FromChar < tabWidth_ && Line[static_cast<size_t>(i - 1)] == ' ') {
        ++i;
    }
    if (i - FromChar < tabWidth_ && i <= len && Line[static_cast<size_t>(i - 1)] == '\t') {
        ++i;
    }
    return i - FromChar;
}

void TCustomSrcEdit::DoBlockUnindent() {
    if (!SelAvail()) {
        return;
    }
    auto [mode, bb, be, caret, lastLine] = TIndentBlock(*this);
    int from = mode == smColumn ? std::min(bb.Char, be.Char) : 1;
    std::vector<int> widths;
    std::string removed;
    bool any = false;
    for (int line = bb.Line; line <= lastLine; ++line) {
        std::string text = LineAt(line);
        int width = UnindentWidth(text, from);
        widths.push_back(width);
        removed += (line > bb.Line ? "\r\n" : "") + text.substr(std::min(text.size(), static_cast<size_t>(from - 1)),
                                                              static_cast<size_t>(width));
        any = any || width > 0;
    }
    if (!any) {
        return;
    }
    TSrcUndoBlockGuard undoBlock(*this);
    bool caretAtBegin = caret == bb;
    AddIndentSelection(mode, bb, be, caretAtBegin);
    for (int line = bb.Line; line <= lastLine; ++line) {
        int width = widths[static_cast<size_t>(line - bb.Line)];
        if (width > 0) {
            std::string text = LineAt(line);
            text.erase(static_cast<size_t>(from - 1), static_cast<size_t>(width));
            ProperSetLine(line - 1, text);
        }
    }
    undoList_->AddChange(crUnindent, bb, be, removed, mode);
    TBufferCoord newBB = bb;
    TBufferCoord newBE = be;
    if (mode != smColumn) {
        newBB = Shifted(bb, -widths.front());
        newBE = lastLine == be.Line ? Shifted(be, -widths.back()) : be;
        if (caret.Char > 1 && caret.Line >= bb.Line && caret.Line <= lastLine) {
            caret = Shifted(caret, -widths[static_cast<size_t>(caret.Line - bb.Line)]);
        }
    }
    AddIndentSelection(mode, newBB, newBE, caretAtBegin);
    TSrcSelectionMode savedMode = selectionMode_;
    selectionMode_ = mode;
    SetCaretAndSelection(caret, caretAtBegin ? newBE : newBB, caretAtBegin ? newBB : newBE);
    selectionMode_ = savedMode;
}

// A selection record of a block indent or unindent: undo and redo select
// start..end with the caret at end, so the caret's end goes last.
void TCustomSrcEdit::AddIndentSelection(TSrcSelectionMode Mode, const TBufferCoord& BB, const TBufferCoord& BE,
                                        bool CaretAtBegin) {
    undoList_->AddChange(crIndent, CaretAtBegin ? BE : BB, CaretAtBegin ? BB : BE, std::string(), Mode);
}
