#include "editor/control/SrcEditMarkList.h"

#include <algorithm>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditMark.h"
#include "editor/support/SrcExceptions.h"

TSrcEditMarkList::~TSrcEditMarkList() {
    for (TSrcEditMark* mark : items_) {
        delete mark;
    }
}

void TSrcEditMarkList::Changed() {
    if (OnChange) {
        OnChange(this);
    }
}

void TSrcEditMarkList::CheckIndex(int Index, int Limit) const {
    if (Index < 0 || Index > Limit) {
        throw EListError(FormatText("List index out of bounds (%d)", Index));
    }
}

int TSrcEditMarkList::Add(TSrcEditMark* Item) {
    items_.push_back(Item);
    Changed();
    return Count() - 1;
}

void TSrcEditMarkList::Delete(int Index) {
    CheckIndex(Index, Count() - 1);
    items_.erase(items_.begin() + Index);
    Changed();
}

void TSrcEditMarkList::Insert(int Index, TSrcEditMark* Item) {
    CheckIndex(Index, Count());
    items_.insert(items_.begin() + Index, Item);
    Changed();
}

void TSrcEditMarkList::Put(int Index, TSrcEditMark* Item) {
    CheckIndex(Index, Count() - 1);
    items_[static_cast<size_t>(Index)] = Item;
    Changed();
}

int TSrcEditMarkList::Remove(TSrcEditMark* Item) {
    int index = IndexOf(Item);
    if (index >= 0) {
        Delete(index);
    }
    return index;
}

int TSrcEditMarkList::IndexOf(const TSrcEditMark* Item) const {
    auto it = std::find(items_.begin(), items_.end(), Item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TSrcEditMark* TSrcEditMarkList::First() const { return items_.empty() ? nullptr : items_.front(); }

TSrcEditMark* TSrcEditMarkList::Last() const { return items_.empty() ? nullptr : items_.back(); }

TSrcEditMark* TSrcEditMarkList::Items(int Index) const {
    CheckIndex(Index, Count() - 1);
    return items_[static_cast<size_t>(Index)];
}

void TSrcEditMarkList::ClearLine(int Line) {
    bool changed = false;
    for (int i = Count() - 1; i >= 0; --i) {
        TSrcEditMark* mark = items_[static_cast<size_t>(i)];
        if (!mark->IsBookmark() && mark->Line() == Line) {
            items_.erase(items_.begin() + i);
            delete mark;
            changed = true;
        }
    }
    if (changed) {
        Changed();
    }
}

void TSrcEditMarkList::Clear() {
    std::vector<TSrcEditMark*> marks;
    marks.swap(items_);
    for (TSrcEditMark* mark : marks) {
        delete mark;
    }
    Changed();
}

void TSrcEditMarkList::GetMarksForLine(int Line, TSrcEditMarks& Marks) const {
    Marks.fill(nullptr);
    size_t found = 0;
    for (TSrcEditMark* mark : items_) {
        if (mark->Line() == Line) {
            Marks[found++] = mark;
            if (found == Marks.size()) {
                break;
            }
        }
    }
}

void TSrcEditMarkList::Place(TSrcEditMark* Mark) {
    if (edit_ && edit_->OnPlaceBookmark) {
        TSrcEditMark* placed = Mark;
        edit_->OnPlaceBookmark(edit_, placed);
        if (!placed) {
            delete Mark;  // cancelled
        }
        Mark = placed;
    }
    if (Mark) {
        items_.push_back(Mark);
    }
    Changed();
}
