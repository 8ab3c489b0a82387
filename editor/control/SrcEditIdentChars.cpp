#include "editor/control/SrcEdit.h"
#include "editor/highlight/SrcCustomHighlighter.h"

namespace {
TSrcCharSet DefaultIdentChars() {
    TSrcCharSet chars = CharRange('0', '9') | CharRange('A', 'Z') | CharRange('a', 'z') | CharSetOf("_") |
                        CharRange(192, 214) | CharRange(216, 246) | CharRange(248, 255);
    return chars & ~SrcDefaultWordBreakChars();
}
}  // namespace

void TCustomSrcEdit::PrepareIdentChars(TSrcCharSet& IdentChars, TSrcCharSet& WhiteChars) const {
    if (highlighter_) {
        IdentChars = highlighter_->IdentChars() & ~highlighter_->WordBreakChars();
    } else {
        IdentChars = DefaultIdentChars();
    }
    WhiteChars = CharRange(1, 255) & ~IdentChars;
}
