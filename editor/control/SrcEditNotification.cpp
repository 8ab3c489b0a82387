#include "editor/control/SrcEdit.h"
#include "editor/highlight/SrcCustomHighlighter.h"
#include "editor/search/SrcEditSearchCustom.h"
#include "editor/support/SrcImageList.h"

void TCustomSrcEdit::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) {
        return;
    }
    if (highlighter_ && AComponent == highlighter_) {
        SetHighlighter(nullptr);
    }
    if (searchEngine_ && AComponent == searchEngine_) {
        searchEngine_ = nullptr;
    }
    if (linesOwner_ && AComponent == linesOwner_) {
        RemoveLinesPointer();
    }
    if (AComponent && AComponent == bookMarkOptions_->BookmarkImages()) {
        bookMarkOptions_->SetBookmarkImages(nullptr);
    }
}
