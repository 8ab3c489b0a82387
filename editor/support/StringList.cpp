#include "editor/support/StringList.h"

#include <algorithm>

#include "editor/support/SrcExceptions.h"

void TStringList::CheckIndex(int Index, int Limit) const {
    if (Index < 0 || Index > Limit) {
        throw EStringListError(FormatText("List index out of bounds (%d)", Index));
    }
}

std::string TStringList::Get(int Index) const {
    CheckIndex(Index, GetCount() - 1);
    return items_[static_cast<size_t>(Index)].text;
}

int TStringList::GetCount() const { return static_cast<int>(items_.size()); }

TObject* TStringList::GetObject(int Index) const {
    CheckIndex(Index, GetCount() - 1);
    return items_[static_cast<size_t>(Index)].object;
}

void TStringList::Put(int Index, const std::string& S) {
    if (sorted_) {
        throw EStringListError("Operation not allowed on sorted list");
    }
    CheckIndex(Index, GetCount() - 1);
    items_[static_cast<size_t>(Index)].text = S;
}

void TStringList::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index, GetCount() - 1);
    items_[static_cast<size_t>(Index)].object = AObject;
}

int TStringList::Add(const std::string& S) { return AddObject(S, nullptr); }

int TStringList::AddObject(const std::string& S, TObject* AObject) {
    int index = GetCount();
    if (sorted_ && Find(S, index)) {
        if (Duplicates == dupIgnore) {
            return index;
        }
        if (Duplicates == dupError) {
            throw EStringListError("String list does not allow duplicates");
        }
    }
    items_.insert(items_.begin() + index, Item{S, AObject});
    return index;
}

void TStringList::Clear() { items_.clear(); }

void TStringList::Delete(int Index) {
    CheckIndex(Index, GetCount() - 1);
    items_.erase(items_.begin() + Index);
}

void TStringList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1, GetCount() - 1);
    CheckIndex(Index2, GetCount() - 1);
    std::swap(items_[static_cast<size_t>(Index1)], items_[static_cast<size_t>(Index2)]);
}

void TStringList::Insert(int Index, const std::string& S) { InsertObject(Index, S, nullptr); }

void TStringList::InsertObject(int Index, const std::string& S, TObject* AObject) {
    if (sorted_) {
        throw EStringListError("Operation not allowed on sorted list");
    }
    CheckIndex(Index, GetCount());
    items_.insert(items_.begin() + Index, Item{S, AObject});
}

int TStringList::IndexOf(const std::string& S) const {
    if (!sorted_) {
        return TStrings::IndexOf(S);
    }
    int index = 0;
    return Find(S, index) ? index : -1;
}

bool TStringList::Find(const std::string& S, int& Index) const {
    auto it = std::lower_bound(items_.begin(), items_.end(), S, [](const Item& item, const std::string& s) {
        return CompareText(item.text, s) < 0;
    });
    Index = static_cast<int>(it - items_.begin());
    return it != items_.end() && CompareText(it->text, S) == 0;
}

void TStringList::SetSorted(bool Value) {
    if (Value && !sorted_) {
        Sort();
    }
    sorted_ = Value;
}

void TStringList::Sort() {
    std::stable_sort(items_.begin(), items_.end(), [](const Item& a, const Item& b) {
        return CompareText(a.text, b.text) < 0;
    });
}
