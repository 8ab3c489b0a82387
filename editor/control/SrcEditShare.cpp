#include <algorithm>
#include <vector>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditWordWrapper.h"

namespace {
// Controls hooked into a buffer they do not own, in the order they hooked.
std::vector<TCustomSrcEdit*>& HookedEdits() {
    static std::vector<TCustomSrcEdit*> edits;
    return edits;
}

template <auto Member, typename E>
E Handler(TCustomSrcEdit* Edit) {
    return E::template Of<Member>(Edit);
}
}  // namespace

void TCustomSrcEdit::ChainLinesChanging(TObject* Sender) {
    if (saved_.Changing) {
        saved_.Changing(Sender);
    }
    LinesChanging(Sender);
}

void TCustomSrcEdit::ChainLinesChanged(TObject* Sender) {
    if (saved_.Changed) {
        saved_.Changed(Sender);
    }
    LinesChanged(Sender);
}

void TCustomSrcEdit::ChainListCleared(TObject* Sender) {
    if (saved_.Cleared) {
        saved_.Cleared(Sender);
    }
    ListCleared(Sender);
}

void TCustomSrcEdit::ChainListDeleted(TObject* Sender, int Index, int Count) {
    if (saved_.Deleted) {
        saved_.Deleted(Sender, Index, Count);
    }
    ListDeleted(Sender, Index, Count);
}

void TCustomSrcEdit::ChainListInserted(TObject* Sender, int Index, int Count) {
    if (saved_.Inserted) {
        saved_.Inserted(Sender, Index, Count);
    }
    ListInserted(Sender, Index, Count);
}

void TCustomSrcEdit::ChainListPutted(TObject* Sender, int Index, int Count) {
    if (saved_.Putted) {
        saved_.Putted(Sender, Index, Count);
    }
    ListPutted(Sender, Index, Count);
}

void TCustomSrcEdit::ChainUndoAdded(TObject* Sender) {
    if (saved_.UndoAdded) {
        saved_.UndoAdded(Sender);
    }
    UndoRedoAdded(Sender);
}

void TCustomSrcEdit::ChainRedoAdded(TObject* Sender) {
    if (saved_.RedoAdded) {
        saved_.RedoAdded(Sender);
    }
    UndoRedoAdded(Sender);
}

void TCustomSrcEdit::HookTextBuffer(TSrcEditStringList* ALines, TSrcEditUndoList* AUndoList,
                                    TSrcEditUndoList* ARedoList) {
    if (!ALines || !AUndoList || !ARedoList) {
        return;
    }
    TSrcEditWordWrapper* wrapper = wordWrapper_;
    SetWordWrapper(nullptr);
    UnHookTextBuffer();
    saved_ = {ALines->OnChanging, ALines->OnChange,   ALines->OnCleared,      ALines->OnDeleted,
              ALines->OnInserted, ALines->OnPutted,   AUndoList->OnAddedUndo, ARedoList->OnAddedUndo};
    ALines->OnChanging = TNotifyEvent::Of<&TCustomSrcEdit::ChainLinesChanging>(this);
    ALines->OnChange = TNotifyEvent::Of<&TCustomSrcEdit::ChainLinesChanged>(this);
    ALines->OnCleared = TNotifyEvent::Of<&TCustomSrcEdit::ChainListCleared>(this);
    ALines->OnDeleted = TStringListChangeEvent::Of<&TCustomSrcEdit::ChainListDeleted>(this);
    ALines->OnInserted = TStringListChangeEvent::Of<&TCustomSrcEdit::ChainListInserted>(this);
    ALines->OnPutted = TStringListChangeEvent::Of<&TCustomSrcEdit::ChainListPutted>(this);
    AUndoList->OnAddedUndo = TNotifyEvent::Of<&TCustomSrcEdit::ChainUndoAdded>(this);
    ARedoList->OnAddedUndo = TNotifyEvent::Of<&TCustomSrcEdit::ChainRedoAdded>(this);
    lines_ = ALines;
    undoList_ = AUndoList;
    redoList_ = ARedoList;
    hooked_ = true;
    HookedEdits().push_back(this);
    LinesHookChanged();
    if (wrapper) {
        wrapper->Reset();
        SetWordWrapper(wrapper);
    }
}

