#pragma once
#include <cstdint>
#include <vector>

#include "editor/support/SrcEvents.h"

// A list of method pointers. Each registration keeps an identity, so that a
// walk over a snapshot can tell whether a handler is still registered when
// the handlers before it changed the list.
class TMethodList {
public:
    using Id = uint64_t;

    void Add(const TMethod& AMethod);
    // Removes the newest entry equal to AMethod; nothing when there is none.
    void Remove(const TMethod& AMethod);

    int Count() const { return static_cast<int>(entries_.size()); }
    const TMethod& Items(int Index) const { return entries_.at(static_cast<size_t>(Index)).Method; }

    // The identities of the current entries, oldest first.
    std::vector<Id> Snapshot() const;
    // The method registered as AId, or nil when it was removed.
    const TMethod* Find(Id AId) const;

private:
    struct TEntry {
        TMethod Method;
        Id Identity;
    };
    std::vector<TEntry> entries_;
    Id next_ = 1;
};
