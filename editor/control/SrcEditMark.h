#pragma once
#include <cstdint>

#include "editor/support/SrcObject.h"

class TCustomSrcEdit;

// A gutter mark of an editor control; with a bookmark number 0-9 it is a
// bookmark.
class TSrcEditMark : public TObject {
public:
    explicit TSrcEditMark(TCustomSrcEdit* AOwner);

    // The owner, or nil (then forgotten) once its mark list no longer holds
    // this mark.
    virtual TCustomSrcEdit* GetEdit();
    virtual void SetChar(int Value) { char_ = Value; }
    virtual void SetImage(int Value);
    virtual void SetLine(int Value);

    int Line() const { return line_; }
    int Char() const { return char_; }
    int ImageIndex() const { return imageIndex_; }
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    bool InternalImage() const { return internalImage_; }
    void SetInternalImage(bool Value);
    int BookmarkNumber() const { return bookmarkIndex_; }
    void SetBookmarkNumber(int Value) { bookmarkIndex_ = Value; }
    bool IsBookmark() const { return bookmarkIndex_ >= 0; }
    // How many joins, not yet undone, brought the mark onto its line.
    int JoinsCarried() const { return joinsCarried_; }
    void SetJoinsCarried(int Value) { joinsCarried_ = Value; }

private:
    void InvalidateOwnLine();

    int32_t line_ = 0;
    int32_t char_ = 0;
    int32_t imageIndex_ = 0;
    TCustomSrcEdit* edit_;
    bool visible_ = false;
    bool internalImage_ = false;
    int32_t bookmarkIndex_ = -1;
    int32_t joinsCarried_ = 0;
};