// Takes this control's chain handlers out of the buffer: a control that
// hooked later and calls them gets this control's saved handlers instead;
// otherwise the buffer gets them back.
void TCustomSrcEdit::ReleaseHandlers() {
    std::vector<TCustomSrcEdit*>& edits = HookedEdits();
    edits.erase(std::remove(edits.begin(), edits.end(), this), edits.end());
    auto release = [&](auto& Live, auto Mine, auto Member) {
        for (TCustomSrcEdit* other : edits) {
            if (other->saved_.*Member == Mine) {
                other->saved_.*Member = saved_.*Member;
                return;
            }
        }
        if (Live == Mine) {
            Live = saved_.*Member;
        }
    };
    release(lines_->OnChanging, Handler<&TCustomSrcEdit::ChainLinesChanging, TNotifyEvent>(this),
            &TSavedHandlers::Changing);
    release(lines_->OnChange, Handler<&TCustomSrcEdit::ChainLinesChanged, TNotifyEvent>(this),
            &TSavedHandlers::Changed);
    release(lines_->OnCleared, Handler<&TCustomSrcEdit::ChainListCleared, TNotifyEvent>(this),
            &TSavedHandlers::Cleared);
    release(lines_->OnDeleted, Handler<&TCustomSrcEdit::ChainListDeleted, TStringListChangeEvent>(this),
            &TSavedHandlers::Deleted);
    release(lines_->OnInserted, Handler<&TCustomSrcEdit::ChainListInserted, TStringListChangeEvent>(this),
            &TSavedHandlers::Inserted);
    release(lines_->OnPutted, Handler<&TCustomSrcEdit::ChainListPutted, TStringListChangeEvent>(this),
            &TSavedHandlers::Putted);
    release(undoList_->OnAddedUndo, Handler<&TCustomSrcEdit::ChainUndoAdded, TNotifyEvent>(this),
            &TSavedHandlers::UndoAdded);
    release(redoList_->OnAddedUndo, Handler<&TCustomSrcEdit::ChainRedoAdded, TNotifyEvent>(this),
            &TSavedHandlers::RedoAdded);
    saved_ = TSavedHandlers();
}

void TCustomSrcEdit::UnHookTextBuffer() {
    if (!hooked_) {
        return;
    }
    TSrcEditWordWrapper* wrapper = wordWrapper_;
    SetWordWrapper(nullptr);
    ReleaseHandlers();
    hooked_ = false;
    lines_ = ownLines_.get();
    undoList_ = ownUndoList_.get();
    redoList_ = ownRedoList_.get();
    if (destroying_) {
        return;
    }
    LinesHookChanged();
    if (wrapper) {
        wrapper->Reset();
        SetWordWrapper(wrapper);
    }
}

void TCustomSrcEdit::SetLinesPointer(TCustomSrcEdit* ASrcEdit) {
    if (!ASrcEdit || ASrcEdit == this) {
        return;
    }
    RemoveLinesPointer();
    HookTextBuffer(&ASrcEdit->Lines(), &ASrcEdit->UndoList(), &ASrcEdit->RedoList());
    linesOwner_ = ASrcEdit;
    FreeNotification(ASrcEdit);
}

void TCustomSrcEdit::RemoveLinesPointer() {
    UnHookTextBuffer();
    if (linesOwner_) {
        RemoveFreeNotification(linesOwner_);
        linesOwner_ = nullptr;
    }
}

void TCustomSrcEdit::LinesHookChanged() {
    Invalidate();
    if (options_.Contains(eoAutoSizeMaxScrollWidth)) {
        int longest = lines_->GetLengthOfLongestLine();
        if (longest > maxScrollWidth_) {
            SetMaxScrollWidth(longest);
        }
    }
    UpdateScrollBars();
}
