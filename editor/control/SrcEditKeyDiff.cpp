#include "editor/control/SrcEditKeyCmds.h"

namespace {
bool HasSame(const TSrcEditKeyStrokes& Keys, const TSrcEditKeyStroke& Key) {
    for (int i = 0; i < Keys.Count(); ++i) {
        const TSrcEditKeyStroke& k = *Keys.Items(i);
        if (k.GetShortCut() == Key.GetShortCut() && k.GetShortCut2() == Key.GetShortCut2() &&
            k.Command() == Key.Command()) {
            return true;
        }
    }
    return false;
}

// Copies into Result the bindings of From that Other lacks.
void Missing(const TSrcEditKeyStrokes& From, const TSrcEditKeyStrokes& Other, TSrcEditKeyStrokes& Result) {
    Result.Clear();
    for (int i = 0; i < From.Count(); ++i) {
        if (!HasSame(Other, *From.Items(i))) {
            Result.Add()->Assign(From.Items(i));
        }
    }
}
}  // namespace

void AddedKeystrokes(const TSrcEditKeyStrokes& Keys, TSrcEditKeyStrokes& Added) {
    TSrcEditKeyStrokes defaults;
    defaults.ResetDefaults();
    Missing(Keys, defaults, Added);
}

void RemovedKeystrokes(const TSrcEditKeyStrokes& Keys, TSrcEditKeyStrokes& Removed) {
    TSrcEditKeyStrokes defaults;
    defaults.ResetDefaults();
    Missing(defaults, Keys, Removed);
}

void ApplyAddedKeystrokes(TSrcEditKeyStrokes& Keys, const TSrcEditKeyStrokes& Added) {
    for (int i = 0, n = Added.Count(); i < n; ++i) {
        Keys.Add()->Assign(Added.Items(i));
    }
}

void ApplyRemovedKeystrokes(TSrcEditKeyStrokes& Keys, const TSrcEditKeyStrokes& Removed) {
    for (int i = 0; i < Removed.Count(); ++i) {
        const TSrcEditKeyStroke& gone = *Removed.Items(i);
        int found = Keys.FindShortcut2(gone.GetShortCut(), gone.GetShortCut2());
        if (found >= 0 && Keys.Items(found)->Command() == gone.Command()) {
            Keys.Delete(found);
        }
    }
}
