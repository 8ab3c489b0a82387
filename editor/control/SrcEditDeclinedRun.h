#pragma once
#include "editor/text/SrcEditUndoList.h"

// The newest records of a list, down to the one at Bottom, that a region
// replay looked at and found to break no line. Replaying records from the
// top leaves that answer standing while the record at Bottom is still
// there, so a run is looked at once, not once per step.
class TSrcDeclinedRun {
public:
    // The newest record of List belongs to the run.
    bool Covers(const TSrcEditUndoList& List) const {
        return list_ == &List && bottom_ < List.ItemCount() && List.Items(bottom_) == item_;
    }
    void Remember(const TSrcEditUndoList& List, int Bottom) {
        list_ = &List;
        bottom_ = Bottom;
        item_ = List.Items(Bottom);
    }

private:
    const TSrcEditUndoList* list_ = nullptr;
    const TSrcEditUndoItem* item_ = nullptr;
    int bottom_ = 0;
};
