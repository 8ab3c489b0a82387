#include "editor/text/SrcEditUndoList.h"

#include <limits>

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
    PushItem(std::move(item));
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
    items_.clear();
    fullUndoImpossible_ = false;
}

void TSrcEditUndoList::Lock() { ++lockCount_; }

void TSrcEditUndoList::Unlock() {
    if (lockCount_ > 0) {
        --lockCount_;
    }
}

TSrcEditUndoItem* TSrcEditUndoList::PeekItem() const { return items_.empty() ? nullptr : items_.back().get(); }

std::unique_ptr<TSrcEditUndoItem> TSrcEditUndoList::PopItem() {
    if (items_.empty()) {
        return nullptr;
    }
    std::unique_ptr<TSrcEditUndoItem> item = std::move(items_.back());
    items_.pop_back();
    return item;
}

void TSrcEditUndoList::PushItem(std::unique_ptr<TSrcEditUndoItem> Item) {
    if (!Item) {
        return;
    }
    bool groupBreak = Item->ChangeReason == crGroupBreak;
    items_.push_back(std::move(Item));
    EnsureMaxEntries();
    if (!groupBreak) {
        FireAdded();
    }
}

// The number of the newest record that is more than a group break.
int32_t TSrcEditUndoList::NewestCommand() const {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        if ((*it)->ChangeReason != crGroupBreak) {
            return (*it)->ChangeNumber;
        }
    }
    return items_.back()->ChangeNumber;
}

// Drops whole commands (runs of one change number), oldest first, until the
// limit holds. The newest command stays whole however long it is, so one
// undo takes back all of it; a limit of 0 keeps nothing.
void TSrcEditUndoList::EnsureMaxEntries() {
    size_t count = items_.size();
    if (static_cast<int>(count) <= maxUndoActions_) {
        return;
    }
    size_t excess = count - static_cast<size_t>(maxUndoActions_);
    int32_t newest = NewestCommand();
    size_t drop = 0;
    while (drop < excess) {
        int32_t number = items_[drop]->ChangeNumber;
        if (maxUndoActions_ > 0 && number == newest) {
            break;
        }
        while (drop < count && items_[drop]->ChangeNumber == number) {
            ++drop;
        }
        CommandDropped(number);
    }
    if (drop > 0) {
        fullUndoImpossible_ = true;
        items_.erase(items_.begin(), items_.begin() + static_cast<std::ptrdiff_t>(drop));
    }
}

// The clean state moves to the bottom of the list when its own command goes;
// once a command made after it goes, undo can no longer reach it.
void TSrcEditUndoList::CommandDropped(int32_t Number) {
    if (initialChangeNumber_ == 0) {
        initialChangeNumber_ = -1;
    } else if (initialChangeNumber_ == Number) {
        initialChangeNumber_ = 0;
    }
}

TSrcChangeReason TSrcEditUndoList::LastChangeReason() const {
    return items_.empty() ? crNothing : items_.back()->ChangeReason;
}

void TSrcEditUndoList::DeleteItem(int Index) {
    items_.at(static_cast<size_t>(Index));  // out_of_range for a bad index
    items_.erase(items_.begin() + Index);
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
    for (const auto& sourceItem : source->items_) {
        auto item = std::make_unique<TSrcEditUndoItem>();
        item->Assign(sourceItem.get());
        items_.push_back(std::move(item));
    }
    blockChangeNumber_ = source->blockChangeNumber_;
    blockCount_ = source->blockCount_;
    fullUndoImpossible_ = source->fullUndoImpossible_;
    lockCount_ = source->lockCount_;
    maxUndoActions_ = source->maxUndoActions_;
    nextChangeNumber_ = source->nextChangeNumber_;
    InsideRedo = source->InsideRedo;
}
