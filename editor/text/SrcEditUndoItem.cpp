#include "editor/text/SrcEditUndoItem.h"

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
