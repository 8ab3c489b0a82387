#include "editor/control/SrcBookMarkOpt.h"

#include "editor/support/SrcImageList.h"

void TSrcBookMarkOpt::SetBookmarkImages(TImageList* Value) {
    if (Value == bookmarkImages_) {
        return;
    }
    bookmarkImages_ = Value;
    if (Value && owner_) {
        Value->FreeNotification(owner_);
    }
    Changed();
}

void TSrcBookMarkOpt::Assign(const TPersistent* Source) {
    auto* source = dynamic_cast<const TSrcBookMarkOpt*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    bookmarkImages_ = source->bookmarkImages_;
    if (bookmarkImages_ && owner_) {
        bookmarkImages_->FreeNotification(owner_);
    }
    drawBookmarksFirst_ = source->drawBookmarksFirst_;
    EnableKeys = source->EnableKeys;
    glyphsVisible_ = source->glyphsVisible_;
    leftMargin_ = source->leftMargin_;
    xoffset_ = source->xoffset_;
    Changed();
}
