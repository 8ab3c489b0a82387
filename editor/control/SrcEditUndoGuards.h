#pragma once
#include "editor/text/SrcEditUndoList.h"

// Keeps a list from recording while it lives.
class TSrcUndoListLock {
public:
    explicit TSrcUndoListLock(TSrcEditUndoList& List) : list_(List) { list_.Lock(); }
    ~TSrcUndoListLock() { list_.Unlock(); }
    TSrcUndoListLock(const TSrcUndoListLock&) = delete;
    TSrcUndoListLock& operator=(const TSrcUndoListLock&) = delete;

private:
    TSrcEditUndoList& list_;
};

// Marks a list's records as coming from a redo while it lives.
class TSrcInsideRedo {
public:
    explicit TSrcInsideRedo(TSrcEditUndoList& List) : list_(List), saved_(List.InsideRedo) { list_.InsideRedo = true; }
    ~TSrcInsideRedo() { list_.InsideRedo = saved_; }
    TSrcInsideRedo(const TSrcInsideRedo&) = delete;
    TSrcInsideRedo& operator=(const TSrcInsideRedo&) = delete;

private:
    TSrcEditUndoList& list_;
    bool saved_;
};

// Sets a flag while it lives.
class TSrcFlagSetter {
public:
    explicit TSrcFlagSetter(bool& Flag) : flag_(Flag), saved_(Flag) { flag_ = true; }
    ~TSrcFlagSetter() { flag_ = saved_; }
    TSrcFlagSetter(const TSrcFlagSetter&) = delete;
    TSrcFlagSetter& operator=(const TSrcFlagSetter&) = delete;

private:
    bool& flag_;
    bool saved_;
};

// Forces a list's block change number while a group is replayed.
class TSrcForcedChangeNumber {
public:
    TSrcForcedChangeNumber(TSrcEditUndoList& List, int Number) : list_(List), saved_(List.BlockChangeNumber()) {
        list_.SetBlockChangeNumber(Number);
    }
    ~TSrcForcedChangeNumber() { list_.SetBlockChangeNumber(saved_); }
    TSrcForcedChangeNumber(const TSrcForcedChangeNumber&) = delete;
    TSrcForcedChangeNumber& operator=(const TSrcForcedChangeNumber&) = delete;

private:
    TSrcEditUndoList& list_;
    int saved_;
};
