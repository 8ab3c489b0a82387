#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditMark.h"
#include "editor/control/SrcEditMarkList.h"
#include "editor/control/SrcEditPaintLockGuard.h"
#include "editor/control/SrcEditPlugin.h"

// Lines First.. (1-based) of which the first OldCount become NewLines (at
// least as many): the old ones are stored over and the rest inserted at
// once after them. With MarksTo, the marks of old line First + i go to
// line First + MarksTo[i], those below the region down by the lines added.
void TCustomSrcEdit::PutLineRegion(int First, int OldCount, const std::vector<std::string>& NewLines,
                                   const std::vector<int>* MarksTo) {
    TSrcPaintLockGuard lock(*this);
    const int newCount = static_cast<int>(NewLines.size());
    const int added = newCount - OldCount;
    {
        TStringsUpdate update(*lines_);
        for (int i = 0; i < OldCount; ++i) {
            lines_->Put(First - 1 + i, NewLines[static_cast<size_t>(i)]);
        }
        if (added > 0) {
            lines_->InsertLines(First - 1 + OldCount, added);
            for (int i = OldCount; i < newCount; ++i) {
                lines_->Put(First - 1 + i, NewLines[static_cast<size_t>(i)]);
            }
        }
    }
    if (!MarksTo) {
        return;
    }
    for (int i = 0; i < marks_->Count(); ++i) {
        TSrcEditMark* mark = marks_->Items(i);
        if (mark->Line() >= First + OldCount) {
            mark->SetLine(mark->Line() + added);
        } else if (mark->Line() >= First) {
            mark->SetLine(First + (*MarksTo)[static_cast<size_t>(mark->Line() - First)]);
        }
    }
    if (added > 0) {
        for (TSrcEditPlugin* plugin : PluginSnapshot()) {
            plugin->LinesInserted(First + OldCount, added);
        }
    }
}
