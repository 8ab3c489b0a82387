#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditDeclinedRun.h"
#include "editor/control/SrcEditPaintLockGuard.h"
#include "editor/control/SrcEditUndoGuards.h"

namespace {
bool IsEndMarker(TSrcChangeReason Reason) {
    return Reason == crAutoCompleteEnd || Reason == crPasteEnd || Reason == crSpecial1End || Reason == crSpecial2End;
}

bool IsBeginMarker(TSrcChangeReason Reason) {
    return Reason == crAutoCompleteBegin || Reason == crPasteBegin || Reason == crSpecial1Begin ||
           Reason == crSpecial2Begin;
}

// Begin and end markers of one kind are neighbours in the reason list.
TSrcChangeReason MatchingMarker(TSrcChangeReason Reason) {
    return static_cast<TSrcChangeReason>(IsEndMarker(Reason) ? Reason - 1 : Reason + 1);
}

// Replays one group from From (whose records Step pops, answering the
// reason of the last) while To's records take the group's number. IsStart
// tells a marker group's start.
template <typename TStep>
void ReplayGroup(TSrcEditUndoList& From, TSrcEditUndoList& To, bool GroupUndo, bool (*IsStart)(TSrcChangeReason),
                 TStep Step) {
    TSrcChangeReason first = From.LastChangeReason();
    bool markerGroup = IsStart(first);
    TSrcForcedChangeNumber forced(To, From.PeekItem()->ChangeNumber);
    int number = From.PeekItem()->ChangeNumber;
    while (true) {
        TSrcChangeReason done = Step();
        TSrcEditUndoItem* next = From.PeekItem();
        if (!next) {
            break;
        }
        if (markerGroup) {
            if (next->ChangeReason == MatchingMarker(first)) {
                Step();  // the closing marker
                break;
            }
            continue;
        }
        if (next->ChangeNumber == number) {
            continue;
        }
        if (!(GroupUndo && next->ChangeReason == done && done != crIndent && done != crUnindent)) {
            break;
        }
        number = next->ChangeNumber;  // a command grouped in goes whole
    }
}

// A group break at the top of From moves to To.
void MoveGroupBreak(TSrcEditUndoList& From, TSrcEditUndoList& To) {
    if (From.LastChangeReason() != crGroupBreak) {
        return;
    }
    To.PushItem(From.PopItem());
}
}  // namespace

void TCustomSrcEdit::Undo() {
    if (ReadOnly()) {
        return;
    }
    MoveGroupBreak(*undoList_, *redoList_);
    if (undoList_->CanUndo()) {
        ReplayUndoGroup(false);
    }
}

void TCustomSrcEdit::Redo() {
    if (ReadOnly() || !redoList_->CanUndo()) {
        return;
    }
    ReplayUndoGroup(true);
}

// One group under one paint lock; the caret is scrolled into view at the end.
void TCustomSrcEdit::ReplayUndoGroup(bool Redoing) {
    {
        TSrcPaintLockGuard lock(*this);
        bool saved = replayingUndo_;
        replayingUndo_ = true;
        try {
            TSrcDeclinedRun declined;
            if (Redoing) {
                ReplayGroup(*redoList_, *undoList_, options_.Contains(eoGroupUndo), IsBeginMarker,
                            [&] { return ReplayStep(true, declined); });
                MoveGroupBreak(*redoList_, *undoList_);
            } else {
                ReplayGroup(*undoList_, *redoList_, options_.Contains(eoGroupUndo), IsEndMarker,
                            [&] { return ReplayStep(false, declined); });
            }
        } catch (...) {
            replayingUndo_ = saved;
            throw;
        }
        replayingUndo_ = saved;
        UpdateModifiedStatus();
    }
    EnsureCursorPosVisible();
}

// The text as it is stays saved or unsaved; no undo can reach an older save.
void TCustomSrcEdit::ClearUndo() {
    undoList_->Clear();
    redoList_->Clear();
    undoList_->SetInitialState(!modified_);
}

void TCustomSrcEdit::ClearAll() {
    lines_->Clear();
    marks_->Clear();
    for (TSrcEditMark*& bookmark : bookmarks_) {
        bookmark = nullptr;
    }
    ClearUndo();
    SetModified(false);
}

void TCustomSrcEdit::LockUndo() {
    undoList_->Lock();
    redoList_->Lock();
}

void TCustomSrcEdit::UnlockUndo() {
    undoList_->Unlock();
    redoList_->Unlock();
}

void TCustomSrcEdit::SetMaxUndo(int Value) {
    if (Value >= 0) {
        undoList_->SetMaxUndoActions(Value);
        redoList_->SetMaxUndoActions(Value);
    }
}

void TCustomSrcEdit::SetModified(bool Value) {
    if (Value == modified_) {
        return;
    }
    if (!Value && options_.Contains(eoGroupUndo) && undoList_->CanUndo()) {
        undoList_->AddGroupBreak();
    }
    undoList_->SetInitialState(!Value);
    modified_ = Value;
    StatusChanged({scModified});
}

void TCustomSrcEdit::UpdateModifiedStatus() {
    bool value = !undoList_->InitialState();
    if (value != modified_) {
        modified_ = value;
        StatusChanged({scModified});
    }
}
