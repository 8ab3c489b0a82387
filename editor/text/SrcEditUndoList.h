#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/text/SrcEditUndoItem.h"
#include "editor/support/SrcEvents.h"

// A stack of undo (or redo) records, oldest first. Records of one user
// action share a change number; the list remembers which number is the
// clean state.
class TSrcEditUndoList : public TPersistent {
public:
    TSrcEditUndoList() = default;
    TSrcEditUndoList(const TSrcEditUndoList&) = delete;
    TSrcEditUndoList& operator=(const TSrcEditUndoList&) = delete;

    void AddChange(TSrcChangeReason AReason, const TBufferCoord& AStart, const TBufferCoord& AEnd,
                   const std::string& ChangeText, TSrcSelectionMode SelMode);
    void BeginBlock();
    void EndBlock();
    void AddGroupBreak();
    void Clear();
    void Lock();
    void Unlock();

    TSrcEditUndoItem* PeekItem() const;
    // Removes the newest record and hands it over (null when empty).
    std::unique_ptr<TSrcEditUndoItem> PopItem();
    // A null record is ignored.
    void PushItem(std::unique_ptr<TSrcEditUndoItem> Item);
    TSrcChangeReason LastChangeReason() const;
    bool CanUndo() const { return !items_.empty(); }
    int ItemCount() const { return static_cast<int>(items_.size()); }
    TSrcEditUndoItem* Items(int Index) const { return items_.at(static_cast<size_t>(Index)).get(); }
    void DeleteItem(int Index);

    // The record limit: whole commands go, oldest first, never the newest.
    int MaxUndoActions() const { return maxUndoActions_; }
    void SetMaxUndoActions(int Value);

    bool InitialState() const;
    void SetInitialState(bool Value);

    void Assign(const TPersistent* Source) override;

    int BlockChangeNumber() const { return blockChangeNumber_; }
    // Forces the number of the records that follow (0 lifts it); blocks
    // opened meanwhile keep it.
    void SetBlockChangeNumber(int Value);
    int BlockCount() const { return blockCount_; }
    bool FullUndoImpossible() const { return fullUndoImpossible_; }
    int LockCount() const { return lockCount_; }
    int NextChangeNumber() const { return nextChangeNumber_; }
    int InitialChangeNumber() const { return initialChangeNumber_; }

    bool InsideRedo = false;
    TNotifyEvent OnAddedUndo;

private:
    void AdvanceChangeNumber();
    int32_t NewestCommand() const;
    void EnsureMaxEntries();
    void CommandDropped(int32_t Number);
    void FireAdded();

    int32_t blockChangeNumber_ = 0;
    int32_t forcedChangeNumber_ = 0;
    int32_t blockCount_ = 0;
    bool fullUndoImpossible_ = false;
    std::vector<std::unique_ptr<TSrcEditUndoItem>> items_;
    int32_t lockCount_ = 0;
    int32_t maxUndoActions_ = 1024;
    int32_t nextChangeNumber_ = 1;
    int32_t initialChangeNumber_ = 0;
};
