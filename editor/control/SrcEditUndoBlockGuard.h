#pragma once
#include "editor/control/SrcEdit.h"

// Holds an undo block of an editor open for its lifetime.
class TSrcUndoBlockGuard {
public:
    explicit TSrcUndoBlockGuard(TCustomSrcEdit& Edit) : edit_(Edit) { edit_.BeginUndoBlock(); }
    ~TSrcUndoBlockGuard() { edit_.EndUndoBlock(); }
    TSrcUndoBlockGuard(const TSrcUndoBlockGuard&) = delete;
    TSrcUndoBlockGuard& operator=(const TSrcUndoBlockGuard&) = delete;

private:
    TCustomSrcEdit& edit_;
};
