#pragma once
#include <exception>

#include "editor/control/SrcEdit.h"

// Holds an editor's paint lock for its lifetime. When the lock ends while
// an exception is unwinding, an exception of the release is dropped.
class TSrcPaintLockGuard {
public:
    explicit TSrcPaintLockGuard(TCustomSrcEdit& Edit) : edit_(Edit), unwinding_(std::uncaught_exceptions()) {
        edit_.IncPaintLock();
    }
    ~TSrcPaintLockGuard() noexcept(false) {
        if (std::uncaught_exceptions() > unwinding_) {
            try {
                edit_.DecPaintLock();
            } catch (...) {
            }
            return;
        }
        edit_.DecPaintLock();
    }
    TSrcPaintLockGuard(const TSrcPaintLockGuard&) = delete;
    TSrcPaintLockGuard& operator=(const TSrcPaintLockGuard&) = delete;

private:
    TCustomSrcEdit& edit_;
    int unwinding_;
};
