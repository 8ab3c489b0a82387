#include "editor/control/SrcEditMarkList.h"

#include <algorithm>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditMark.h"
#include "editor/support/SrcExceptions.h"

TSrcEditMarkList::TSrcEditMarkList(TCustomSrcEdit* AOwner) : edit_(AOwner) {}

TSrcEditMarkList::~TSrcEditMarkList() = default;

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

int TSrcEditMarkList::Add(std::unique_ptr<TSrcEditMark> Item) {
    items_.push_back(std::move(Item));
    Changed();
    return Count() - 1;
}

std::unique_ptr<TSrcEditMark> TSrcEditMarkList::Delete(int Index) {
    CheckIndex(Index, Count() - 1);
    std::unique_ptr<TSrcEditMark> mark = std::move(items_[static_cast<size_t>(Index)]);
    items_.erase(items_.begin() + Index);
    Changed();
    return mark;
}

void TSrcEditMarkList::Insert(int Index, std::unique_ptr<TSrcEditMark> Item) {
    CheckIndex(Index, Count());
    items_.insert(items_.begin() + Index, std::move(Item));
    Changed();
}

std::unique_ptr<TSrcEditMark> TSrcEditMarkList::Remove(const TSrcEditMark* Item) {
    int index = IndexOf(Item);
    return index >= 0 ? Delete(index) : nullptr;
}

int TSrcEditMarkList::IndexOf(const TSrcEditMark* Item) const {
    auto it = std::find_if(items_.begin(), items_.end(), [Item](const auto& mark) { return mark.get() == Item; });
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TSrcEditMark* TSrcEditMarkList::First() const { return items_.empty() ? nullptr : items_.front().get(); }

TSrcEditMark* TSrcEditMarkList::Last() const { return items_.empty() ? nullptr : items_.back().get(); }

TSrcEditMark* TSrcEditMarkList::Items(int Index) const {
    CheckIndex(Index, Count() - 1);
    return items_[static_cast<size_t>(Index)].get();
}

void TSrcEditMarkList::ClearLine(int Line) {
    bool changed = false;
    for (int i = Count() - 1; i >= 0; --i) {
        const TSrcEditMark& mark = *items_[static_cast<size_t>(i)];
        if (!mark.IsBookmark() && mark.Line() == Line) {
            items_.erase(items_.begin() + i);
            changed = true;
        }
    }
    if (changed) {
        Changed();
    }
}

void TSrcEditMarkList::Clear() {
    std::vector<std::unique_ptr<TSrcEditMark>> marks;
    marks.swap(items_);
    marks.clear();
    Changed();
}

void TSrcEditMarkList::GetMarksForLine(int Line, TSrcEditMarks& Marks) const {
    Marks.fill(nullptr);
    size_t found = 0;
    for (const auto& mark : items_) {
        if (mark->Line() == Line) {
            Marks[found++] = mark.get();
            if (found == Marks.size()) {
                break;
            }
        }
    }
}

void TSrcEditMarkList::Place(std::unique_ptr<TSrcEditMark> Mark) {
    if (edit_) {
        edit_->DoOnPlaceMark(Mark);
    }
    if (Mark) {
        items_.push_back(std::move(Mark));
    }
    Changed();
}
