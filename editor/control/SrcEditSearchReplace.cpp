#include "editor/control/SrcEditReplaceRun.h"
#include "editor/search/SrcEditSearchCustom.h"
#include "editor/support/SrcExceptions.h"

int TCustomSrcEdit::SearchReplace(const std::string& ASearch, const std::string& AReplace,
                                  TSrcSearchOptions AOptions) {
    if (!searchEngine_) {
        throw ESrcEditError("No search engine has been assigned");
    }
    if (ASearch.empty()) {
        return 0;
    }
    return TSrcSearchReplaceRun(*this, ASearch, AReplace, AOptions).Execute();
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
