#include "editor/text/SrcEditUndoList.h"

#include <limits>

TSrcEditUndoList::~TSrcEditUndoList() { Clear(); }

void TSrcEditUndoList::AdvanceChangeNumber() {
    // Change numbers wrap around the 32-bit range and never take 0 (the
    // empty list) or -1 (no clean state).
    nextChangeNumber_ = nextChangeNumber_ == std::numeric_limits<int32_t>::max()
                            ? std::numeric_limits<int32_t>::min()
                            : nextChangeNumber_ + 1;
    if (nextChangeNumber_ == -1) {
        nextChangeNumber_ = 1;
    }
}

void TSrcEditUndoList::FireAdded() {
    if (OnAddedUndo) {
        OnAddedUndo(this);
    }
}

void TSrcEditUndoList::AddChange(TSrcChangeReason AReason, const TBufferCoord& AStart,
                                 const TBufferCoord& AEnd, const std::string& ChangeText,
                                 TSrcSelectionMode SelMode) {
    if (lockCount_ > 0) {
        return;
    }
    auto item = std::make_unique<TSrcEditUndoItem>();
    item->ChangeReason = AReason;
    item->ChangeSelMode = SelMode;
    item->ChangeStartPos = AStart;
    item->ChangeEndPos = AEnd;
    item->ChangeStr = ChangeText;
    if (blockChangeNumber_ != 0) {
        item->ChangeNumber = blockChangeNumber_;
    } else {
        item->ChangeNumber = nextChangeNumber_;
        AdvanceChangeNumber();
    }
    PushItem(item.release());  // frees the record when it cannot keep it
}

void TSrcEditUndoList::BeginBlock() {
    if (blockCount_++ == 0) {
        blockChangeNumber_ = forcedChangeNumber_ != 0 ? forcedChangeNumber_ : nextChangeNumber_;
    }
}

void TSrcEditUndoList::SetBlockChangeNumber(int Value) {
    if (blockCount_ == 0) {
        forcedChangeNumber_ = Value;
    }
    blockChangeNumber_ = Value;
}

void TSrcEditUndoList::EndBlock() {
    if (blockCount_ <= 0) {
        return;
    }
    if (--blockCount_ > 0) {
        return;
    }
    int32_t blockNumber = blockChangeNumber_;
    blockChangeNumber_ = forcedChangeNumber_;
    if (forcedChangeNumber_ == 0) {
        AdvanceChangeNumber();
    }
    if (!items_.empty() && items_.back()->ChangeNumber == blockNumber) {
        FireAdded();
    }
}

void TSrcEditUndoList::AddGroupBreak() {
    if (LastChangeReason() != crGroupBreak) {
        AddChange(crGroupBreak, TBufferCoord(), TBufferCoord(), std::string(), smNormal);
    }
}

void TSrcEditUndoList::Clear() {
    for (TSrcEditUndoItem* item : items_) {
        delete item;
    }
    items_.clear();
    fullUndoImpossible_ = false;
}

void TSrcEditUndoList::Lock() { ++lockCount_; }

void TSrcEditUndoList::Unlock() {
    if (lockCount_ > 0) {
        --lockCount_;
    }
}

TSrcEditUndoItem* TSrcEditUndoList::PeekItem() const { return items_.empty() ? nullptr : items_.back(); }

TSrcEditUndoItem* TSrcEditUndoList::PopItem() {
    if (items_.empty()) {
        return nullptr;
    }
    TSrcEditUndoItem* item = items_.back();
    items_.pop_back();
    return item;
}

void TSrcEditUndoList::PushItem(TSrcEditUndoItem* Item) {
    if (!Item) {
        return;
    }
    try {
        items_.push_back(Item);
    } catch (...) {
        delete Item;
        throw;
    }
    bool groupBreak = Item->ChangeReason == crGroupBreak;
    EnsureMaxEntries();
    if (!groupBreak) {
        FireAdded();
    }
}

void TSrcEditUndoList::EnsureMaxEntries() {
    if (static_cast<int>(items_.size()) <= maxUndoActions_) {
        return;
    }
    fullUndoImpossible_ = true;
    size_t drop = items_.size() - static_cast<size_t>(maxUndoActions_);
    for (size_t i = 0; i < drop; ++i) {
        delete items_[i];
    }
    items_.erase(items_.begin(), items_.begin() + static_cast<std::ptrdiff_t>(drop));
}

TSrcChangeReason TSrcEditUndoList::LastChangeReason() const {
    return items_.empty() ? crNothing : items_.back()->ChangeReason;
}

void TSrcEditUndoList::DeleteItem(int Index) {
    TSrcEditUndoItem* item = items_.at(static_cast<size_t>(Index));
    items_.erase(items_.begin() + Index);
    delete item;
}

void TSrcEditUndoList::SetMaxUndoActions(int Value) {
    if (Value < 0) {
        Value = 0;
    }
    if (Value != maxUndoActions_) {
        maxUndoActions_ = Value;
        EnsureMaxEntries();
    }
}

bool TSrcEditUndoList::InitialState() const {
    if (items_.empty()) {
        return initialChangeNumber_ == 0;
    }
    return items_.back()->ChangeNumber == initialChangeNumber_;
}

void TSrcEditUndoList::SetInitialState(bool Value) {
    if (Value) {
        initialChangeNumber_ = items_.empty() ? 0 : items_.back()->ChangeNumber;
    } else if (InitialState()) {
        initialChangeNumber_ = -1;
    }
}

void TSrcEditUndoList::Assign(const TPersistent* Source) {
    auto* source = dynamic_cast<const TSrcEditUndoList*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this) {
        return;
    }
    Clear();
    items_.reserve(source->items_.size());
    for (const TSrcEditUndoItem* sourceItem : source->items_) {
        auto item = std::make_unique<TSrcEditUndoItem>();
        item->Assign(sourceItem);
        items_.push_back(item.release());
    }
    blockChangeNumber_ = source->blockChangeNumber_;
    blockCount_ = source->blockCount_;
    fullUndoImpossible_ = source->fullUndoImpossible_;
    lockCount_ = source->lockCount_;
    maxUndoActions_ = source->maxUndoActions_;
    nextChangeNumber_ = source->nextChangeNumber_;
    InsideRedo = source->InsideRedo;
}
