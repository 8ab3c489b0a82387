#include "editor/highlight/SrcHighlighterList.h"

#include <algorithm>

#include "editor/highlight/SrcBuiltInHighlighters.h"

int TSrcHighlighterList::FindByClass(const TComponent* Comp) const {
    for (int i = 0; i < Count(); ++i) {
        if (classes_[static_cast<size_t>(i)]->IsInstance(Comp)) {
            return i;
        }
    }
    return -1;
}

int TSrcHighlighterList::FindByName(const std::string& Name) const {
    for (int i = 0; i < Count(); ++i) {
        if (classes_[static_cast<size_t>(i)]->GetLanguageName() == Name) {
            return i;
        }
    }
    return -1;
}

int TSrcHighlighterList::IndexOf(const TSrcHighlighterClass* Class) const {
    auto it = std::find(classes_.begin(), classes_.end(), Class);
    return it == classes_.end() ? -1 : static_cast<int>(it - classes_.begin());
}

TSrcHighlighterList& GetPlaceableHighlighters() {
    static TSrcHighlighterList list = [] {
        TSrcHighlighterList builtIn;
        RegisterBuiltInHighlighters(builtIn);
        return builtIn;
    }();
    return list;
}

void RegisterPlaceableHighlighter(const TSrcHighlighterClass& Class) {
    TSrcHighlighterList& list = GetPlaceableHighlighters();
    if (list.IndexOf(&Class) < 0) {
        list.Add(&Class);
    }
}
