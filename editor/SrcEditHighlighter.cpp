#include "editor/SrcEdit.h"

// The highlighter base is not in the tree yet: no control has one.
void TCustomSrcEdit::SetHighlighter(TSrcCustomHighlighter* Value) { highlighter_ = Value; }

int TCustomSrcEdit::ScanFrom(int Index) { return Index; }

void TCustomSrcEdit::ScanRanges() {}
