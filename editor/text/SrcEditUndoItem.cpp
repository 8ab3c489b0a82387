#include "editor/text/SrcEditUndoItem.h"

#include <algorithm>

#include "editor/text/SrcEditTextPieces.h"

void TSrcEditUndoItem::Assign(const TPersistent* Source) {
    auto* item = dynamic_cast<const TSrcEditUndoItem*>(Source);
    if (!item) {
        TPersistent::Assign(Source);
        return;
    }
    ChangeReason = item->ChangeReason;
    ChangeSelMode = item->ChangeSelMode;
    ChangeStartPos = item->ChangeStartPos;
    ChangeEndPos = item->ChangeEndPos;
    ChangeStr = item->ChangeStr;
    ChangeNumber = item->ChangeNumber;
}

TBufferCoord InsertionStart(const TSrcEditUndoItem& Item) {
    if (Item.ChangeSelMode != smColumn) {
        return Item.ChangeStartPos;
    }
    return BufferCoord(std::min(Item.ChangeStartPos.Char, Item.ChangeEndPos.Char), Item.ChangeStartPos.Line);
}

TBufferCoord InsertionEnd(const TSrcEditUndoItem& Item, const TBufferCoord& Caret) {
    if (Item.ChangeSelMode != smColumn) {
        return Caret;
    }
    size_t widest = 0;
    for (const std::string& row : SplitTextPieces(Item.ChangeStr)) {
        widest = std::max(widest, row.size());
    }
    const int64_t right = InsertionStart(Item).Char + static_cast<int64_t>(widest);
    return BufferCoord(static_cast<int32_t>(std::max<int64_t>(Caret.Char, right)), Caret.Line);
}
