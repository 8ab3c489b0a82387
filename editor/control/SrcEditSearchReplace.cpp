#include "editor/control/SrcEditReplaceRun.h"
#include "editor/search/SrcEditSearchCustom.h"
#include "editor/support/SrcExceptions.h"

namespace {

// As a caret move does: under eoGroupUndo the next record starts a group.
void BreakUndoGroup(TCustomSrcEdit& Edit) {
    if (Edit.Options().Contains(eoGroupUndo) && Edit.UndoList().CanUndo()) {
        Edit.UndoList().AddGroupBreak();
    }
}

}  // namespace

int TCustomSrcEdit::SearchReplace(const std::string& ASearch, const std::string& AReplace,
                                  TSrcSearchOptions AOptions) {
    if (!searchEngine_) {
        throw ESrcEditError("No search engine has been assigned");
    }
    if (ASearch.empty()) {
        return 0;
    }
    // A replace run is an undo step of its own: the edits before and after
    // it never join it, whatever their reasons.
    const bool replacing = !ReadOnly() && (AOptions.Contains(ssoReplace) || AOptions.Contains(ssoReplaceAll));
    auto breakGroup = [&] {
        if (replacing) {
            BreakUndoGroup(*this);
        }
    };
    breakGroup();
    int found = 0;
    try {
        found = TSrcSearchReplaceRun(*this, ASearch, AReplace, AOptions).Execute();
    } catch (...) {
        breakGroup();
        throw;
    }
    breakGroup();
    return found;
}

void TCustomSrcEdit::SetSearchEngine(TSrcEditSearchCustom* Value) {
    if (Value == searchEngine_) {
        return;
    }
    if (searchEngine_) {
        RemoveFreeNotification(searchEngine_);
    }
    searchEngine_ = Value;
    if (Value) {
        FreeNotification(Value);
    }
}

TSrcReplaceAction TCustomSrcEdit::DoOnReplaceText(const std::string& ASearch, const std::string& AReplace, int Line,
                                                  int Column) {
    TSrcReplaceAction action = raCancel;
    if (OnReplaceText) {
        OnReplaceText(this, ASearch, AReplace, Line, Column, action);
    }
    return action;
}
