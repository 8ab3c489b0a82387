#pragma once
#include "editor/control/SrcOptionBase.h"

class TComponent;
class TImageList;

// How bookmarks and marks are shown in the gutter.
class TSrcBookMarkOpt : public TSrcOptionBase {
public:
    // AOwner (the editor) is told when a BookmarkImages list goes away.
    explicit TSrcBookMarkOpt(TComponent* AOwner) : owner_(AOwner) {}
    void Assign(const TPersistent* Source) override;

    // Nil: the editor draws its internal images.
    TImageList* BookmarkImages() const { return bookmarkImages_; }
    void SetBookmarkImages(TImageList* Value);
    bool DrawBookmarksFirst() const { return drawBookmarksFirst_; }
    void SetDrawBookmarksFirst(bool Value) { Set(drawBookmarksFirst_, Value); }
    bool GlyphsVisible() const { return glyphsVisible_; }
    void SetGlyphsVisible(bool Value) { Set(glyphsVisible_, Value); }
    int LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(int Value) { Set(leftMargin_, Value); }
    int Xoffset() const { return xoffset_; }
    void SetXoffset(int Value) { Set(xoffset_, Value); }

    bool EnableKeys = true;

private:
    TImageList* bookmarkImages_ = nullptr;
    bool drawBookmarksFirst_ = true;
    bool glyphsVisible_ = true;
    int leftMargin_ = 2;
    TComponent* owner_;
    int xoffset_ = 12;
};
