#include "debugger/DebugTree.h"

int IDebugTree::IndexOf(TTreeLine parent, TTreeLine line) const
{
    const int n = ChildCount(parent);
    for (int i = 0; i < n; ++i)
        if (Child(parent, i) == line) return i;
    return -1;
}

TTreeLine IDebugTree::Next(TTreeLine line) const
{
    if (ChildCount(line) > 0) return Child(line, 0);
    while (line) {
        TTreeLine parent = Parent(line);
        const int index = IndexOf(parent, line);
        if (index >= 0 && index + 1 < ChildCount(parent)) return Child(parent, index + 1);
        line = parent;
    }
    return nullptr;
}

int IDebugTree::Count() const
{
    int count = 0;
    for (TTreeLine line = First(); line; line = Next(line)) ++count;
    return count;
}
