#include "editor/support/SrcMethodList.h"

void TMethodList::Add(const TMethod& AMethod) { entries_.push_back({AMethod, next_++}); }

void TMethodList::Remove(const TMethod& AMethod) {
    for (size_t i = entries_.size(); i-- > 0;) {
        if (entries_[i].Method == AMethod) {
            entries_.erase(entries_.begin() + static_cast<ptrdiff_t>(i));
            return;
        }
    }
}

std::vector<TMethodList::Id> TMethodList::Snapshot() const {
    std::vector<Id> ids;
    ids.reserve(entries_.size());
    for (const TEntry& entry : entries_) {
        ids.push_back(entry.Identity);
    }
    return ids;
}

const TMethod* TMethodList::Find(Id AId) const {
    for (const TEntry& entry : entries_) {
        if (entry.Identity == AId) {
            return &entry.Method;
        }
    }
    return nullptr;
}
